// Small dialogs that ask for values: one text, a few unsigned numbers kept consistent while the
// user types, and a question with a check box.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sorvella {

struct TextInputRequest {
  std::string title;
  std::string label;
  std::string initialText;
  std::vector<std::string> hints;  // lines shown under the field
};

struct NumberFieldsRequest {
  std::string title;
  std::string text;
  std::vector<std::string> labels;
  std::vector<uint32_t> initialValues;
  // Called after the user changed field `changed`; may adjust the other values.
  std::function<void(std::size_t changed, std::vector<uint32_t>& values)> edited;
};

struct CheckBoxQuestion {
  std::string text;
  std::string title;
  std::string checkBox;
  std::vector<std::string> buttons;
};

struct CheckBoxAnswer {
  int button = -1;  // -1 when closed without a button
  bool checked = false;
};

class InputDialogs {
 public:
  virtual ~InputDialogs() = default;
  // Nothing when the user cancelled.
  virtual std::optional<std::string> askText(const TextInputRequest& request) = 0;
  virtual std::optional<std::vector<uint32_t>> askNumbers(const NumberFieldsRequest& request) = 0;
  virtual CheckBoxAnswer askWithCheckBox(const CheckBoxQuestion& question) = 0;
};

}  // namespace sorvella
