#include "support/core/testhome.h"

#include "core/lottery.h"
#include "core/paths.h"
#include "core/programstate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace corvessa::test {

TestHome::TestHome() {
  hadHome_ = qEnvironmentVariableIsSet("CORVESSA_HOME");
  oldHome_ = qgetenv("CORVESSA_HOME");
  qputenv("CORVESSA_HOME", dir_.path().toLocal8Bit());
  QDir(dir_.path()).mkpath(QStringLiteral("data"));
  QDir(dir_.path()).mkpath(QStringLiteral("Varnel3"));
  programState() = ProgramState{};
}

TestHome::~TestHome() {
  if (hadHome_)
    qputenv("CORVESSA_HOME", oldHome_);
  else
    qunsetenv("CORVESSA_HOME");
  programState() = ProgramState{};
}

QString TestHome::dataFile(const QString &name) const { return dataFolder() + name + QStringLiteral(".txt"); }

QString TestHome::writeLottery(const QString &name, const QByteArray &bytes) const {
  return writeFile(QStringLiteral("data/") + name + QStringLiteral(".txt"), bytes);
}

QString TestHome::writeFile(const QString &relativePath, const QByteArray &bytes) const {
  const QString path = dir_.path() + QLatin1Char('/') + relativePath;
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (file.open(QIODevice::WriteOnly))
    file.write(bytes);
  return path;
}

QByteArray TestHome::readFile(const QString &path) const {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestHome::selectLottery(const QString &name) const {
  writeCurrentLotteryName(name + QStringLiteral(".txt"));
  programState().DataFilePath = dataFile(name);
}

}  // namespace corvessa::test
