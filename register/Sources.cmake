# The person record and the register file.
set(VOREL_LAYER_SOURCES
  register/RegisterFile.cpp
)
