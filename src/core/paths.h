#pragma once
#include <QString>

namespace corvessa {

// The program folder is the folder of the executable; CORVESSA_HOME overrides it
// (tests and developer tools point it at a scratch folder).
QString programFolder();

// Folders and files under the program folder. Each returned folder ends with "/".
QString dataFolder();      // <program>/data/
QString settingsFolder();  // <program>/Varnel3/
QString helpFolder();      // <program>/help/
QString settingsFilePath(); // <program>/Varnel3/shujuwenjian.ini

// A page given as "\help\Topic.htm" (backslashes as the tools name them) as a local path.
QString programPath(const QString &backslashPath);

}  // namespace corvessa
