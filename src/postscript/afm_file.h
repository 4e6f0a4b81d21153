// The Adobe Font Metrics (AFM) text written beside an exported Type 1 font: names, font-wide
// values, every glyph's code, width, name and box, and the kerning pairs.
#pragma once

#include <string>

#include "postscript/metrics_summary.h"

namespace sorvella {

// The whole file, every line ended with "\r\n".
std::string afmText(const MetricsSummary& summary);

}  // namespace sorvella
