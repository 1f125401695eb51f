list(APPEND VOREL_CORE_SOURCES
)
list(APPEND VOREL_GUI_SOURCES
  app/Main.cpp
  app/Placement.cpp
  app/Sleeper.cpp
  app/Slogo.cpp
  app/Ssplash.cpp
  app/Startup.cpp
  app/UrlLabel.cpp
  app/sabout.cpp
)
list(APPEND VOREL_GUI_RESOURCES
  resources/vorel.qrc
)
