#include "charts/template_build.h"

#include <algorithm>
#include <map>
#include <system_error>

#include "base/text_format.h"
#include "cidfont/font_folder.h"
#include "glyph/glyph_cell.h"
#include "glyph/native_font_file.h"
#include "glyph/scanline_fill.h"
#include "platform/data_location.h"
#include "platform/user_data_folder.h"

namespace sorvella {

namespace {
// Per subset font, its placed glyphs as (glyph, CID), in glyph order then CID order.
std::map<int32_t, std::vector<std::pair<int32_t, int32_t>>> placedGlyphs(const CCidFont& font) {
  std::map<int32_t, std::vector<std::pair<int32_t, int32_t>>> byFont;
  const auto take = [&](int32_t cid, int32_t character) {
    if (character < 0 || character >= font.characterCount()) return;
    const CharacterRecord& r = font.record(character);
    if (r.font >= 0 && r.glyph >= 0) byFont[r.font].emplace_back(r.glyph, cid);
  };
  const std::vector<int32_t>& table = font.cidTable();
  for (std::size_t cid = 0; cid < table.size(); ++cid) take(static_cast<int32_t>(cid), table[cid]);
  for (const OverflowPair& pair : font.overflow()) take(pair.cid, pair.character);
  for (auto& [f, glyphs] : byFont) std::sort(glyphs.begin(), glyphs.end());
  return byFont;
}
}  // namespace

uint32_t cidsWithCharacters(const CCidFont& font) {
  uint32_t count = 0;
  for (int32_t character : font.cidTable()) count += character >= 0 ? 1 : 0;
  for (const OverflowPair& pair : font.overflow()) count += pair.character >= 0 ? 1 : 0;
  return count;
}

TemplateBuildResult BuildTemplate(const CCidFont& font, const std::filesystem::path& folder,
                                  const TemplateBuildRequest& request,
                                  const ProgressCallback& progress,
                                  const std::function<void(const std::string&)>& status) {
  TemplateBuildResult result;
  const uint32_t size = ChartTemplate::validCellSize(request.cellSize) ? request.cellSize : 24;
  const auto byFont = placedGlyphs(font);
  uint32_t total = 0;
  for (const auto& [f, glyphs] : byFont) total += static_cast<uint32_t>(glyphs.size());
  ChartTemplate built(size, total);
  built.ordering = request.ordering;
  built.supplement = request.supplement;
  if (progress) progress(kProgressRange, 0, total);

  const uint32_t rowBytes = ChartTemplate::drawRowBytes(size);
  std::vector<uint8_t> rows(std::size_t{rowBytes} * size);
  ScanlineFill fill;
  uint32_t next = 0;
  for (const auto& [f, glyphs] : byFont) {
    const SubsetFontEntry& entry = font.subsetFont(f);
    if (status) status(formatText(template_build_text::kProcessing, entry.name().c_str()));
    const std::filesystem::path file = SubsetFontFilePath(folder, entry.fileStem());
    std::unique_ptr<SubsetFont> subset = ReadNativeFont(file);
    if (!subset) {
      result.unreadableFonts.push_back(file.filename().string());
      continue;
    }
    for (const auto& [g, cid] : glyphs) {
      if (progress && progress(kProgressCancelQuery, 0, 0)) return result;
      const Glyph* glyph = subset->glyph(g);
      std::fill(rows.begin(), rows.end(), 0);
      if (glyph && !glyph->empty()) {
        fill.reset(static_cast<int>(size), static_cast<int>(size));
        const CellFit fit = fitGlyphToCell(*glyph, request.fitAscender, request.fitDescender,
                                           static_cast<int>(size), static_cast<int>(size));
        fillGlyph(*glyph, fit, fill);
        fill.packRows(rows, rowBytes);
      }
      // The fill marks ink; templates mark background.
      for (uint8_t& byte : rows) byte = static_cast<uint8_t>(~byte);
      built.setCid(next, static_cast<uint32_t>(cid));
      built.setImage(next, rows);
      ++next;
      if (progress) progress(kProgressPosition, next, 0);
    }
  }
  // Characters of unreadable fonts have no record rather than an all-ink one at CID 0.
  if (next < total)
    built.setRecordBytes(built.recordBytes().first(std::size_t{next} * built.recordSize()));
  result.chartTemplate = std::move(built);
  return result;
}

std::filesystem::path userTemplateFolder() {
  const std::filesystem::path data = userDataFolder();
  return data.empty() ? data : data / template_text::kFolder;
}

std::vector<std::filesystem::path> templateFolders() {
  std::vector<std::filesystem::path> folders;
  if (std::filesystem::path data = dataFolder(); !data.empty())
    folders.push_back(data / template_text::kFolder);
  if (std::filesystem::path user = userTemplateFolder(); !user.empty()) folders.push_back(user);
  return folders;
}

std::vector<TemplateListEntry> listTemplates(const std::vector<std::filesystem::path>& folders) {
  std::vector<TemplateListEntry> list;
  for (const std::filesystem::path& folder : folders) {
    std::vector<TemplateListEntry> found;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
      if (it->path().extension() != template_text::kExtension) continue;
      if (std::optional<TemplateHeader> header = ReadTemplateHeader(it->path()))
        found.push_back({it->path(), *header});
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.path.filename() < b.path.filename(); });
    list.insert(list.end(), found.begin(), found.end());
  }
  return list;
}

ExistingTemplate askAboutExistingTemplate(Prompts& prompts, const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::exists(file, error)) return ExistingTemplate::kWrite;
  const std::string name = file.filename().string();
  switch (prompts.ask(formatText(template_build_text::kExists, name.c_str()),
                      template_build_text::kWarningTitle,
                      {template_build_text::kReplaceIt, template_build_text::kChangeName,
                       template_build_text::kCancel})) {
    case 0:
      return ExistingTemplate::kWrite;
    case 1:
      return ExistingTemplate::kChangeName;
    default:
      return ExistingTemplate::kCancel;
  }
}

}  // namespace sorvella
