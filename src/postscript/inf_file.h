// The Windows INF text written beside an exported Type 1 font: names, style and the menu
// names under which the font is installed.
#pragma once

#include <string>

#include "postscript/metrics_summary.h"

namespace sorvella {

// The whole file, every line ended with "\r\n".
std::string infText(const MetricsSummary& summary);

}  // namespace sorvella
