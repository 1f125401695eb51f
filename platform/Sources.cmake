list(APPEND VOREL_CORE_SOURCES
  platform/Error.cpp
  platform/Cp1252.cpp
  platform/CodePages.cpp
  platform/RichDocument.cpp
  platform/Rtf.cpp
  platform/PlainText.cpp
)
list(APPEND VOREL_GUI_SOURCES
)
