#include "cidfont/save_prompt.h"

#include "base/text_format.h"

namespace sorvella {

std::string durationText(int64_t seconds) {
  std::string text;
  if (seconds >= 3600)
    text += formatText(save_prompt_text::kHours, static_cast<int>(seconds / 3600));
  int64_t minutes = (seconds % 3600) / 60;
  if (minutes >= 1)
    text += formatText(save_prompt_text::kMinutes, static_cast<int>(minutes));
  else
    text += formatText(save_prompt_text::kSeconds, static_cast<int>(seconds % 60));
  return text;
}

SaveAnswer askToSave(Prompts& prompts, const char* question, int64_t secondsSinceSave) {
  std::string text = formatText(question, durationText(secondsSinceSave).c_str());
  int answer =
      prompts.ask(text, kProgramTitle,
                  {save_prompt_text::kYes, save_prompt_text::kNo, save_prompt_text::kCancel});
  if (answer == 0) return SaveAnswer::kSave;
  if (answer == 1) return SaveAnswer::kDontSave;
  return SaveAnswer::kCancel;
}

}  // namespace sorvella
