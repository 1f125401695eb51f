# The rich-text document model, RTF and plain text. The RTF codec's classes are in private/,
# which the layers above do not see: they call document/Rtf.h.
set(VOREL_LAYER_SOURCES
  document/RichDocument.cpp
  document/PlainText.cpp
  document/LongParagraphs.cpp
  document/Rtf.cpp
  document/private/DocumentBuilder.cpp
  document/private/RtfKeywords.cpp
  document/private/RtfReader.cpp
  document/private/RtfTables.cpp
  document/private/RtfTokenizer.cpp
  document/private/RtfWriter.cpp
)
