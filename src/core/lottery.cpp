#include "core/lottery.h"

#include "core/atomicwrite.h"
#include "core/drawfile.h"
#include "core/fieldreader.h"
#include "core/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace corvessa {

const char *const kFirstLotteryName = "Pick3";

namespace {
constexpr QLatin1String kLotteryExtension(".txt");
}  // namespace

QByteArray currentLotteryRecord(const QString &fileName) {
  return '"' + fileName.toLocal8Bit() + "\"\r\n";
}

namespace {

// The last record of the settings file's bytes, trimmed.
QString lastRecordName(const QByteArray &data) {
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

// Makes one folder whose parent is there, the user's alone (0700), unless a
// folder is there already. Returns the system's error number, ENOTDIR when
// something else than a folder has the name.
int makeOneFolder(const QByteArray &name) {
  struct stat info {};
  if (::stat(name.constData(), &info) != 0) {
    if (errno != ENOENT)
      return errno;
    if (::mkdir(name.constData(), 0700) == 0)
      return 0;
    // Another program may have made it meanwhile.
    if (errno != EEXIST || ::stat(name.constData(), &info) != 0)
      return errno;
  }
  return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

// Makes `folder` and every folder above it that is missing. A folder made
// new is the user's alone, as the XDG base directory rules ask of a data
// folder; one already there keeps its mode. Returns why it could not.
std::optional<QString> makeUserFolder(const QString &folder) {
  const QString target = QDir::cleanPath(folder);
  for (qsizetype slash = target.indexOf(QLatin1Char('/'), 1);; slash = target.indexOf(QLatin1Char('/'), slash + 1)) {
    const QString part = slash < 0 ? target : target.left(slash);
    if (const int error = makeOneFolder(QFile::encodeName(part))) {
      if (part == target)
        return qt_error_string(error);
      return QStringLiteral("%1: %2").arg(part, qt_error_string(error));
    }
    if (slash < 0)
      return std::nullopt;
  }
}

}  // namespace

std::optional<QString> writeCurrentLotteryName(const QString &fileName) {
  // A folder that cannot be made is said by the write.
  makeUserFolder(settingsFolder());
  if (const std::optional<QString> failed = replaceFileAtomically(settingsFilePath(), currentLotteryRecord(fileName)))
    return QStringLiteral("Cannot write the settings file %1: %2").arg(settingsFilePath(), *failed);
  return std::nullopt;
}

QString lotteryLabelText(const QString &fileName) {
  const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
  return QStringLiteral("Lottery:") + (dot < 0 ? QString() : fileName.left(dot + 1));
}

namespace {

// The first lottery and the settings file that names it. An existing file of
// that name is kept as it is.
std::optional<QString> makeFirstLottery() {
  const QString first = QString::fromLatin1(kFirstLotteryName);
  const CreateOutcome made = createLotteryFile(first);
  if (made.result == CreateResult::Failed)
    return made.error;
  return writeCurrentLotteryName(first + kLotteryExtension);
}

}  // namespace

std::optional<QString> prepareProgramFolders() {
  if (const std::optional<QString> failed = makeUserFolder(dataFolder()))
    return QStringLiteral("Cannot create the data folder %1: %2").arg(dataFolder(), *failed);
  if (const std::optional<QString> failed = makeUserFolder(settingsFolder()))
    return QStringLiteral("Cannot create the settings folder %1: %2").arg(settingsFolder(), *failed);
  if (QFileInfo::exists(settingsFilePath()))
    return std::nullopt;
  return makeFirstLottery();
}

StartLottery startCurrentLottery() {
  StartLottery start;
  start.fileName = QString::fromLatin1(kFirstLotteryName) + kLotteryExtension;
  if (const std::optional<QString> problem = prepareProgramFolders()) {
    // The settings file could not be made; that is said, and the first lottery stands in.
    start.problem = problem;
    if (!QFileInfo::exists(settingsFilePath()))
      return start;
  }
  QString refusal;
  const FileContent settings = readWholeFile(settingsFilePath(), kMaxSettingsFileBytes);
  if (settings.error) {
    refusal = QStringLiteral("Cannot read the settings file %1: %2").arg(settingsFilePath(), *settings.error);
  } else {
    const QString name = lastRecordName(settings.data);
    const std::optional<QString> problem = lotteryFileNameProblem(name);
    if (!problem) {
      start.fileName = name;
      return start;
    }
    refusal = name.isEmpty() ? QStringLiteral("The settings file %1 names no lottery file.").arg(settingsFilePath())
                             : QStringLiteral("The settings file %1 names the lottery file \"%2\", which cannot be "
                                              "used: %3")
                                   .arg(settingsFilePath(), messageExcerpt(name), *problem);
  }
  // Never the named file: on as at a first start.
  QStringList said;
  if (start.problem)
    said << *start.problem;
  said << refusal + QStringLiteral("\r\nCorvessa goes on as at a first start, with the lottery %1.")
                        .arg(QString::fromLatin1(kFirstLotteryName));
  if (const std::optional<QString> failed = makeFirstLottery())
    said << *failed;
  start.problem = said.join(QStringLiteral("\r\n"));
  return start;
}

namespace {

// The longest file name the data folder's file system takes, in bytes.
int maxFileNameBytes() {
  QByteArray folder = QFile::encodeName(dataFolder());
  long limit = pathconf(folder.constData(), _PC_NAME_MAX);
  if (limit <= 0)
    limit = pathconf(QFile::encodeName(programFolder()).constData(), _PC_NAME_MAX);
  return limit > 0 ? int(std::min(limit, 4096L)) : 255;
}

// The characters a name may not hold, read by code point: a format character
// outside the Basic Multilingual Plane is as invisible as one inside it.
std::optional<QString> characterProblem(const QString &text) {
  if (text.contains(QLatin1Char('/')) || text.contains(QLatin1Char('\\')))
    return QStringLiteral("A lottery name cannot contain / or \\.");
  if (text.contains(QLatin1Char('"')))
    return QStringLiteral("A lottery name cannot contain a double quote.");
  for (qsizetype i = 0; i < text.size(); ++i) {
    char32_t c = text[i].unicode();
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      c = QChar::surrogateToUcs4(text[i], text[i + 1]);
      ++i;
    }
    switch (QChar::category(c)) {
      case QChar::Other_Control:
        return QStringLiteral("A lottery name cannot contain a control character.");
      case QChar::Other_Format:
        return QStringLiteral("A lottery name cannot contain an invisible format character, such as a direction "
                              "mark or a zero-width space.");
      case QChar::Other_Surrogate:  // half of a pair: no character at all
        return QStringLiteral("A lottery name cannot contain an unpaired surrogate, which is no character.");
      default:
        break;
    }
  }
  if (!text.isEmpty() && text.front().isSpace())
    return QStringLiteral("A lottery name cannot begin with a blank.");
  if (std::all_of(text.begin(), text.end(), [](QChar c) { return c == QLatin1Char('.'); }))
    return QStringLiteral("A lottery name cannot be dots only.");
  return std::nullopt;
}

}  // namespace

std::optional<QString> lotteryNameProblem(const QString &name) {
  if (name.isEmpty())
    return QStringLiteral("A lottery name cannot be empty.");
  if (const std::optional<QString> problem = characterProblem(name))
    return problem;
  // A save needs room for its temporary file's name beside the lottery's file.
  const int limit = maxFileNameBytes() - kTemporarySuffixBytes - int(kLotteryExtension.size());
  const qsizetype bytes = QFile::encodeName(name).size();
  if (bytes > limit)
    return QStringLiteral("A lottery name can be at most %1 bytes long; this one has %2.")
        .arg(QString::number(limit), QString::number(bytes));
  return std::nullopt;
}

std::optional<QString> lotteryFileNameProblem(const QString &fileName) {
  if (fileName.isEmpty())
    return QStringLiteral("It names no lottery file.");
  const QByteArray bytes = QFile::encodeName(fileName);
  if (bytes.size() > kTemporarySuffixBytes &&
      isTemporaryFileName(bytes, QByteArrayView(bytes).chopped(kTemporarySuffixBytes)))
    return QStringLiteral("It is named as the temporary file of a save (NAME.txt.~ and five letters or figures), "
                          "which the next save of that lottery removes.");
  if (const std::optional<QString> problem = characterProblem(fileName))
    return problem;
  if (!fileName.endsWith(kLotteryExtension, Qt::CaseInsensitive))
    return QStringLiteral("A lottery file's name ends in .txt.");
  return lotteryNameProblem(fileName.chopped(kLotteryExtension.size()));
}

CreateOutcome createLotteryFile(const QString &name) {
  CreateOutcome outcome{CreateResult::Failed, dataFolder() + name + kLotteryExtension, {}};
  const NewFile made = createEmptyFile(outcome.path);
  outcome.result = made.result;
  if (made.result == CreateResult::Failed)
    outcome.error = QStringLiteral("Cannot create the lottery file %1: %2").arg(outcome.path, made.error);
  return outcome;
}

std::optional<QString> removeNewLotteryFile(const QString &path) {
  const QByteArray name = QFile::encodeName(path);
  struct stat info {};
  if (::lstat(name.constData(), &info) != 0) {
    const int error = errno;
    if (error == ENOENT)
      return std::nullopt;
    return QStringLiteral("The new file %1 could not be checked: %2").arg(path, qt_error_string(error));
  }
  // Only the empty file New Lottery made: never a file with draws in it.
  if (!S_ISREG(info.st_mode) || info.st_size != 0 || info.st_nlink != 1)
    return QStringLiteral("The file %1 was left as it is: it is no longer the empty file New Lottery made.").arg(path);
  if (::unlink(name.constData()) != 0) {
    const int error = errno;
    if (error != ENOENT)
      return QStringLiteral("The new file %1 could not be removed: %2").arg(path, qt_error_string(error));
  }
  return std::nullopt;
}

}  // namespace corvessa
