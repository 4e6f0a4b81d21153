// The encoding files that come with the program, read through the registry and checked
// against the vectors of Ghostscript's resource files.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "postscript/encoding_registry.h"
#include "support/temp_folder.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;
using Vector = std::vector<std::string>;

fs::path ghostscriptInitFolder() {
  std::vector<fs::path> found;
  std::error_code error;
  for (fs::directory_iterator it("/usr/share/ghostscript", error), end; !error && it != end;
       it.increment(error)) {
    if (fs::exists(it->path() / "Resource/Init/gs_std_e.ps")) found.push_back(it->path());
  }
  std::sort(found.begin(), found.end());
  return found.empty() ? fs::path() : found.back() / "Resource/Init";
}

// The names of the vector `key` defined in `file`: names written out, and slices of a vector
// read before, taken with "getinterval aload pop".
Vector parseVector(const std::string& file, const std::string& key,
                   const std::map<std::string, Vector>& known) {
  std::istringstream lines(test::readFile(ghostscriptInitFolder() / file));
  std::string line, text;
  while (std::getline(lines, line)) text += line.substr(0, line.find('%')) + ' ';
  std::istringstream words(text);
  std::string word;
  while (words >> word && word != "/" + key) {
  }
  Vector names;
  while (names.size() < 256 && words >> word) {
    if (word[0] == '/') {
      names.push_back(word.substr(1));
      continue;
    }
    std::size_t from = 0, count = 0;
    std::string get;
    auto base = known.find(word);
    if (base == known.end() || !(words >> from >> count >> get) || get != "getinterval" ||
        from + count > base->second.size() || !(words >> get >> get)) {
      break;
    }
    names.insert(names.end(), base->second.begin() + from, base->second.begin() + from + count);
  }
  return names;
}

const Vector& ghostscriptVector(const std::string& key) {
  static const std::map<std::string, Vector> vectors = [] {
    std::map<std::string, Vector> all;
    all["StandardEncoding"] = parseVector("gs_std_e.ps", "StandardEncoding", all);
    all["ISOLatin1Encoding"] = parseVector("gs_il1_e.ps", "ISOLatin1Encoding", all);
    all["SymbolEncoding"] = parseVector("gs_sym_e.ps", "SymbolEncoding", all);
    return all;
  }();
  return vectors.at(key);
}

class ShippedEncodings : public ::testing::Test {
 protected:
  static const EncodingRegistry& registry() {
    static const EncodingRegistry shipped = [] {
      EncodingRegistry r;
      r.scanFolder(SORVELLA_SOURCE_DATA_DIR);
      return r;
    }();
    return shipped;
  }
  static EncodingTable table(int32_t number) {
    EncodingTable result;
    EXPECT_TRUE(registry().loadEncoding(number, result, false)) << number;
    return result;
  }
  // Every code holds the vector's name, unless it is ".notdef" or an earlier code has it.
  static void expectMatches(int32_t number, const std::string& key) {
    const Vector& vector = ghostscriptVector(key);
    ASSERT_EQ(vector.size(), 256u) << key << " in " << ghostscriptInitFolder();
    const EncodingTable loaded = table(number);
    for (int code = 0; code < 256; ++code) {
      const std::string& name = vector[static_cast<std::size_t>(code)];
      const bool first = std::find(vector.begin(), vector.end(), name) == vector.begin() + code;
      EXPECT_EQ(loaded.name(code),
                name != ".notdef" && first ? name : EncodingTable::placeholderName(code))
          << key << " code " << code;
    }
  }
};

// The four numbers the program asks for are there, with CR LF lines, each holding the names of
// Ghostscript's vector at their first code (ISO Latin-1 keeps space at 32, not at 0xA0).
TEST_F(ShippedEncodings, TheFourNumbersHoldGhostscriptsVectors) {
  std::vector<int32_t> numbers;
  for (const EncodingEntry& entry : registry().entries()) {
    numbers.push_back(entry.number);
    const std::string text = test::readFile(entry.path);
    EXPECT_TRUE(text.ends_with("\r\n")) << entry.path;
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
      ASSERT_EQ(text[at - 1], '\r') << entry.path << " line end at " << at;
  }
  std::sort(numbers.begin(), numbers.end());
  EXPECT_EQ(numbers, (std::vector<int32_t>{1, 2, 3, 7}));
  expectMatches(kStandardEncodingNumber, "StandardEncoding");
  expectMatches(kSeacEncodingNumber, "StandardEncoding");
  expectMatches(kIsoLatin1EncodingNumber, "ISOLatin1Encoding");
  expectMatches(kSymbolEncodingNumber, "SymbolEncoding");
  EXPECT_EQ(table(kStandardEncodingNumber).codeOf("germandbls"), 251);
  EXPECT_EQ(table(kIsoLatin1EncodingNumber).name(0xAD), "hyphen");
  EXPECT_TRUE(table(kIsoLatin1EncodingNumber).isPlaceholder(0xA0));
  EXPECT_EQ(table(kSymbolEncodingNumber).name(0xC6), "emptyset");
}

}  // namespace
}  // namespace sorvella
