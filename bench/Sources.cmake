list(APPEND VOREL_CORE_BENCH_SOURCES
  NumbersBench.cpp
  RegisterBench.cpp
)
list(APPEND VOREL_GUI_BENCH_SOURCES
  RegisterDialogsBench.cpp
)
