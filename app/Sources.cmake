# The start-up sequence and the owner of the windows.
set(VOREL_LAYER_SOURCES
  app/ProgramWindows.cpp
  app/Startup.cpp
)
