#include "charts/chart_template.h"

#include <algorithm>
#include <cstring>
#include <fstream>

#include "base/text_format.h"
#include "platform/atomic_file_write.h"

namespace sorvella {

namespace {
// A header line longer than this is not a template's.
constexpr std::size_t kMaxHeaderLine = 1024;

uint32_t readLe32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

std::optional<uint32_t> parseUnsigned(const std::string& word) {
  if (word.empty() || word.size() > 10) return std::nullopt;
  uint64_t value = 0;
  for (char c : word) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(c - '0');
  }
  if (value > UINT32_MAX) return std::nullopt;
  return static_cast<uint32_t>(value);
}

// The header of `bytes` and where the records start.
std::optional<std::pair<TemplateHeader, std::size_t>> parseHeader(std::span<const uint8_t> bytes) {
  std::string line;
  std::size_t at = 0;
  for (; at < bytes.size() && at < kMaxHeaderLine; ++at) {
    if (bytes[at] == '\n') break;
    if (bytes[at] >= 32) line += static_cast<char>(bytes[at]);
  }
  if (at >= bytes.size() || bytes[at] != '\n') return std::nullopt;
  std::vector<std::string> words;
  std::size_t space = line.find(' ');
  if (space == std::string::npos || line.substr(0, space) != template_text::kFileTag)
    return std::nullopt;
  for (std::size_t i = space; i < line.size();) {
    while (i < line.size() && line[i] == ' ') ++i;
    std::size_t end = line.find(' ', i);
    if (end == std::string::npos) end = line.size();
    if (end > i) words.push_back(line.substr(i, end - i));
    i = end;
  }
  if (words.size() < 4) return std::nullopt;
  const auto supplement = parseUnsigned(words[1]);
  const auto cellSize = parseUnsigned(words[2]);
  const auto count = parseUnsigned(words[3]);
  if (!supplement || !cellSize || !count) return std::nullopt;
  return std::pair{TemplateHeader{words[0], *supplement, *cellSize, *count}, at + 1};
}

std::optional<std::vector<uint8_t>> fileBytes(const std::filesystem::path& path,
                                              std::size_t limit = SIZE_MAX) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<uint8_t> bytes;
  char buffer[4096];
  while (bytes.size() < limit && in.read(buffer, sizeof buffer).gcount() > 0)
    bytes.insert(bytes.end(), buffer, buffer + in.gcount());
  if (in.bad()) return std::nullopt;
  return bytes;
}
}  // namespace

ChartTemplate::ChartTemplate(uint32_t cellSize, uint32_t count)
    : cellSize_(validCellSize(cellSize) ? cellSize : 24), count_(count) {
  records_.assign(std::size_t{count_} * recordSize(), 0);
}

uint32_t ChartTemplate::cidOf(uint32_t index) const {
  return index < count_ ? readLe32(record(index)) : 0;
}

void ChartTemplate::setCid(uint32_t index, uint32_t cid) {
  if (index >= count_) return;
  uint8_t* p = record(index);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(cid >> (8 * i));
}

std::vector<uint8_t> ChartTemplate::image(uint32_t index) const {
  const uint32_t fileRow = cellSize_ / 8;
  const uint32_t drawRow = drawRowBytes(cellSize_);
  std::vector<uint8_t> rows(std::size_t{drawRow} * cellSize_, 0);
  if (index >= count_) return rows;
  const uint8_t* p = record(index) + 4;
  for (uint32_t r = 0; r < cellSize_; ++r)
    std::memcpy(rows.data() + std::size_t{r} * drawRow, p + std::size_t{r} * fileRow, fileRow);
  return rows;
}

void ChartTemplate::setImage(uint32_t index, std::span<const uint8_t> rows) {
  const uint32_t fileRow = cellSize_ / 8;
  const uint32_t drawRow = drawRowBytes(cellSize_);
  if (index >= count_ || rows.size() < std::size_t{drawRow} * cellSize_) return;
  uint8_t* p = record(index) + 4;
  for (uint32_t r = 0; r < cellSize_; ++r)
    std::memcpy(p + std::size_t{r} * fileRow, rows.data() + std::size_t{r} * drawRow, fileRow);
}

void ChartTemplate::setRecordBytes(std::span<const uint8_t> bytes) {
  const std::size_t whole = bytes.size() / recordSize() * recordSize();
  records_.assign(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(whole));
  count_ = static_cast<uint32_t>(whole / recordSize());
  direct_.clear();
  overflow_.clear();
}

