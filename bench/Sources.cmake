list(APPEND VOREL_CORE_BENCH_SOURCES
  CompositionBench.cpp
  NumbersBench.cpp
  RegisterBench.cpp
  RtfBench.cpp
  ThemeAndCoupleBench.cpp
)
list(APPEND VOREL_GUI_BENCH_SOURCES
  BigDocumentBench.cpp
  RegisterDialogsBench.cpp
  WindowsBench.cpp
)
