#include "core/atomicwrite.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>

namespace corvessa {

namespace {

// What failed, in the system's words where Qt has none of its own: a commit
// that cannot link its temporary file (a name too long for the file system)
// leaves Qt's text at "Unknown error" while errno still holds the cause.
QString failureReason(const QFileDevice &file, int systemError) {
  const QString qtText = file.errorString();
  const bool qtSaysNothing = file.error() == QFileDevice::NoError || qtText.isEmpty() || qtText == QFile().errorString();
  if (!qtSaysNothing)
    return qtText;
  if (systemError != 0)
    return qt_error_string(systemError);
  return QStringLiteral("Not every byte could be written.");
}

}  // namespace

std::optional<QString> replaceFileAtomically(const QString &path, const QByteArray &bytes) {
  QSaveFile file(path);
  // Never fall back to writing the old file in place: that could leave it half written.
  file.setDirectWriteFallback(false);
  // Unbuffered: a buffered write fails only in the flush inside commit(),
  // which this Qt reports as success after renaming a short file over the old one.
  errno = 0;
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    return failureReason(file, errno);
  qsizetype written = 0;
  while (written < bytes.size()) {
    // A write cut short (the disk filled up on the way) is not an error to
    // Qt; writing the rest again makes the system say why it stopped.
    errno = 0;
    const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
    if (n <= 0) {
      const QString reason = failureReason(file, errno);
      file.cancelWriting();
      return reason;
    }
    written += qsizetype(n);
  }
  errno = 0;
  if (!file.commit())
    return failureReason(file, errno);
  return std::nullopt;
}

}  // namespace corvessa
