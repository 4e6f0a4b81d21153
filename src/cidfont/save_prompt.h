// The question asked before unsaved work is replaced: how long ago it was last saved, and
// whether to save the CID font (or the CMap) first.
#pragma once

#include <cstdint>
#include <string>

#include "platform/prompts.h"

namespace sorvella {

namespace save_prompt_text {
inline constexpr const char* kHours = " %i hours and";
inline constexpr const char* kMinutes = " %i munutes";
inline constexpr const char* kSeconds = " %i seconds";
inline constexpr const char* kCidFontQuestion =
    "The current CID font may be changed. Unless you save it you may loose your work for the "
    "last%s.\nDo you want to save your font?";
inline constexpr const char* kCMapQuestion =
    "The current CMap may be changed. Unless you save it you may loose your work for "
    "last%s.\nDo you want to save it now?";
inline constexpr const char* kYes = "&Yes";
inline constexpr const char* kNo = "&No";
inline constexpr const char* kCancel = "Cancel";
}  // namespace save_prompt_text

// " 2 hours and 5 munutes", " 45 seconds": the time since the last save.
std::string durationText(int64_t seconds);

enum class SaveAnswer { kSave, kDontSave, kCancel };

// `question` is one of the two questions above; closing the box counts as Cancel.
SaveAnswer askToSave(Prompts& prompts, const char* question, int64_t secondsSinceSave);

}  // namespace sorvella
