#include "core/paths.h"

#include <QCoreApplication>
#include <QDir>

namespace corvessa {

QString programFolder() {
  const QByteArray home = qgetenv("CORVESSA_HOME");
  QString folder = home.isEmpty() ? QCoreApplication::applicationDirPath() : QString::fromLocal8Bit(home);
  while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
    folder.chop(1);
  return folder;
}

QString dataFolder() { return programFolder() + QStringLiteral("/data/"); }
QString settingsFolder() { return programFolder() + QStringLiteral("/Varnel3/"); }
QString helpFolder() { return programFolder() + QStringLiteral("/help/"); }
QString settingsFilePath() { return settingsFolder() + QStringLiteral("shujuwenjian.ini"); }

QString programPath(const QString &backslashPath) {
  QString rel = backslashPath;
  rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
  if (!rel.startsWith(QLatin1Char('/')))
    rel.prepend(QLatin1Char('/'));
  return programFolder() + rel;
}

}  // namespace corvessa
