// The scripted prompts and file dialogs that stand in for the user in tests.
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

#include "support/scripted_file_dialogs.h"

namespace sorvella {
namespace {

class ScriptedAnswers : public ::testing::Test {
 protected:
  ScriptedPrompts prompts_;
  ScriptedFileDialogs dialogs_;
};

TEST_F(ScriptedAnswers, ChooseTheScriptedButtonByCaption) {
  prompts_.script("&No");
  prompts_.script("&Retry");
  EXPECT_EQ(prompts_.ask("Save?", "Sorvella", {"&Yes", "&No", "Cancel"}), 1);
  EXPECT_EQ(prompts_.ask("Again?", "T", {"&Yes", "&No"}), -1);  // no such button: closed
  prompts_.tell("Done.");                                       // nothing scripted: closed
  ASSERT_EQ(prompts_.shown().size(), 3u);
  EXPECT_EQ(prompts_.shown()[0].buttons, (std::vector<std::string>{"&Yes", "&No", "Cancel"}));
  EXPECT_EQ(prompts_.shown()[0].answer, 1);
  EXPECT_EQ(prompts_.shown()[2].text, "Done.");
  EXPECT_EQ(prompts_.shown()[2].title, "Sorvella");
  EXPECT_EQ(prompts_.shown()[2].buttons, std::vector<std::string>{"OK"});
  EXPECT_EQ(prompts_.unanswered(), 0u);
}

TEST_F(ScriptedAnswers, FileDialogsAnswerInTurnThenCancel) {
  dialogs_.script("/a/b.cmp");
  dialogs_.script(std::nullopt);
  FileDialogRequest request;
  request.title = "Open";
  EXPECT_EQ(dialogs_.choose(request), std::filesystem::path("/a/b.cmp"));
  EXPECT_EQ(dialogs_.choose(request), std::nullopt);
  EXPECT_EQ(dialogs_.choose(request), std::nullopt);
  ASSERT_EQ(dialogs_.requests().size(), 3u);
  EXPECT_EQ(dialogs_.requests()[2].title, "Open");
}

}  // namespace
}  // namespace sorvella
