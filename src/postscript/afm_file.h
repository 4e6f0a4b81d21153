// The Adobe Font Metrics (AFM) text written beside an exported Type 1 font.
#pragma once

#include <string>

#include "postscript/metrics_summary.h"

namespace sorvella {

// The whole file, every line ended with "\r\n".
std::string afmText(const MetricsSummary& summary);

}  // namespace sorvella
