# Errors, files, code pages and the ini profile file: the standard library only.
set(VOREL_LAYER_SOURCES
  base/Error.cpp
  base/Cp1252.cpp
  base/CodePages.cpp
  base/FileIO.cpp
  base/IntegerText.cpp
  base/ProfileFile.cpp
)
