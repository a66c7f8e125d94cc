#pragma once
#include <QString>

namespace corvessa {

// The folder of the executable, where the build puts the program's own files.
QString executableFolder();

// The program folder for the user's files: the folder of the executable;
// CORVESSA_HOME overrides it (tests and developer tools point it at a
// scratch folder).
QString programFolder();

// Folders and files under the program folder. Each returned folder ends with "/".
QString dataFolder();      // <program>/data/
QString settingsFolder();  // <program>/Varnel3/
QString settingsFilePath(); // <program>/Varnel3/shujuwenjian.ini

// The help pages are part of the program, not of the user's files: they lie
// beside the executable whatever CORVESSA_HOME says.
QString helpFolder();      // <executable>/help/
// A page given as "\help\Topic.htm" (backslashes as the designs name it) as a local path.
QString helpPagePath(const QString &topic);

}  // namespace corvessa
