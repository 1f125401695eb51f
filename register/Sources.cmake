list(APPEND VOREL_CORE_SOURCES
  register/DateText.cpp
  register/PersonName.cpp
  register/PersonsCsv.cpp
  register/RegisterFile.cpp
)
list(APPEND VOREL_GUI_SOURCES
  register/DialogLook.cpp
  register/RegisterGrid.cpp
  register/Sfichier.cpp
  register/Ssaisie.cpp
  register/Schoixp.cpp
)
