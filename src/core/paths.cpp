#include "core/paths.h"

#include <QCoreApplication>
#include <QDir>

namespace corvessa {

QString executableFolder() { return QCoreApplication::applicationDirPath(); }

QString programFolder() {
  const QByteArray home = qgetenv("CORVESSA_HOME");
  QString folder = home.isEmpty() ? executableFolder() : QString::fromLocal8Bit(home);
  while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
    folder.chop(1);
  return folder;
}

QString dataFolder() { return programFolder() + QStringLiteral("/data/"); }
QString settingsFolder() { return programFolder() + QStringLiteral("/Varnel3/"); }
QString settingsFilePath() { return settingsFolder() + QStringLiteral("shujuwenjian.ini"); }

QString helpFolder() { return executableFolder() + QStringLiteral("/help/"); }

QString helpPagePath(const QString &topic) {
  QString rel = topic;
  rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
  if (!rel.startsWith(QLatin1Char('/')))
    rel.prepend(QLatin1Char('/'));
  return executableFolder() + rel;
}

}  // namespace corvessa
