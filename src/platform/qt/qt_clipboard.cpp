#include "platform/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace sorvella {

bool QtClipboard::setData(const std::string& format, const std::vector<uint8_t>& bytes) {
  auto mime = std::make_unique<QMimeData>();
  mime->setData(QString::fromStdString(format),
                QByteArray(reinterpret_cast<const char*>(bytes.data()),
                           static_cast<qsizetype>(bytes.size())));
  QGuiApplication::clipboard()->setMimeData(mime.release());
  return true;
}

bool QtClipboard::hasFormat(const std::string& format) const {
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  return mime && mime->hasFormat(QString::fromStdString(format));
}

std::optional<std::vector<uint8_t>> QtClipboard::data(const std::string& format) const {
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  if (!mime || !mime->hasFormat(QString::fromStdString(format))) return std::nullopt;
  const QByteArray bytes = mime->data(QString::fromStdString(format));
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

}  // namespace sorvella
