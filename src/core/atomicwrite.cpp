#include "core/atomicwrite.h"

#include <QSaveFile>

namespace corvessa {

std::optional<QString> replaceFileAtomically(const QString &path, const QByteArray &bytes) {
  QSaveFile file(path);
  // Never fall back to writing the old file in place: that could leave it half written.
  file.setDirectWriteFallback(false);
  // Unbuffered: a buffered write fails only in the flush inside commit(),
  // which this Qt reports as success after renaming a short file over the old one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    return file.errorString();
  if (file.write(bytes) != bytes.size()) {
    QString reason = file.errorString();
    if (file.error() == QFileDevice::NoError)
      reason = QStringLiteral("Not every byte could be written.");
    file.cancelWriting();
    return reason;
  }
  if (!file.commit())
    return file.errorString();
  return std::nullopt;
}

}  // namespace corvessa
