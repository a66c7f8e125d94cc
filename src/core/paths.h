#pragma once
#include <QString>

namespace corvessa {

// What decides where the program's folders are: the executable's folder and
// the environment. The caller fills in home (HOME, or the account's home
// folder when HOME is empty).
struct PathInputs {
  QString executableFolder;
  QString corvessaHome;  // CORVESSA_HOME
  QString xdgDataHome;   // XDG_DATA_HOME
  QString home;
};

// Each folder without a trailing "/".
struct ProgramFolders {
  QString user;  // the user's program folder, which holds data/ and Varnel3/
  QString help;  // the program's own help pages
  bool installed = false;  // the help pages lie under an installation's prefix
};

// The program is installed when its help pages lie at ../share/corvessa/help
// from the executable (cmake --install, the Debian package). An installed
// program never writes under its prefix: the user's files live in
// $XDG_DATA_HOME/corvessa, or ~/.local/share/corvessa when XDG_DATA_HOME is
// unset, empty or relative. Anywhere else (the build folder) they lie beside
// the executable, with the help pages in its help/. A non-empty CORVESSA_HOME
// names the user's folder in both layouts (tests and developer tools point it
// at a scratch folder); the help pages stay the program's own.
ProgramFolders programFolders(const PathInputs &inputs);

// The folder of the running executable.
QString executableFolder();

// programFolders() of an executable in `executableFolder` under this
// process's environment (CORVESSA_HOME, XDG_DATA_HOME, HOME).
ProgramFolders programFoldersOf(const QString &executableFolder);

// The user's program folder of this process: programFolders() of the
// executable's folder and the environment.
QString programFolder();

// Folders and files under the program folder. Each returned folder ends with "/".
QString dataFolder();      // <program>/data/
QString settingsFolder();  // <program>/Varnel3/
QString settingsFilePath(); // <program>/Varnel3/shujuwenjian.ini

// The help pages are part of the program, not of the user's files.
QString helpFolder();      // <help>/
// A page given as "\help\Topic.htm" (backslashes as the designs name it) as a local path.
QString helpPagePath(const QString &topic);

}  // namespace corvessa
