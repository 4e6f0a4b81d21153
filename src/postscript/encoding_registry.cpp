#include "postscript/encoding_registry.h"

#include <algorithm>
#include <optional>
#include <system_error>

#include "postscript/encoding_file.h"
#include "postscript/keyword_table.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;

bool hasEncodingFileName(const fs::path& file) {
  // The listing the files were once found with, "*.enc", ignored letter case.
  constexpr std::string_view kSuffix = ".enc";
  const std::string name = file.filename().string();
  return name.size() >= kSuffix.size() &&
         equalsIgnoringAsciiCase(std::string_view(name).substr(name.size() - kSuffix.size()),
                                 kSuffix);
}

}  // namespace

int EncodingRegistry::scanFolder(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code typeError;
    if (hasEncodingFileName(it->path()) && it->is_regular_file(typeError)) {
      files.push_back(it->path());
    }
  }
  // Listing order depends on the file system; the first file with a number wins, so sort.
  std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
    return a.filename().string() < b.filename().string();
  });
  int added = 0;
  for (const fs::path& file : files) added += addFile(file) ? 1 : 0;
  return added;
}

bool EncodingRegistry::addFile(const fs::path& file) {
  std::optional<EncodingFileHeader> header = readEncodingFileHeader(file);
  if (!header) return false;
  entries_.push_back(EncodingEntry{std::move(header->displayName), file, header->number});
  return true;
}

const EncodingEntry* EncodingRegistry::find(int32_t number) const {
  auto found = std::find_if(entries_.begin(), entries_.end(),
                            [number](const EncodingEntry& e) { return e.number == number; });
  return found == entries_.end() ? nullptr : &*found;
}

bool EncodingRegistry::loadEncoding(int32_t number, EncodingTable& table, bool fillDefault) const {
  const EncodingEntry* entry = find(number);
  if (entry && readEncodingFile(entry->path, table)) return true;
  if (fillDefault) table.reset();
  return false;
}

}  // namespace sorvella
