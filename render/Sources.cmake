# The report as a QTextDocument.
set(VOREL_LAYER_SOURCES
  render/DocumentBridge.cpp
)
