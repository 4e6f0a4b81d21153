#include "postscript/metrics_files.h"

#include <string_view>

#include "platform/atomic_file_write.h"
#include "postscript/afm_file.h"
#include "postscript/inf_file.h"
#include "postscript/metrics_summary.h"
#include "postscript/mmm_file.h"
#include "postscript/pfm_file.h"

namespace sorvella {

namespace {

std::filesystem::path beside(std::filesystem::path path, const char* extension) {
  return path.replace_extension(extension);
}

bool writeBytes(const std::filesystem::path& file, const std::vector<uint8_t>& bytes) {
  return writeFileAtomically(
      file, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace

int writeMetrics(const SubsetFont& font, const std::filesystem::path& path, int which, int master) {
  const std::filesystem::path base = path.empty() ? font.fileName() : path;
  if (which == 0 || base.empty()) return -1;
  if (font.masterCount() > 1)
    return writeBytes(beside(base, ".mmm"), mmmBytes(font)) ? 0 : metrics_failure::kMmm;

  const MetricsSummary summary = summarizeMetrics(font, master);
  int failed = 0;
  if (which & metrics_which::kAfmAndInf) {
    if (!writeFileAtomically(beside(base, ".afm"), afmText(summary))) {
      failed |= metrics_failure::kAfm | metrics_failure::kInf;
    } else if (!writeFileAtomically(beside(base, ".inf"), infText(summary))) {
      failed |= metrics_failure::kInf;
    }
  }
  if ((which & metrics_which::kPfm) && !writeBytes(beside(base, ".pfm"), pfmBytes(summary)))
    failed |= metrics_failure::kPfm;
  return failed;
}

}  // namespace sorvella
