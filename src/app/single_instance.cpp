#include "app/single_instance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QLocalSocket>
#include <QTimer>

#include "platform/qt/qt_text.h"

namespace sorvella {

namespace {
// One request: the file's path in UTF-8, then a line end.
constexpr char kEndOfRequest = '\n';
constexpr qsizetype kMaxRequest = 64 * 1024;
}  // namespace

QString SingleInstance::serverName(const std::filesystem::path& settingsFile) {
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(settingsFile, ec);
  QByteArray key = pathToQString(ec ? settingsFile : absolute.lexically_normal()).toUtf8();
  QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16);
  return QStringLiteral("sorvella-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash));
}

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        QByteArray request = socket->peek(kMaxRequest + 1);
        qsizetype end = request.indexOf(kEndOfRequest);
        if (end < 0) {
          if (request.size() > kMaxRequest) socket->abort();  // not one of ours
          return;
        }
        socket->read(end + 1);
        socket->write("1");
        socket->flush();
        // Answered from the event loop, so that the dialogs it may show do not run inside
        // this socket's signal.
        QTimer::singleShot(0, this, [this, file = QString::fromUtf8(request.left(end))] {
          emit anotherStart(file);
        });
      });
    }
  });
}

bool SingleInstance::forwardToRunning(const QString& file, int timeoutMs) {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(timeoutMs)) return false;
  QByteArray request = file.toUtf8();
  request.replace(kEndOfRequest, ' ');
  request.append(kEndOfRequest);
  socket.write(request);
  if (!socket.waitForBytesWritten(timeoutMs)) return false;
  // The answer says the running instance took the request.
  return socket.waitForReadyRead(timeoutMs) && socket.read(1) == "1";
}

bool SingleInstance::listen() {
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  if (server_.listen(name_)) return true;
  // A socket that still answers belongs to an instance that started at the same moment.
  QLocalSocket probe;
  probe.connectToServer(name_);
  if (probe.waitForConnected(500)) return false;
  QLocalServer::removeServer(name_);
  return server_.listen(name_);
}

}  // namespace sorvella
