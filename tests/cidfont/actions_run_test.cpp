// Running actions programs over a CID font's subset fonts: the question, the glyphs each target
// takes, whole files with new thumbnails, the glyph editor's open font worked on in memory, a
// failing glyph among good ones, and a cancelled run.
#include "cidfont/actions_run.h"

#include <gtest/gtest.h>

#include "cidfont/document_fixture.h"
#include "cidfont/font_folder.h"
#include "cidfont/thumbnail.h"
#include "glyph/native_font_file.h"

namespace sorvella {
namespace {

class ActionsRunTest : public test::DocumentTest {
 protected:
  void SetUp() override {
    DocumentEnvironment env = environment();
    env.editedFont = [this] { return edited_; };
    document_ = std::make_unique<Document>(env);
    makeNewFont();
    addFonts({3, 2});  // squares x 100..600, y 0..500
  }
  std::filesystem::path fontFile(int32_t f) const {
    return SubsetFontFilePath(document_->folder(), document_->font()->subsetFont(f).fileStem());
  }
  int16_t leftOf(int32_t f, int32_t slot) const {
    std::unique_ptr<SubsetFont> font = ReadNativeFont(fontFile(f));
    return font ? font->glyph(slot)->boundingBox().xMin : -1;
  }
  CommandOutcome run(ActionsTarget target, std::vector<GlyphAction> program, int32_t font = 0,
                     std::vector<int32_t> glyphs = {}) {
    return document_->runActions({std::move(program), target, font, std::move(glyphs), 0});
  }
  static GlyphAction action(ActionKind kind, double field0 = 0) {
    GlyphAction a = GlyphAction::make(kind);
    a.setField(0, field0);
    return a;
  }

  const GlyphAction width600_ = action(ActionKind::kChangeWidth, 600);
  EditedSubsetFont* edited_ = nullptr;
};

TEST_F(ActionsRunTest, AskedFirstThenEveryFontIsRewrittenWithItsThumbnails) {
  const std::string before = test::readFile(fontFile(0));
  prompts_.script(actions_text::kNo);
  GlyphAction outline = GlyphAction::make(ActionKind::kCreateOutline);
  outline.setField(1, 60);
  outline.setField(2, 60);
  ActionsRun all{{outline}, ActionsTarget::kCidFont, 0, {}, 0};
  EXPECT_FALSE(document_->ApplyActions(all));
  EXPECT_EQ(test::readFile(fontFile(0)), before);
  prompts_.script(actions_text::kYes);
  ASSERT_TRUE(document_->ApplyActions(all));
  EXPECT_EQ(prompts_.shown().back().text, actions_text::kQuestion);
  std::unique_ptr<SubsetFont> second = ReadNativeFont(fontFile(1));
  EXPECT_EQ(second->glyph(1)->contourCount(), 2);
  EXPECT_EQ(document_->font()->record(4).thumbnail, makeThumbnail(*second->glyph(1), 900, -200));
  EXPECT_EQ(busy_.boxes().back().title, actions_text::kProgressTitle);
  EXPECT_EQ(busy_.boxes().back().caption, actions_text::kProgressCaption);
}

TEST_F(ActionsRunTest, SelectedGlyphsAndOneFontChangeOnlyThoseGlyphs) {
  EXPECT_EQ(run(ActionsTarget::kSelectedGlyphs, {width600_}, 0, {0, 2, 7}).count, 2);
  EXPECT_EQ(std::vector<int>({leftOf(0, 0), leftOf(0, 1), leftOf(0, 2), leftOf(1, 0)}),
            std::vector<int>({50, 100, 50, 100}));
  EXPECT_EQ(run(ActionsTarget::kSubsetFont, {width600_}, 1).count, 2);
  // A glyph already as the program leaves it is not counted.
  EXPECT_EQ(run(ActionsTarget::kOneGlyph, {width600_}, 1, {1}).count, 0);
}

TEST_F(ActionsRunTest, TheEditorsOpenFontIsChangedInMemoryAndAFailedGlyphTold) {
  const std::string onDisk = test::readFile(fontFile(0));
  std::unique_ptr<SubsetFont> open = ReadNativeFont(fontFile(0));
  open->glyph(1)->setAdvance(0, {123, 0});  // an unsaved edit
  // A glyph the autohinter refuses: a hint without a stem for its master.
  open->glyph(2)->hints().emplace().vertical.push_back(Hint{});
  EditedSubsetFont edited{open.get(), fontFile(0), false};
  edited_ = &edited;
  const CommandOutcome outcome =
      run(ActionsTarget::kSubsetFont,
          {GlyphAction::make(ActionKind::kAutohint), action(ActionKind::kShift, 10)}, 0);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.count, 3);
  EXPECT_EQ(outcome.messages,
            (std::vector<std::string>{"Subset font 1: Autohint failed on glyphs 2."}));
  EXPECT_TRUE(edited.modified);
  EXPECT_EQ(open->glyph(1)->advance(0), (Point{123, 0}));
  EXPECT_EQ(open->glyph(2)->boundingBox().xMin, 110);  // the shift ran after the failure
  EXPECT_EQ(test::readFile(fontFile(0)), onDisk);
}

TEST_F(ActionsRunTest, CancelKeepsTheGlyphsDoneAndWritesTheFontWhole) {
  busy_.cancelAfter(1);
  const CommandOutcome outcome = run(ActionsTarget::kCidFont, {width600_});
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(
      outcome.messages,
      (std::vector<std::string>{"The actions program was cancelled. 1 glyphs were transformed."}));
  EXPECT_EQ(std::vector<int>({leftOf(0, 0), leftOf(0, 1), leftOf(1, 0)}),
            std::vector<int>({50, 100, 100}));
}

}  // namespace
}  // namespace sorvella
