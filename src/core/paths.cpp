#include "core/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace corvessa {

namespace {

// Where the install rules put the help pages, seen from the installed executable.
const char *const kInstalledHelpFromExecutable = "/../share/corvessa/help";

QString withoutTrailingSlashes(QString folder) {
  while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
    folder.chop(1);
  return folder;
}

// The user's data location as the XDG base directory rules give it: a
// relative XDG_DATA_HOME is to be ignored, as an empty one is.
QString userDataLocation(const PathInputs &inputs) {
  if (!inputs.xdgDataHome.isEmpty() && QDir::isAbsolutePath(inputs.xdgDataHome))
    return QDir::cleanPath(inputs.xdgDataHome);
  return QDir::cleanPath(inputs.home + QStringLiteral("/.local/share"));
}

QString environmentText(const char *name) { return QFile::decodeName(qgetenv(name)); }

// HOME, or the account's home folder when HOME is empty or relative.
QString homeFolder() {
  const QString home = environmentText("HOME");
  if (!home.isEmpty() && QDir::isAbsolutePath(home))
    return home;
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? size_t(size) : 16384);
  passwd entry{};
  passwd *found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
    return QFile::decodeName(found->pw_dir);
  return QDir::rootPath();
}

}  // namespace

ProgramFolders programFolders(const PathInputs &inputs) {
  ProgramFolders folders;
  const QString installedHelp =
      QDir::cleanPath(inputs.executableFolder + QLatin1String(kInstalledHelpFromExecutable));
  const bool installed = QFileInfo(installedHelp).isDir();
  folders.installed = installed;
  if (installed) {
    folders.help = installedHelp;
    folders.user = userDataLocation(inputs) + QStringLiteral("/corvessa");
  } else {
    folders.help = withoutTrailingSlashes(inputs.executableFolder) + QStringLiteral("/help");
    folders.user = withoutTrailingSlashes(inputs.executableFolder);
  }
  if (!inputs.corvessaHome.isEmpty())
    folders.user = withoutTrailingSlashes(inputs.corvessaHome);
  return folders;
}

QString executableFolder() { return QCoreApplication::applicationDirPath(); }

namespace {

ProgramFolders currentFolders() { return programFoldersOf(executableFolder()); }

}  // namespace

ProgramFolders programFoldersOf(const QString &executableFolder) {
  return programFolders({.executableFolder = executableFolder,
                         .corvessaHome = environmentText("CORVESSA_HOME"),
                         .xdgDataHome = environmentText("XDG_DATA_HOME"),
                         .home = homeFolder()});
}

QString programFolder() { return currentFolders().user; }

QString dataFolder() { return programFolder() + QStringLiteral("/data/"); }
QString settingsFolder() { return programFolder() + QStringLiteral("/Varnel3/"); }
QString settingsFilePath() { return settingsFolder() + QStringLiteral("shujuwenjian.ini"); }

QString helpFolder() { return currentFolders().help + QLatin1Char('/'); }

QString helpPagePath(const QString &topic) {
  QString rel = topic;
  rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
  while (rel.startsWith(QLatin1Char('/')))
    rel.remove(0, 1);
  // The designs name their pages under "\help\"; that is the help folder.
  if (rel.startsWith(QStringLiteral("help/")))
    rel.remove(0, 5);
  return helpFolder() + rel;
}

}  // namespace corvessa
