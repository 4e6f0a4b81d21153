#include "cidfont/font_folder.h"

#include <algorithm>
#include <set>
#include <system_error>

#include "base/text_format.h"
#include "postscript/keyword_table.h"

namespace sorvella {

namespace fs = std::filesystem;

namespace {

// The last component, also when the path ends with a separator.
std::string folderName(const fs::path& folder) {
  fs::path p = folder;
  if (!p.has_filename()) p = p.parent_path();
  return p.filename().string();
}

}  // namespace

fs::path binaryIndexPath(const fs::path& folder) {
  fs::path name = folderName(folder);
  name.replace_extension(".sqf");
  return folder / name;
}

fs::path emergencyIndexPath(const fs::path& folder) {
  return folder / font_folder_text::kEmergencyIndexName;
}

bool folderPathHasSeparator(const std::string& folder) {
  return folder.find_first_of("\\/") != std::string::npos;
}

fs::path SubsetFontFilePath(const fs::path& folder, const std::string& stem) {
  return folder / (stem + ".vtb");
}

std::string newFileStem(const fs::path& folder, const CCidFont& font) {
  std::string prefix = folderName(folder).substr(0, 4);
  auto taken = [&](const std::string& stem) {
    for (const SubsetFontEntry& e : font.subsetFonts())
      if (equalsIgnoringAsciiCase(e.fileStem(), stem)) return true;
    std::error_code ec;
    return fs::exists(SubsetFontFilePath(folder, stem), ec);
  };
  for (uint64_t n = static_cast<uint64_t>(font.subsetFontCount());; ++n) {
    std::string stem = prefix + formatText("%.4u", static_cast<unsigned>(n));
    if (!taken(stem)) return stem;
  }
}

FolderCreation createFontFolder(const fs::path& directory, const std::string& name) {
  FolderCreation result;
  result.folder = directory / name;
  std::error_code ec;
  if (!fs::is_directory(directory, ec)) {
    result.outcome = FolderOutcome::kPathMissing;
    return result;
  }
  if (fs::exists(result.folder, ec)) {
    result.outcome = fs::is_directory(result.folder, ec) ? FolderOutcome::kExistingFolder
                                                         : FolderOutcome::kNameTaken;
    return result;
  }
  if (fs::create_directory(result.folder, ec)) {
    result.outcome = FolderOutcome::kCreated;
  } else {
    // A name the user may not create is treated like one that is taken.
    result.outcome =
        ec == std::errc::permission_denied ? FolderOutcome::kNameTaken : FolderOutcome::kIoError;
  }
  return result;
}

std::string folderCreationMessage(const FolderCreation& creation) {
  switch (creation.outcome) {
    case FolderOutcome::kExistingFolder:
      return formatText(font_folder_text::kFolderExists, creation.folder.string().c_str());
    case FolderOutcome::kNameTaken:
      return font_folder_text::kNameTaken;
    case FolderOutcome::kPathMissing:
      return font_folder_text::kPathMissing;
    case FolderOutcome::kIoError:
      return font_folder_text::kIoError;
    case FolderOutcome::kCreated:
      break;
  }
  return {};
}

std::string freeSpaceText(const fs::path& directory) {
  std::error_code ec;
  fs::space_info space = fs::space(directory, ec);
  if (ec || space.available == static_cast<std::uintmax_t>(-1))
    return font_folder_text::kFreeSpaceUnknown;
  // The text has room for 32 bits of kilobytes; larger drives show the largest value.
  auto kilobytes =
      static_cast<unsigned>(std::min<std::uintmax_t>(space.available / 1024, UINT32_MAX));
  return formatText(font_folder_text::kFreeSpace, kilobytes);
}

}  // namespace sorvella
