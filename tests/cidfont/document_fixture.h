// A document with every dialog scripted, a fixed clock and a settings file of its own, for
// the tests of the document commands.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cidfont/document.h"
#include "platform/headless/memory_profile.h"
#include "support/recording_busy_indicator.h"
#include "support/fixed_system_fonts.h"
#include "support/sample_subset_font.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_folder_dialog.h"
#include "support/scripted_input_dialogs.h"
#include "support/scripted_prompts.h"
#include "support/shown_message.h"
#include "support/temp_folder.h"

namespace sorvella::test {

class DocumentTest : public ::testing::Test {
 protected:
  DocumentEnvironment environment() {
    DocumentEnvironment env(prompts_, dialogs_, folders_, inputs_, busy_, profile_, options_);
    env.programFile = folder_ / "program" / "sorvella";
    env.hooks = hooks_;
    env.clock = [this] { return clock_; };
    env.closeWindows = [this] { ++windowsClosed_; };
    env.closeFontWindows = [this](int32_t f) { closedFonts_.push_back(f); };
    env.changed = [this] { ++changes_; };
    env.indexFontKeysHeld = [this] { return indexKeys_; };
    return env;
  }

  // A document that sees the hooks and settings as they are now.
  void rebuild() { document_ = std::make_unique<Document>(environment()); }

  // A new, empty CID font in <temp>/<name>.
  void makeNewFont(const std::string& name = "MINCHO") {
    folders_.script(FontFolderChoice{folder_.path(), name, false});
    ASSERT_TRUE(document_->New());
  }

  // Adds sample fonts of the given glyph counts through the document.
  void addFonts(const std::vector<int>& glyphCounts) {
    std::vector<std::filesystem::path> files;
    for (std::size_t i = 0; i < glyphCounts.size(); ++i) {
      std::vector<std::string> names;
      for (int g = 0; g < glyphCounts[i]; ++g) names.push_back("g" + std::to_string(g));
      files.push_back(writeSampleFont(folder_ / ("in" + std::to_string(i) + ".vtb"),
                                      "Font" + std::to_string(i + 1), names));
    }
    ASSERT_EQ(addBaseFontFiles(files), static_cast<int>(files.size()));
  }

  // The operation, its messages shown as the command shows them; how many fonts were added.
  int addBaseFontFiles(const std::vector<std::filesystem::path>& files,
                       const Document::LargeFontDecision& proceed = nullptr) {
    return show(document_->addBaseFonts(files, proceed)).count;
  }
  const CommandOutcome& show(const CommandOutcome& outcome) {
    for (const std::string& message : outcome.messages) prompts_.tell(message);
    return outcome;
  }

  // The command's one report, in a plain box with "OK".
  void expectOnlyMessage(const std::string& text) { test::expectOnlyMessage(prompts_, text); }

  const ScriptedPrompts::Shown& onlyBox() {
    EXPECT_EQ(prompts_.shown().size(), 1u);
    return prompts_.shown().back();
  }
  std::string lastMessage() const {
    return prompts_.shown().empty() ? "" : prompts_.shown().back().text;
  }

  TempFolder folder_;
  ScriptedPrompts prompts_;
  ScriptedFileDialogs dialogs_;
  ScriptedFolderDialog folders_;
  ScriptedInputDialogs inputs_;
  RecordingBusyIndicator busy_;
  MemoryProfile profile_;
  Options options_;
  // For the standard hooks: no font stands in for the index fonts' digits.
  FixedSystemFonts noSystemFonts_{std::nullopt};
  DocumentHooks hooks_;
  bool indexKeys_ = false;
  int64_t clock_ = 1000;
  int windowsClosed_ = 0;
  int changes_ = 0;
  std::vector<int32_t> closedFonts_;
  std::unique_ptr<Document> document_ = std::make_unique<Document>(environment());
};

}  // namespace sorvella::test
