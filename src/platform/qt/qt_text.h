// Conversions between the program's texts and paths (UTF-8 bytes, std::filesystem) and Qt's.
#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace sorvella {

QString toQString(std::string_view text);
std::string fromQString(const QString& text);

// Paths go through the local file name encoding, so that any file the system lists survives.
QString pathToQString(const std::filesystem::path& path);
std::filesystem::path pathFromQString(const QString& path);

}  // namespace sorvella
