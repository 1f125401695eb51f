// The font names the report and the windows were designed with, and their equivalents here.
#pragma once

class QFont;

namespace vorel {

// Maps "Times New Roman", "Arial" and "MS Sans Serif" to the Liberation fonts, whose letters
// have the same widths, so lines break where they were meant to. Call once, after the
// application object exists and before any text is laid out.
void InstallFontSubstitutes();

// The report's own font, where a run names none: Times New Roman, 12 points.
QFont ReportFont();

}  // namespace vorel
