#include "cli/dump_command.h"

#include <fstream>
#include <ostream>

#include "base/text_format.h"
#include "cli/dump_cid_font.h"
#include "cli/dump_cmap.h"
#include "cli/dump_encoding.h"
#include "cli/dump_index.h"
#include "cli/dump_native_font.h"
#include "cli/dump_template.h"
#include "cli/dump_truetype_font.h"
#include "cli/dump_type1_font.h"

namespace sorvella::cli {

const std::vector<Dumper>& dumpers() {
  static const std::vector<Dumper> all = {
      binaryIndexDumper(),
      textIndexDumper(),
      encodingDumper(),
      cmapDumper(),
      nativeFontDumper(),
      type1FontDumper(),
      cidFontDumper(),
      trueTypeFontDumper(),
      templateDumper(),
  };
  return all;
}

int dumpFile(const std::filesystem::path& path, const DumpOptions& options, std::ostream& out,
             std::ostream& err) {
  std::ifstream file(path, std::ios::binary);
  std::error_code ec;
  if (!file || std::filesystem::is_directory(path, ec)) {
    err << formatText(kCannotOpenMessage, path.string().c_str()) << '\n';
    return 1;
  }
  std::vector<uint8_t> head(4096);
  file.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(file.gcount()));

  for (const Dumper& d : dumpers()) {
    if (!d.recognises(head, path)) continue;
    nlohmann::ordered_json facts;
    std::string error;
    if (!d.describe(path, options, facts, error)) {
      err << path.string() << ": " << error << '\n';
      return 1;
    }
    if (options.json) {
      out << facts.dump(2) << '\n';
    } else {
      d.print(facts, out);
    }
    return 0;
  }
  err << formatText(kUnknownKindMessage, path.string().c_str()) << '\n';
  return 2;
}

}  // namespace sorvella::cli
