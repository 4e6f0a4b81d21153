// `sorvella-cli dump` of a real Type 1 font, compared with the dump of the same font written
// as a native font file.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/cli_run.h"
#include "glyph/native_font_file.h"
#include "platform/data_location.h"
#include "postscript/encoding_registry.h"
#include "postscript/type1_font_file.h"

namespace sorvella {
namespace {

constexpr const char* kFont = "/usr/share/fonts/X11/Type1/NimbusSans-Regular.pfb";

TEST(DumpType1Font, JsonDescribesTheFontLikeItsNativeFile) {
  test::CliResult r = test::runCli(std::string("dump --json ") + kFont);
  ASSERT_EQ(r.status, 0) << r.output.substr(0, 500);
  auto json = nlohmann::json::parse(r.output);
  EXPECT_EQ(json["kind"], "Type 1 font");
  EXPECT_EQ(json["FontName"], "NimbusSans-Regular");
  ASSERT_TRUE(json["glyphs"].is_array());
  EXPECT_GT(json["glyphs"].size(), 800u);

  EncodingRegistry registry;
  registry.scanFolder(dataFolder());
  auto font = readType1Font(kFont, registry);
  ASSERT_TRUE(font);
  test::CliFolder folder;
  ASSERT_TRUE(WriteNativeFont(folder / "nimbus.vtb", *font, 4));
  test::CliResult native = test::runCli("dump --json " + (folder / "nimbus.vtb").string());
  ASSERT_EQ(native.status, 0) << native.output.substr(0, 500);
  auto nativeJson = nlohmann::json::parse(native.output);
  EXPECT_EQ(nativeJson["glyphs"], json["glyphs"]);
  EXPECT_EQ(nativeJson["BlueValues"], json["BlueValues"]);
}

}  // namespace
}  // namespace sorvella
