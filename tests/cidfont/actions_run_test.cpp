// Running actions programs over a CID font's subset fonts: the question, the glyphs each target
// takes, whole files with new thumbnails, the glyph editor's open font worked on in memory, a
// failing glyph among good ones, and a cancelled run.
#include "cidfont/actions_run.h"

#include <gtest/gtest.h>

#include <fstream>

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
    addFonts({3, 2});
    boxesBefore_ = busy_.boxes().size();
  }
  std::filesystem::path fontFile(int32_t f) const {
    return SubsetFontFilePath(document_->folder(), document_->font()->subsetFont(f).fileStem());
  }
  Box boxOf(int32_t f, int32_t slot) const {
    std::unique_ptr<SubsetFont> font = ReadNativeFont(fontFile(f));
    Box box;
    if (font && font->glyph(slot)) font->glyph(slot)->widenControlBox(0, box);
    return box;
  }
  const Thumbnail& thumbnailOf(int32_t f, int32_t glyph) const {
    const CCidFont& cid = *document_->font();
    for (int32_t c = 0; c < cid.characterCount(); ++c)
      if (cid.record(c).font == f && cid.record(c).glyph == glyph) return cid.record(c).thumbnail;
    ADD_FAILURE() << "no record of glyph " << glyph << " of font " << f;
    return cid.record(0).thumbnail;
  }
  static ActionsRun runOf(ActionsTarget target, std::vector<GlyphAction> program, int32_t font = 0,
                          std::vector<int32_t> glyphs = {}) {
    ActionsRun run;
    run.program = std::move(program);
    run.target = target;
    run.font = font;
    run.glyphs = std::move(glyphs);
    return run;
  }
  static GlyphAction widthOf(double w) {
    GlyphAction a = GlyphAction::make(ActionKind::kChangeWidth);
    a.setField(0, w);
    return a;
  }
  static GlyphAction outlineOf(double w) {
    GlyphAction a = GlyphAction::make(ActionKind::kCreateOutline);
    a.setField(1, w);
    a.setField(2, w);
    a.checks[0] = false;
    return a;
  }

  const Box square_{100, 0, 600, 500};  // every sample glyph
  EditedSubsetFont* edited_ = nullptr;
  std::size_t boxesBefore_ = 0;  // the progress boxes of adding the fonts
};

TEST_F(ActionsRunTest, NoToTheQuestionLeavesEverythingAlone) {
  const std::string before = test::readFile(fontFile(0));
  prompts_.script(actions_text::kNo);
  EXPECT_FALSE(document_->ApplyActions(runOf(ActionsTarget::kCidFont, {widthOf(600)})));
  ASSERT_EQ(prompts_.shown().size(), 1u);
  EXPECT_EQ(prompts_.shown()[0].text, actions_text::kQuestion);
  EXPECT_EQ(test::readFile(fontFile(0)), before);
  EXPECT_EQ(busy_.boxes().size(), boxesBefore_);
}

TEST_F(ActionsRunTest, WholeCidFontRewritesEveryFontAndItsThumbnails) {
  const Thumbnail before = thumbnailOf(1, 1);
  prompts_.script(actions_text::kYes);
  ASSERT_TRUE(document_->ApplyActions(runOf(ActionsTarget::kCidFont, {outlineOf(60)})));
  EXPECT_EQ(boxOf(0, 0), (Box{40, -60, 660, 560}));
  EXPECT_EQ(boxOf(1, 1), (Box{40, -60, 660, 560}));
  EXPECT_NE(thumbnailOf(1, 1), before);
  EXPECT_TRUE(document_->font()->modified());
  ASSERT_EQ(busy_.boxes().size(), boxesBefore_ + 1);
  EXPECT_EQ(busy_.boxes().back().title, actions_text::kProgressTitle);
  EXPECT_EQ(busy_.boxes().back().caption, actions_text::kProgressCaption);
  EXPECT_EQ(prompts_.shown().size(), 1u);  // the question only
}

