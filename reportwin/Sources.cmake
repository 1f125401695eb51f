list(APPEND VOREL_CORE_SOURCES
)
list(APPEND VOREL_GUI_SOURCES
  reportwin/Analwin.cpp
  reportwin/DocumentBridge.cpp
)
