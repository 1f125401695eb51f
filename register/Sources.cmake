# The person record, the register file, and persons to and from spreadsheet files.
set(VOREL_LAYER_SOURCES
  register/PersonName.cpp
  register/PersonsCsv.cpp
  register/RegisterFile.cpp
)
