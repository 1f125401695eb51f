// A window's geometry as data: where each control stands and where Tab takes it. The windows'
// tables are in gui/Layouts.h; each constructor makes its controls, then applies its table.
#pragma once

#include <QRect>
#include <QSize>
#include <span>

class QWidget;

namespace vorel {

enum class Overlap {
  None,
  Backdrop,  // a bevel or panel that the controls standing on it lie within
  Previous,  // overlaps the control before it in the table, as its design has it
};

struct ControlPlace {
  const char* name;  // the control's object name, unique in its window
  QRect rect;        // in its parent's client area; an empty size fits the control to its text
  int tab = -1;      // its place in the Tab order, from 0; -1: Tab does not stop there
  Overlap overlap = Overlap::None;
};

struct WindowLayout {
  QSize client;  // the window's client area; empty for a window the user sizes
  std::span<const ControlPlace> controls;
};

// Puts each control of window named in layout at its place, and chains the Tab order.
void ApplyLayout(QWidget& window, const WindowLayout& layout);

}  // namespace vorel
