// Where the program keeps the user's files and finds its help pages, in the
// build folder and in an installation.
#include "core/paths.h"
#include "support/core/qtprint.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvessa;

TEST(ProgramFolders, UserFilesAndHelpPagesInEachLayout) {
  QTemporaryDir scratch;
  const QString root = scratch.path();
  // An installation: bin/ with the help pages under share/; a second one whose
  // bin/ also holds a folder named help; a build folder with help/ beside the
  // executable; and an executable with no help pages anywhere near it.
  for (const char *folder : {"usr/bin", "usr/share/corvessa/help", "opt/bin/help", "opt/share/corvessa/help",
                             "build/src/help", "bare/bin"})
    ASSERT_TRUE(QDir().mkpath(root + "/" + folder));
  const QString usr = root + "/usr", opt = root + "/opt", build = root + "/build/src", bare = root + "/bare/bin";
  const QString usrHelp = usr + "/share/corvessa/help";

  struct Case {
    const char *what;
    QString executable, corvessaHome, xdgDataHome, user, help;
  };
  const Case cases[] = {
      {"installed, XDG_DATA_HOME", usr + "/bin", "", "/x/data", "/x/data/corvessa", usrHelp},
      {"installed, XDG_DATA_HOME with a trailing slash", usr + "/bin", "", "/x/data/", "/x/data/corvessa", usrHelp},
      {"installed, no XDG_DATA_HOME", usr + "/bin", "", "", "/home/u/.local/share/corvessa", usrHelp},
      {"installed, a relative XDG_DATA_HOME is ignored", usr + "/bin", "", "rel/data",
       "/home/u/.local/share/corvessa", usrHelp},
      {"installed, the executable's folder written with a slash", usr + "/bin/", "", "", "/home/u/.local/share/corvessa",
       usrHelp},
      {"installed with a help folder in bin", opt + "/bin", "", "", "/home/u/.local/share/corvessa",
       opt + "/share/corvessa/help"},
      {"installed, CORVESSA_HOME", usr + "/bin", "/c/home/", "/x/data", "/c/home", usrHelp},
      {"build folder", build, "", "", build, build + "/help"},
      {"build folder, XDG_DATA_HOME", build, "", "/x/data", build, build + "/help"},
      {"build folder, CORVESSA_HOME", build, "/c/home", "/x/data", "/c/home", build + "/help"},
      {"build folder, a relative CORVESSA_HOME", build, "rel/home", "", "rel/home", build + "/help"},
      {"no help pages", bare, "", "/x/data", bare, bare + "/help"},
  };
  for (const Case &c : cases) {
    const ProgramFolders folders = programFolders(
        {.executableFolder = c.executable, .corvessaHome = c.corvessaHome, .xdgDataHome = c.xdgDataHome,
         .home = "/home/u"});
    EXPECT_EQ(folders.user, c.user) << c.what;
    EXPECT_EQ(folders.help, c.help) << c.what;
  }
}
