// Writing a whole file so that it is either the complete new content or still the old one:
// a temporary file in the same folder is written first and then renamed over the target.
#pragma once

#include <filesystem>
#include <string_view>

namespace sorvella {

// Creates missing folders on the way. A symbolic link is followed, so the file it names is
// replaced and the link stays. Returns false, with the old file untouched and no temporary
// file left behind, when any step fails.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

}  // namespace sorvella
