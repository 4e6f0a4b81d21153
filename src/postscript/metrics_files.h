// Write metrics: the AFM and INF files, on request the PFM file, or for a font of several
// masters the MMM file, beside an exported Type 1 font, each named after it.
#pragma once

#include <filesystem>

#include "glyph/subset_font.h"

namespace sorvella {

namespace metrics_which {
constexpr int kPfm = 1;
constexpr int kAfmAndInf = 2;
}  // namespace metrics_which

namespace metrics_failure {
// Bits of the result of writeMetrics.
constexpr int kAfm = 1;
constexpr int kInf = 2;
constexpr int kPfm = 4;
constexpr int kMmm = 8;
}  // namespace metrics_failure

// 0 on success; -1 when `which` is 0 or there is no path (an empty path means the font's own
// file name); otherwise the metrics_failure bits of the files that could not be written.
// The files are `path` with its extension replaced by .afm, .inf, .pfm or .mmm; with more
// than one master only the .mmm file is written. The INF file needs a written AFM file.
int writeMetrics(const SubsetFont& font, const std::filesystem::path& path, int which,
                 int master = 0);

}  // namespace sorvella
