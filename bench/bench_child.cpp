#include "bench_child.h"

#include <QCoreApplication>
#include <QProcess>
#include <cstdio>

namespace corvessa::bench {

QString enquiryText(int count) {
  QString text;
  for (int i = 0; i < count; ++i)
    text += QStringLiteral("%1 ").arg(i % 1000, 3, 10, QLatin1Char('0'));
  return text;
}

std::optional<QList<QByteArray>> childFigures(const QStringList &args, int fields, const QString &what,
                                              const QProcessEnvironment &env) {
  QProcess child;
  child.setProcessEnvironment(env);
  child.start(QCoreApplication::applicationFilePath(), args);
  if (!child.waitForFinished(-1) || child.exitCode() != 0) {
    std::fprintf(stderr, "corvessa-bench: the %s failed: %s\n", qPrintable(what),
                 child.readAllStandardError().constData());
    return std::nullopt;
  }
  QList<QByteArray> parts = child.readAllStandardOutput().trimmed().split(' ');
  if (parts.size() != fields)
    return std::nullopt;
  return parts;
}

}  // namespace corvessa::bench
