# What the system tells through Qt Core.
set(VOREL_LAYER_SOURCES
  system/LocaleNames.cpp
  system/ProgramPaths.cpp
)
