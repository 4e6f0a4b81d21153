// Checks on the message boxes a command showed through ScriptedPrompts, so that every test
// holds a report to its full text, the program's title and the single button "OK".
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scripted_prompts.h"

namespace sorvella::test {

inline void expectOnlyMessage(const ScriptedPrompts& prompts, const std::string& text) {
  ASSERT_EQ(prompts.shown().size(), 1u);
  const ScriptedPrompts::Shown& box = prompts.shown()[0];
  EXPECT_EQ(box.text, text);
  EXPECT_EQ(box.title, "Sorvella");
  EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
}

}  // namespace sorvella::test