TEST_F(ActionsRunTest, SelectedGlyphsAndOneFontChangeOnlyThoseGlyphs) {
  ActionsRunSummary summary;
  const CommandOutcome outcome = document_->runActions(
      runOf(ActionsTarget::kSelectedGlyphs, {widthOf(600)}, 0, {0, 2, 7}), &summary);
  EXPECT_TRUE(outcome.ok);
  EXPECT_EQ(outcome.count, 2);
  EXPECT_EQ(boxOf(0, 0), (Box{50, 0, 550, 500}));
  EXPECT_EQ(boxOf(0, 1), square_);
  EXPECT_EQ(boxOf(0, 2), (Box{50, 0, 550, 500}));
  EXPECT_EQ(boxOf(1, 0), square_);
  EXPECT_EQ(document_->runActions(runOf(ActionsTarget::kSubsetFont, {widthOf(600)}, 1)).count, 2);
  EXPECT_EQ(boxOf(1, 1), (Box{50, 0, 550, 500}));
  // A glyph already as the program leaves it is not counted.
  EXPECT_EQ(document_->runActions(runOf(ActionsTarget::kOneGlyph, {widthOf(600)}, 1, {1})).count,
            0);
}

TEST_F(ActionsRunTest, TheEditorsOpenFontIsChangedInMemoryAndItsEditsKept) {
  const std::string onDisk = test::readFile(fontFile(0));
  std::unique_ptr<SubsetFont> open = ReadNativeFont(fontFile(0));
  ASSERT_TRUE(open);
  open->glyph(1)->setAdvance(0, {123, 0});  // an unsaved edit
  // A glyph the autohinter refuses: a hint without a stem for its master.
  open->glyph(2)->hints().emplace().vertical.push_back(Hint{});
  EditedSubsetFont edited{open.get(), fontFile(0), false};
  edited_ = &edited;
  GlyphAction shift = GlyphAction::make(ActionKind::kShift);
  shift.setField(0, 10);
  const CommandOutcome outcome = document_->runActions(
      runOf(ActionsTarget::kSubsetFont, {GlyphAction::make(ActionKind::kAutohint), shift}, 0));
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.count, 3);
  EXPECT_EQ(outcome.messages,
            (std::vector<std::string>{"Subset font 1: Autohint failed on glyphs 2."}));
  EXPECT_TRUE(edited.modified);
  EXPECT_EQ(open->glyph(1)->advance(0), (Point{123, 0}));
  Box moved;
  open->glyph(2)->widenControlBox(0, moved);
  EXPECT_EQ(moved, (Box{110, 0, 610, 500}));  // the shift after the failed autohint ran
  EXPECT_EQ(test::readFile(fontFile(0)), onDisk);
}

TEST_F(ActionsRunTest, CancelKeepsTheGlyphsDoneAndWritesTheFontWhole) {
  busy_.cancelAfter(1);
  const CommandOutcome outcome =
      document_->runActions(runOf(ActionsTarget::kCidFont, {widthOf(600)}));
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.count, 1);
  EXPECT_EQ(outcome.messages,
            (std::vector<std::string>{"The actions program was cancelled. 1 glyphs were "
                                      "transformed."}));
  EXPECT_EQ(boxOf(0, 0), (Box{50, 0, 550, 500}));
  EXPECT_EQ(boxOf(0, 1), square_);
  EXPECT_EQ(boxOf(1, 0), square_);
}

TEST_F(ActionsRunTest, UnreadableFontIsToldAndTheOthersStillRun) {
  const std::filesystem::path broken = fontFile(0);
  { std::ofstream(broken, std::ios::binary | std::ios::trunc) << "not a font"; }
  const CommandOutcome outcome =
      document_->runActions(runOf(ActionsTarget::kCidFont, {widthOf(600)}));
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.count, 2);
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_NE(outcome.messages[0].find("can't be read"), std::string::npos);
  EXPECT_EQ(test::readFile(broken), "not a font");
  EXPECT_FALSE(document_->runActions(runOf(ActionsTarget::kSubsetFont, {widthOf(600)}, 9)).ok);
}

}  // namespace
}  // namespace sorvella
