#include "platform/qt/qt_text.h"

#include <QByteArray>
#include <QFile>

namespace sorvella {

QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string fromQString(const QString& text) {
  return text.toUtf8().toStdString();
}

QString pathToQString(const std::filesystem::path& path) {
  return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

std::filesystem::path pathFromQString(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace sorvella
