// Message boxes: a text, a title and a row of buttons, answered with the button chosen.
// The GUI shows them as dialogs; ScriptedPrompts answers them in tests.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace sorvella {

// Message boxes that have no title of their own carry the program's name.
inline constexpr const char* kProgramTitle = "Sorvella";
inline constexpr const char* kOkButton = "OK";

class Prompts {
 public:
  virtual ~Prompts() = default;

  // Shows the text with one button per caption ("&" marks an access key) and returns the
  // position of the button chosen, or -1 when the box was closed without one.
  virtual int ask(std::string_view text, std::string_view title,
                  std::span<const std::string_view> buttons) = 0;

  int ask(std::string_view text, std::string_view title,
          std::initializer_list<std::string_view> buttons) {
    return ask(text, title, std::span(buttons.begin(), buttons.size()));
  }

  // A message with the single button "OK".
  void tell(std::string_view text, std::string_view title = kProgramTitle) {
    ask(text, title, {kOkButton});
  }
};

}  // namespace sorvella
