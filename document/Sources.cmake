# The rich-text document model, RTF and plain text.
set(VOREL_LAYER_SOURCES
  document/RichDocument.cpp
  document/RtfReader.cpp
  document/RtfTokenizer.cpp
  document/RtfWriter.cpp
  document/PlainText.cpp
)
