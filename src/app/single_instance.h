// One running program per user and settings file: a later start hands its command line's
// file to the running one over a local socket and ends.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <filesystem>

namespace sorvella {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // The server name for this user and settings file, so that starts with other settings
  // (parallel tests, other users) never meet.
  static QString serverName(const std::filesystem::path& settingsFile);

  explicit SingleInstance(QString name, QObject* parent = nullptr);

  // Hands `file` (absolute, or empty for none) to a running instance; false when none answers.
  bool forwardToRunning(const QString& file, int timeoutMs = 2000);
  // Becomes the running instance; a stale socket of a crashed one is removed first. False
  // when another instance answers on the name after all, or the socket cannot be made.
  bool listen();

 signals:
  // Another start asked this instance to come to the front and open `file` (may be empty).
  void anotherStart(const QString& file);

 private:
  void readRequest();

  QString name_;
  QLocalServer server_;
};

}  // namespace sorvella
