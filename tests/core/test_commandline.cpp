// The program's command line, run as a user runs it: the built corvessa in a
// child process with no display, and a home, a data location and a program
// folder of its own that must stay as they were.
#include "support/core/qtprint.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

struct ProgramRun {
  int status = -1;  // -1: the program did not end by itself
  QString out, err;
};

class CommandLine : public ::testing::Test {
 protected:
  // Runs corvessa with these arguments and nothing of the test's
  // environment: no DISPLAY, no WAYLAND_DISPLAY, no QT_QPA_PLATFORM.
  ProgramRun run(const QStringList &arguments, bool withCorvessaHome = true) {
    QProcessEnvironment environment;
    environment.insert("PATH", "/usr/bin:/bin");
    environment.insert("LC_ALL", "C.UTF-8");
    environment.insert("HOME", scratch.path());
    environment.insert("XDG_DATA_HOME", scratch.path() + "/share");
    if (withCorvessaHome)
      environment.insert("CORVESSA_HOME", programFolder());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(scratch.path());
    // A toolkit that gives up aborts: no core file in the scratch folder.
    process.setChildProcessModifier([] {
      const rlimit none{0, 0};
      setrlimit(RLIMIT_CORE, &none);
    });
    process.start(CORVESSA_PROGRAM, arguments);
    ProgramRun result;
    if (!process.waitForFinished(30000)) {
      process.kill();
      process.waitForFinished();
      return result;
    }
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : 128 + process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
  }
  QString programFolder() const { return scratch.path() + "/corvessa"; }
  QStringList scratchEntries() const {
    return QDir(scratch.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  }
  // What lies beside the program, where a copy run from its build folder keeps its files.
  QStringList besideTheProgram() const {
    return QDir(QFileInfo(CORVESSA_PROGRAM).absolutePath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  }

  QTemporaryDir scratch;
};

const QString kTryHelp = "Try 'corvessa --help' for more information.\n";

}  // namespace

// --help and --version print, end with 0 and make nothing, with or without
// CORVESSA_HOME (without it, this copy's folder is beside its program file).
TEST_F(CommandLine, HelpAndVersionPrintAndMakeNothing) {
  const QStringList before = besideTheProgram();
  struct Case {
    QStringList arguments;
    bool withCorvessaHome;
    QString firstLine;
    QString says;
  };
  const QString buildFolder = QFileInfo(CORVESSA_PROGRAM).absolutePath();
  const Case cases[] = {
      {{"--help"}, true, "Usage: corvessa [QT-OPTION]...", "keeps your lotteries in\n  " + programFolder() +
                                                                "\n(the folder CORVESSA_HOME names)."},
      {{"-h"}, false, "Usage: corvessa [QT-OPTION]...",
       "keeps your lotteries in\n  " + buildFolder + "\n(beside the program file of this copy"},
      {{"--version"}, true, "Corvessa " CORVESSA_VERSION,
       "License GPLv3+: GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl-3.0.html>.\n"},
      // The toolkit's options before it are taken, and still no display is needed.
      {{"-platform", "xcb", "-style=Fusion", "--version"}, false, "Corvessa " CORVESSA_VERSION, "NO WARRANTY"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const ProgramRun result = run(c.arguments, c.withCorvessaHome);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out.section('\n', 0, 0), c.firstLine);
    EXPECT_TRUE(result.out.contains(c.says)) << result.out.toStdString();
    EXPECT_EQ(scratchEntries(), QStringList{});
  }
  EXPECT_EQ(besideTheProgram(), before);
}

TEST_F(CommandLine, AnythingButOurOptionsAndTheToolkitsIsRefused) {
  const QStringList before = besideTheProgram();
  struct Case {
    QStringList arguments;
    QString said;
  };
  const Case cases[] = {
      {{"--bogus"}, "corvessa: unrecognized option '--bogus'\n"},
      {{"-v"}, "corvessa: unrecognized option '-v'\n"},
      // The toolkit's options, one dash or two, with a value after them or after "=", are not refused.
      {{"-platform", "offscreen", "--style", "Fusion", "-stylesheet=x.qss", "-reverse", "--display", ":9",
        "-qwindowgeometry", "10x10", "--bogus", "--help"},
       "corvessa: unrecognized option '--bogus'\n"},
      {{"-platform=offscreen"}, "corvessa: unrecognized option '-platform=offscreen'\n"},
      {{"lottery.txt"}, "corvessa: unexpected argument 'lottery.txt'\n"},
      {{"--", "--help"}, "corvessa: unexpected argument '--help'\n"},
      {{"-style"}, "corvessa: option '-style' needs a value\n"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const ProgramRun result = run(c.arguments);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, c.said + kTryHelp);
    EXPECT_EQ(scratchEntries(), QStringList{});
  }
  EXPECT_EQ(besideTheProgram(), before);
}

// A toolkit option reaches the toolkit: Qt itself answers a platform it
// does not have, and the program's files are never made.
TEST_F(CommandLine, TheToolkitsOptionsReachTheToolkit) {
  const ProgramRun result = run({"-platform", "nosuchplatform"});
  EXPECT_NE(result.status, 0);
  EXPECT_TRUE(result.err.contains("Could not find the Qt platform plugin \"nosuchplatform\"")) << result.err.toStdString();
  EXPECT_FALSE(result.err.contains("corvessa:")) << result.err.toStdString();
  EXPECT_FALSE(QFileInfo::exists(programFolder()));
}
