list(APPEND VOREL_CORE_SOURCES
  platform/Error.cpp
  platform/Cp1252.cpp
  platform/CodePages.cpp
  platform/FileIO.cpp
  platform/PlainText.cpp
  platform/ProfileFile.cpp
  platform/RichDocument.cpp
  platform/Rtf.cpp
)
list(APPEND VOREL_GUI_SOURCES
  platform/Desktop.cpp
  platform/Dialogs.cpp
  platform/Guard.h
  platform/HelpWindow.cpp
)