int32_t ChartTemplate::ImageOf(int32_t cid) const {
  if (cid < 0) return -1;
  if (static_cast<std::size_t>(cid) < direct_.size()) {
    if (direct_[static_cast<std::size_t>(cid)] >= 0) return direct_[static_cast<std::size_t>(cid)];
  } else {
    auto it = std::lower_bound(overflow_.begin(), overflow_.end(), std::pair{cid, INT32_MIN});
    if (it != overflow_.end() && it->first == cid) return it->second;
  }
  if (!direct_.empty() || !overflow_.empty()) return -1;  // the lookup knows every record
  for (uint32_t i = 0; i < count_; ++i)
    if (cidOf(i) == static_cast<uint32_t>(cid)) return static_cast<int32_t>(i);
  return -1;
}

void ChartTemplate::rebuildLookup(int32_t rangeTop) {
  direct_.assign(static_cast<std::size_t>(std::max(rangeTop, -1) + 1), -1);
  overflow_.clear();
  for (uint32_t i = 0; i < count_; ++i) {
    const uint32_t cid = cidOf(i);
    if (cid > static_cast<uint32_t>(INT32_MAX)) continue;
    if (cid < direct_.size()) {
      if (direct_[cid] < 0) direct_[cid] = static_cast<int32_t>(i);
    } else {
      overflow_.emplace_back(static_cast<int32_t>(cid), static_cast<int32_t>(i));
    }
  }
  // The first record of a CID wins, as in the search.
  std::stable_sort(overflow_.begin(), overflow_.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  overflow_.erase(std::unique(overflow_.begin(), overflow_.end(),
                              [](const auto& a, const auto& b) { return a.first == b.first; }),
                  overflow_.end());
}

bool ReadTemplate(const std::filesystem::path& path, ChartTemplate& out) {
  out = ChartTemplate();
  std::optional<std::vector<uint8_t>> bytes = fileBytes(path);
  if (!bytes || !ReadTemplateBytes(*bytes, out)) return false;
  out.filePath = path;
  return true;
}

bool ReadTemplateBytes(std::span<const uint8_t> bytes, ChartTemplate& out) {
  out = ChartTemplate();
  auto header = parseHeader(bytes);
  if (!header || !ChartTemplate::validCellSize(header->first.cellSize)) return false;
  const TemplateHeader& h = header->first;
  // The header's count is checked against the bytes there are, before anything is allocated.
  const uint64_t needed = uint64_t{h.count} * ChartTemplate::recordSize(h.cellSize);
  if (bytes.size() - header->second < needed) return false;
  ChartTemplate read(h.cellSize, 0);
  read.setRecordBytes(bytes.subspan(header->second, needed));
  read.ordering = h.ordering;
  read.supplement = h.supplement;
  out = std::move(read);
  return true;
}

std::optional<TemplateHeader> ReadTemplateHeader(const std::filesystem::path& path) {
  std::optional<std::vector<uint8_t>> bytes = fileBytes(path, kMaxHeaderLine);
  if (!bytes) return std::nullopt;
  auto header = parseHeader(*bytes);
  if (!header) return std::nullopt;
  return header->first;
}

std::string templateFileBytes(const ChartTemplate& t) {
  const std::string ordering = t.ordering.empty() ? template_text::kUntitled : t.ordering;
  std::string bytes =
      formatText(template_text::kHeader, ordering.c_str(), t.supplement, t.cellSize(), t.count());
  bytes.append(reinterpret_cast<const char*>(t.recordBytes().data()), t.recordBytes().size());
  return bytes;
}

bool WriteTemplate(const ChartTemplate& chartTemplate, const std::filesystem::path& path) {
  std::filesystem::path target = path;
  target.replace_extension(template_text::kExtension);
  return writeFileAtomically(target, templateFileBytes(chartTemplate));
}

bool IsCompatible(const std::string& templateOrdering, const std::string& fontOrdering) {
  if (templateOrdering.empty() || fontOrdering.empty()) return true;
  return std::equal(templateOrdering.begin(), templateOrdering.end(), fontOrdering.begin(),
                    fontOrdering.end(), [](char a, char b) {
                      const auto lower = [](char c) {
                        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
                      };
                      return lower(a) == lower(b);
                    });
}

uint32_t templateEstimateKilobytes(uint32_t cellSize, uint32_t cidsWithCharacters) {
  return static_cast<uint32_t>(
      (uint64_t{ChartTemplate::recordSize(cellSize)} * cidsWithCharacters + 200) / 1024);
}

std::string templateLegend(const ChartTemplate* loaded, bool compatible) {
  if (!loaded) return template_text::kNoneLoaded;
  const int size = static_cast<int>(loaded->cellSize());
  const std::string sizeText = formatText(template_text::kSize, size, size);
  const std::string file = loaded->filePath.filename().string();
  return formatText(template_text::kLegend, loaded->ordering.c_str(), file.c_str(), loaded->count(),
                    sizeText.c_str(), compatible ? "" : template_text::kNot);
}

}  // namespace sorvella
