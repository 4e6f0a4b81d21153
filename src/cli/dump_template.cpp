#include "cli/dump_template.h"

#include <ostream>
#include <string_view>

#include "base/text_format.h"
#include "charts/chart_template.h"

namespace sorvella::cli {

namespace {

using nlohmann::ordered_json;

bool recognisesTemplate(std::span<const uint8_t> head, const std::filesystem::path&) {
  const std::string tag = std::string(template_text::kFileTag) + " ";
  return std::string_view(reinterpret_cast<const char*>(head.data()), head.size()).starts_with(tag);
}

// Image rows as hexadecimal text, file bytes of a row together; a set bit is background.
std::vector<std::string> imageRows(const ChartTemplate& t, uint32_t index) {
  const std::vector<uint8_t> image = t.image(index);
  const uint32_t drawRow = ChartTemplate::drawRowBytes(t.cellSize());
  std::vector<std::string> rows;
  for (uint32_t r = 0; r < t.cellSize(); ++r) {
    std::string row;
    for (uint32_t b = 0; b < t.cellSize() / 8; ++b)
      row += formatText("%02x", unsigned{image[std::size_t{r} * drawRow + b]});
    rows.push_back(row);
  }
  return rows;
}

bool describeTemplate(const std::filesystem::path& path, const DumpOptions& options,
                      ordered_json& json, std::string& error) {
  ChartTemplate t;
  if (!ReadTemplate(path, t)) {
    error = "not a readable chart template (header, cell size or records)";
    return false;
  }
  json["kind"] = "template";
  json["ordering"] = t.ordering;
  json["supplement"] = t.supplement;
  json["cellSize"] = t.cellSize();
  json["recordSize"] = t.recordSize();
  json["count"] = t.count();
  if (options.records) {
    ordered_json records = ordered_json::array();
    for (uint32_t i = 0; i < t.count(); ++i)
      records.push_back({{"CID", t.cidOf(i)}, {"image", imageRows(t, i)}});
    json["records"] = records;
  }
  return true;
}

void printTemplate(const ordered_json& json, std::ostream& out) {
  out << "Chart template\nOrdering " << json["ordering"].get<std::string>() << "\nSupplement "
      << json["supplement"] << "\nCell size " << json["cellSize"] << "\nRecord size "
      << json["recordSize"] << "\nImages " << json["count"] << '\n';
  if (!json.contains("records")) return;
  for (const auto& record : json["records"]) {
    out << "CID " << record["CID"] << '\n';
    for (const auto& row : record["image"]) out << "  " << row.get<std::string>() << '\n';
  }
}

}  // namespace

const Dumper& templateDumper() {
  static const Dumper dumper{"template", recognisesTemplate, describeTemplate, printTemplate};
  return dumper;
}

}  // namespace sorvella::cli
