# The rich-text document model, RTF and plain text.
set(VOREL_LAYER_SOURCES
  document/RichDocument.cpp
  document/Rtf.cpp
  document/PlainText.cpp
)
