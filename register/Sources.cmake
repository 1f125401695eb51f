# The person record, the register file, the register with its rules, and persons to and from
# spreadsheet files.
set(VOREL_LAYER_SOURCES
  register/PersonName.cpp
  register/PersonsCsv.cpp
  register/Register.cpp
  register/RegisterFile.cpp
)
