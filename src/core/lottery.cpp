#include "core/lottery.h"

#include "core/atomicwrite.h"
#include "core/fieldreader.h"
#include "core/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace corvessa {

const char *const kFirstLotteryName = "Pick3";

QByteArray currentLotteryRecord(const QString &fileName) {
  return '"' + fileName.toLocal8Bit() + "\"\r\n";
}

std::optional<QString> readCurrentLotteryName() {
  QFile file(settingsFilePath());
  if (!file.open(QIODevice::ReadOnly))
    return std::nullopt;
  const QByteArray data = file.readAll();
  FieldReader reader(data);
  QString name;
  while (!reader.atEnd()) {
    const FieldReader::Field field = reader.next();
    if (!field.present)
      break;
    name = QString::fromLocal8Bit(field.text);
  }
  return name.trimmed();
}

std::optional<QString> writeCurrentLotteryName(const QString &fileName) {
  QDir().mkpath(settingsFolder());
  if (const std::optional<QString> failed = replaceFileAtomically(settingsFilePath(), currentLotteryRecord(fileName)))
    return QStringLiteral("Cannot write the settings file %1: %2").arg(settingsFilePath(), *failed);
  return std::nullopt;
}

QString lotteryLabelText(const QString &fileName) {
  const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
  return QStringLiteral("Lottery:") + (dot < 0 ? QString() : fileName.left(dot + 1));
}

std::optional<QString> prepareProgramFolders() {
  QDir dir;
  if (!dir.mkpath(dataFolder()))
    return QStringLiteral("Cannot create the data folder %1.").arg(dataFolder());
  if (!dir.mkpath(settingsFolder()))
    return QStringLiteral("Cannot create the settings folder %1.").arg(settingsFolder());
  if (QFileInfo::exists(settingsFilePath()))
    return std::nullopt;
  const QString first = QString::fromLatin1(kFirstLotteryName);
  const CreateOutcome made = createLotteryFile(first);
  if (made.result == CreateResult::Failed)
    return made.error;
  return writeCurrentLotteryName(first + QStringLiteral(".txt"));
}

std::optional<QString> lotteryNameProblem(const QString &name) {
  if (name.isEmpty())
    return QStringLiteral("You have not entered a name.");
  if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
    return QStringLiteral("A lottery name cannot contain / or \\.");
  if (name.contains(QStringLiteral("..")))
    return QStringLiteral("A lottery name cannot contain \"..\".");
  if (name.contains(QLatin1Char('"')))
    return QStringLiteral("A lottery name cannot contain a double quote.");
  for (QChar c : name)
    if (c.category() == QChar::Other_Control)
      return QStringLiteral("A lottery name cannot contain a control character.");
  return std::nullopt;
}

CreateOutcome createLotteryFile(const QString &name) {
  CreateOutcome outcome{CreateResult::Failed, dataFolder() + name + QStringLiteral(".txt"), {}};
  QFileInfo info(outcome.path);
  if (info.exists()) {
    outcome.result = CreateResult::AlreadyExists;
    return outcome;
  }
  QFile file(outcome.path);
  // NewOnly fails rather than truncate a file that the existence test could not see.
  if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
    if (QFileInfo::exists(outcome.path)) {
      outcome.result = CreateResult::AlreadyExists;
      return outcome;
    }
    outcome.error = QStringLiteral("Cannot create the lottery file %1: %2").arg(outcome.path, file.errorString());
    return outcome;
  }
  file.close();
  outcome.result = CreateResult::Created;
  return outcome;
}

}  // namespace corvessa
