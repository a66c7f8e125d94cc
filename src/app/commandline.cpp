#include "app/commandline.h"

#include "core/paths.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace corvessa {

namespace {

constexpr char kProgram[] = "corvessa";

// The options that QApplication and its X11 plugin take out of the command
// line, written without their dash; Qt takes each with one dash or two.
// Some take a value in the next argument, a few also after "=".
struct ToolkitOption {
  std::string_view name;
  bool takesValue = false;
  bool takesJoinedValue = false;
};
constexpr ToolkitOption kToolkitOptions[] = {
    {"platform", true},        {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},          {"qwindowgeometry", true},    {"qwindowtitle", true},
    {"qwindowicon", true},     {"reverse"},                  {"session", true},
    {"style", true, true},     {"stylesheet", true, true},   {"widgetcount"},
    {"qmljsdebugger", true, true}, {"testability"},          {"qdevel"},
    {"qdebug"},
    // X11 (the xcb plugin); other plugins leave them, and Corvessa then ignores them.
    {"display", true},         {"geometry", true},           {"title", true},
    {"icon", true},            {"name", true},               {"visual", true},
    {"nograb"},                {"dograb"},
};

const ToolkitOption *toolkitOption(std::string_view name) {
  for (const ToolkitOption &option : kToolkitOptions)
    if (option.name == name)
      return &option;
  return nullptr;
}

// Whatever went wrong with the standard output (a closed pipe, a full disk)
// makes the exit status 1, as it does for any command-line tool.
int finishOutput() {
  if (std::fflush(stdout) == 0 && !std::ferror(stdout))
    return 0;
  const int error = errno;
  std::fprintf(stderr, "%s: write error: %s\n", kProgram, std::strerror(error));
  return 1;
}

// `what` says what is wrong, naming the argument in quotes.
int usageError(const QByteArray &what) {
  std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", kProgram, what.constData(), kProgram);
  return 2;
}

QString whereTheFilesAre() {
  // The executable's folder decides, as at a start; QCoreApplication, which
  // would say it too, is not made for --help.
  const QString executable = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
  const ProgramFolders folders = programFoldersOf(QFileInfo(executable).absolutePath());
  QString why;
  if (!qEnvironmentVariableIsEmpty("CORVESSA_HOME"))
    why = QStringLiteral("the folder CORVESSA_HOME names");
  else if (folders.installed)
    why = QStringLiteral("$XDG_DATA_HOME/corvessa, by default ~/.local/share/corvessa;\n"
                         "CORVESSA_HOME names another folder");
  else
    why = QStringLiteral("beside the program file of this copy, which runs from its build\n"
                         "folder; CORVESSA_HOME names another folder");
  return QStringLiteral("This copy keeps your lotteries in\n  %1\n(%2).\n").arg(folders.user, why);
}

int printHelp() {
  std::printf(
      "Usage: %s [QT-OPTION]...\n"
      "Charts of the draw history of a three-digit daily lottery.\n"
      "\n"
      "  -h, --help     print this help and exit\n"
      "      --version  print the version and the licence, and exit\n"
      "\n"
      "The Qt toolkit's own options work too, among them -platform NAME,\n"
      "-display DISPLAY, -style STYLE, -stylesheet FILE, -qwindowgeometry GEOMETRY\n"
      "and -reverse.\n"
      "\n"
      "%s"
      "\n"
      "See corvessa(1) for your files and the draw file's format.\n",
      kProgram, QFile::encodeName(whereTheFilesAre()).constData());
  return finishOutput();
}

int printVersion() {
  std::printf(
      "Corvessa %s\n"
      "Copyright (C) %s\n"
      "License GPLv3+: GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl-3.0.html>.\n"
      "This is free software: you are free to change and redistribute it.\n"
      "There is NO WARRANTY, to the extent permitted by law.\n",
      CORVESSA_VERSION, CORVESSA_COPYRIGHT);
  return finishOutput();
}

}  // namespace

std::optional<int> answerCommandLine(int argc, char **argv) {
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (optionsEnded || argument.empty() || argument.front() != '-' || argument == "-")
      return usageError("unexpected argument '" + QByteArray(argv[i]) + "'");
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    if (argument == "-h" || argument == "--help")
      return printHelp();
    if (argument == "--version")
      return printVersion();
    std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
    const size_t equals = name.find('=');
    const bool joinedValue = equals != std::string_view::npos;
    if (joinedValue)
      name = name.substr(0, equals);
    const ToolkitOption *option = toolkitOption(name);
    if (!option || (joinedValue && !option->takesJoinedValue))
      return usageError("unrecognized option '" + QByteArray(argv[i]) + "'");
    if (option->takesValue && !joinedValue && ++i >= argc)
      return usageError("option '" + QByteArray(argv[i - 1]) + "' needs a value");
  }
  return std::nullopt;
}

}  // namespace corvessa
