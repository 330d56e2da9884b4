// The lock that says a timetable is open, over Qt's lock file: it holds the program's process,
// its host and, in its time, since when.
#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include "platform/QtPlatform.h"

namespace kumo {
namespace {

class QtFileLock : public FileLock {
 public:
  explicit QtFileLock(const QString& path) : file_(path) {
    // A timetable stays open for hours: only a lock whose program has ended is stale.
    file_.setStaleLockTime(0);
  }
  QLockFile& File() { return file_; }

 private:
  QLockFile file_;
};

// Beside the file, where other programs on other computers see it too; where its folder takes
// no new file, in the user's runtime folder under a name the path alone gives.
QString LockPathOf(const QString& path) {
  const QFileInfo file(path);
  if (QFileInfo(file.absolutePath()).isWritable()) {
    return file.absolutePath() + "/." + file.fileName() + ".kumo-lock";
  }
  const QByteArray key =
      QCryptographicHash::hash(file.absoluteFilePath().toUtf8(), QCryptographicHash::Sha1)
          .toHex()
          .left(16);
  return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/kumo-" +
         QString::fromLatin1(key) + ".lock";
}

}  // namespace

FileLockTry QtPlatform::LockOpenFile(const std::string& path) {
  const QString lockPath = LockPathOf(QString::fromStdString(path));
  auto lock = std::make_unique<QtFileLock>(lockPath);
  FileLockTry result;
  if (lock->File().tryLock(0)) {
    result.Lock = std::move(lock);
    return result;
  }
  qint64 pid = 0;
  QString host;
  QString app;
  if (lock->File().error() == QLockFile::LockFailedError &&
      lock->File().getLockInfo(&pid, &host, &app)) {
    const QDateTime since = QFileInfo(lockPath).lastModified();
    result.HeldBy = FileHolder{host.toStdString(), pid,
                               since.toString(QStringLiteral("yyyy/MM/dd hh:mm")).toStdString()};
  }
  return result;
}

}  // namespace kumo
