// The font folder of a CID font: where its index file and subset font files are, how new
// subset font files are named, and how a new folder is created.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "cidfont/cid_font.h"

namespace sorvella {

namespace font_folder_text {
inline constexpr const char* kFreeSpace = "The selected drive has %uk bytes of available space.";
inline constexpr const char* kFreeSpaceUnknown =
    "The available space for selected drive can't be computed.";
inline constexpr const char* kFolderNamePrompt = "You can change the name of the font folder here:";
inline constexpr const char* kSaveAsDefault = "Save it as default directory for CID folders";
inline constexpr const char* kPathMissing =
    "The selected folder can't be created because the path that you entered does not exist or "
    "is not accessible. Please, enter a different path name or fix the situation.";
inline constexpr const char* kFolderExists =
    "Folder %s already exists. You can replace it with the new one or choose another path "
    "and/or folder name.";
inline constexpr const char* kNameTaken =
    "The selected folder can't be created because it or a file with the same name already "
    "exists. Please select a different path and/or font folder name.";
inline constexpr const char* kIoError =
    "Folder can't be created because of an i/o error. Try to enter another path and/or folder "
    "name.";
inline constexpr const char* kBadFolderName =
    "Font can't be saved because the folder name is incorrect. Press the Retry button to save "
    "the font as ~SAVE.SQF in that folder.";
inline constexpr const char* kWarningTitle = "Warning!";
inline constexpr const char* kExistsTitle = "Warning";
inline constexpr const char* kChooseNew = "Choose New";
inline constexpr const char* kReplace = "&Replace";
inline constexpr const char* kEmergencyIndexName = "~SAVE.SQF";
}  // namespace font_folder_text

// <folder>/<last component of folder, extension replaced by .sqf>.
std::filesystem::path binaryIndexPath(const std::filesystem::path& folder);
std::filesystem::path emergencyIndexPath(const std::filesystem::path& folder);
// False for a folder path without any separator, where only the emergency file can be saved.
bool folderPathHasSeparator(const std::string& folder);
// <folder>/<stem>.vtb
std::filesystem::path SubsetFontFilePath(const std::filesystem::path& folder,
                                         const std::string& stem);
// The stem of the next subset font: the first four characters of the folder's name and the
// number of subset fonts ("%0.4u"), or the next number that neither a font of the list nor
// a file in the folder uses.
std::string newFileStem(const std::filesystem::path& folder, const CCidFont& font);

// kNameTaken: a file of that name is in the way, or creating the folder was denied.
enum class FolderOutcome { kCreated, kExistingFolder, kNameTaken, kPathMissing, kIoError };

struct FolderCreation {
  FolderOutcome outcome = FolderOutcome::kIoError;
  std::filesystem::path folder;
};

// Creates <directory>/<name>. The caller asks what to do with an existing folder.
FolderCreation createFontFolder(const std::filesystem::path& directory, const std::string& name);
// The message for an outcome other than kCreated.
std::string folderCreationMessage(const FolderCreation& creation);
// "The selected drive has ...k bytes of available space." or the fallback text.
std::string freeSpaceText(const std::filesystem::path& directory);

}  // namespace sorvella
