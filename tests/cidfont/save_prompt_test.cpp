// The save question before unsaved work is replaced: its duration text, and what each answer
// does to the command that asked.
#include "cidfont/save_prompt.h"

#include <gtest/gtest.h>

#include "base/text_format.h"
#include "cidfont/font_folder.h"
#include "document_fixture.h"

namespace sorvella {
namespace {

namespace fs = std::filesystem;
using namespace save_prompt_text;

TEST(DurationText, HoursWithMinutesOrSecondsAndSecondsAlone) {
  const std::pair<int64_t, std::string> cases[] = {
      {2 * 3600 + 5 * 60 + 7, formatText(kHours, 2) + formatText(kMinutes, 5)},
      {3600, formatText(kHours, 1) + formatText(kSeconds, 0)},
      {61, formatText(kMinutes, 1)},
      {45, formatText(kSeconds, 45)}};
  for (const auto& [seconds, text] : cases) EXPECT_EQ(durationText(seconds), text) << seconds;
}

class SavePrompt : public test::DocumentTest {
 protected:
  void SetUp() override {
    makeNewFont();
    addFonts({2});
    clock_ += 125;
  }
};

// Cancel stops New, "&No" lets Open go on without saving, "&Yes" saves first; a font that is
// not modified is not asked about.
TEST_F(SavePrompt, EachAnswerDoesWhatItSays) {
  const fs::path index = binaryIndexPath(document_->folder());
  prompts_.script(kCancel);
  EXPECT_FALSE(document_->New());
  EXPECT_EQ(onlyBox().text, formatText(kCidFontQuestion, durationText(125).c_str()));
  EXPECT_EQ(folders_.requests().size(), 1u);  // only the first New asked for a folder
  prompts_.script(kNo);
  EXPECT_FALSE(document_->Open());  // the file dialog is cancelled
  EXPECT_EQ(dialogs_.requests().size(), 1u);
  EXPECT_FALSE(fs::exists(index));
  prompts_.script(kYes);
  EXPECT_FALSE(document_->Open());
  EXPECT_TRUE(fs::exists(index));
  EXPECT_FALSE(document_->font()->modified());
  EXPECT_FALSE(document_->Open());
  EXPECT_EQ(prompts_.shown().size(), 3u);
}

}  // namespace
}  // namespace sorvella
