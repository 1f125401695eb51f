list(APPEND VOREL_CORE_SOURCES
  platform/Error.cpp
  platform/Cp1252.cpp
  platform/RichDocument.cpp
  platform/ProfileFile.cpp
  platform/FileIO.cpp
)
list(APPEND VOREL_GUI_SOURCES
  platform/Desktop.cpp
  platform/Dialogs.cpp
  platform/Guard.h
  platform/HelpWindow.cpp
)
