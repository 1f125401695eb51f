# The start-up sequence, the application's defaults and the owner of the windows.
set(VOREL_LAYER_SOURCES
  app/ApplicationDefaults.cpp
  app/ProgramWindows.cpp
  app/Startup.cpp
)
