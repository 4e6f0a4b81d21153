// Building a chart template from the current CID font, the folders templates live in, and
// the questions the build dialog asks before it writes one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "charts/chart_template.h"
#include "cidfont/cid_font.h"
#include "platform/progress_callback.h"
#include "platform/prompts.h"

namespace sorvella {

namespace template_build_text {
inline constexpr const char* kDialogTitle = "Build Template";
inline constexpr const char* kOrdering = "Ordering:";
inline constexpr const char* kSupplement = "Supplement:";
inline constexpr const char* kFileName = "File name (8 characters only):";
inline constexpr const char* kCellSize = "Cell size:";
inline constexpr const char* kEstimate = "Estimated file size is %uk.";
inline constexpr const char* kExists = "Template file %s already exists. \nWhat do you want to do?";
inline constexpr const char* kWarningTitle = "Warning!";
inline constexpr const char* kReplaceIt = "&Replace It";
inline constexpr const char* kChangeName = "Change Name";
inline constexpr const char* kCancel = "Cancel";
inline constexpr const char* kProgressTitle = "Generating Template";
inline constexpr const char* kProcessing = "Processing %s...";
inline constexpr const char* kUnreadableFonts =
    "These subset font files could not be read, so their characters have no images: %s.";
inline constexpr const char* kNotWritten = "The template file %s could not be written.";
}  // namespace template_build_text

// The CIDs that hold a character, which the estimate and the build count.
uint32_t cidsWithCharacters(const CCidFont& font);

struct TemplateBuildRequest {
  std::string ordering;
  uint32_t supplement = 0;
  uint32_t cellSize = 24;
  int fitAscender = 900;
  int fitDescender = -100;
};

struct TemplateBuildResult {
  std::optional<ChartTemplate> chartTemplate;  // none when cancelled
  std::vector<std::string> unreadableFonts;    // files whose characters got no image
};

// One record per CID that holds a character, font by font in glyph order, each glyph fitted
// into the cell as thumbnails are. `status` gets "Processing %s..." per font; the progress
// gets the range of records, each position, and a cancel query per glyph.
TemplateBuildResult BuildTemplate(const CCidFont& font, const std::filesystem::path& folder,
                                  const TemplateBuildRequest& request,
                                  const ProgressCallback& progress = nullptr,
                                  const std::function<void(const std::string&)>& status = nullptr);

// The folder built templates go to ($XDG_DATA_HOME/sorvella/Template) and the folders listed:
// the program's data folder's "Template", then that one.
std::filesystem::path userTemplateFolder();
std::vector<std::filesystem::path> templateFolders();

struct TemplateListEntry {
  std::filesystem::path path;
  TemplateHeader header;
};
// The templates of the folders by file name, folder by folder; files that are not templates
// are left out.
std::vector<TemplateListEntry> listTemplates(const std::vector<std::filesystem::path>& folders);

// What the build does about an existing output file.
enum class ExistingTemplate { kWrite, kChangeName, kCancel };
ExistingTemplate askAboutExistingTemplate(Prompts& prompts, const std::filesystem::path& file);

}  // namespace sorvella
