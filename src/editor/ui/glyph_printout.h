// "&Print glyph...": the glyph printout, headed "SORVELLA GLYPH PRINTOUT", with the font's and
// the glyph's names and the filled outline scaled to the rest of the page.
#pragma once

#include <QRect>

#include "editor/glyph_editor.h"

class QPainter;
class QPrinter;

namespace sorvella {

inline constexpr const char* kGlyphPrintoutHeading = "SORVELLA GLYPH PRINTOUT";

// Draws the printout into `page` (device pixels).
void paintGlyphPrintout(QPainter& painter, const QRect& page, GlyphEditor& editor);
// One page on the printer; false when painting on it could not begin.
bool printGlyph(QPrinter& printer, GlyphEditor& editor);

}  // namespace sorvella
