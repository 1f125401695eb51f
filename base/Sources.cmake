# Errors, files, code pages and the ini profile file: the standard library only, and the
# system's file calls from SystemFilesPosix.cpp alone.
set(VOREL_LAYER_SOURCES
  base/Error.cpp
  base/Cp1252.cpp
  base/CodePages.cpp
  base/FileIO.cpp
  base/FileLock.cpp
  base/FilePaths.cpp
  base/FileMessages.cpp
  base/IntegerText.cpp
  base/ProfileFile.cpp
  base/RollbackJournal.cpp
  base/SystemFilesPosix.cpp
)
