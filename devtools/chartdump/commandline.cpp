#include "chartdump/commandline.h"

#include "charts/framework/chartdump.h"
#include "core/drawfile.h"

#include <charconv>
#include <new>

namespace corvessa {

using charts::designDumpText;
using charts::writeChartDump;

namespace {

std::string utf8(const QString &text) { return text.toStdString(); }

int dumpChart(const ToolEntry &tool, const std::string &windowName, const std::string &file, int gameType,
              const std::vector<std::string> &inputs, bool colors, bool design, std::ostream &out, std::ostream &err);

constexpr const char *kUsage =
    "usage: corvessa-chart [--colors] [--game N] [--input TEXT]... [--design] WINDOW_NAME DRAW_FILE\n"
    "       corvessa-chart --list\n";

}  // namespace

int runChartDump(const ToolRegistry &tools, const std::vector<std::string> &arguments, std::ostream &out,
                 std::ostream &err) {
  bool colors = false, design = false, list = false;
  int gameType = 0;
  std::vector<std::string> inputs, positional;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string &arg = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (arg == "--colors") {
      colors = true;
    } else if (arg == "--design") {
      design = true;
    } else if (arg == "--list") {
      list = true;
    } else if (arg == "--game" && hasValue) {
      const std::string &value = arguments[++i];
      const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), gameType);
      if (ec != std::errc() || end != value.data() + value.size()) {
        err << "corvessa-chart: --game takes a whole number, not " << value << "\n";
        return 2;
      }
    } else if (arg == "--input" && hasValue) {
      inputs.push_back(arguments[++i]);
    } else if (arg.rfind("--", 0) == 0) {
      err << kUsage;
      return 2;
    } else {
      positional.push_back(arg);
    }
  }
  if (list) {
    if (!positional.empty()) {
      err << kUsage;
      return 2;
    }
    for (const ToolEntry &tool : tools.entries())
      out << utf8(tool.design.windowName) << "\t" << utf8(tool.design.caption) << "\n";
    return 0;
  }
  if (positional.size() != 2) {
    err << kUsage;
    return 2;
  }
  const QString windowName = QString::fromStdString(positional[0]);
  const ToolEntry *tool = tools.find(windowName);
  if (!tool) {
    err << "corvessa-chart: no chart is registered for the window name " << positional[0] << "\n";
    return 2;
  }
  try {
    return dumpChart(*tool, positional[0], positional[1], gameType, inputs, colors, design, out, err);
  } catch (const std::bad_alloc &) {
    err << "corvessa-chart: there is not enough memory to make or write the chart of " << positional[0] << " for "
        << positional[1] << "\n";
    return 3;
  }
}

namespace {

int dumpChart(const ToolEntry &tool, const std::string &windowName, const std::string &file, int gameType,
              const std::vector<std::string> &inputs, bool colors, bool design, std::ostream &out, std::ostream &err) {
  const QString path = QString::fromLocal8Bit(file.c_str());
  const DrawHistory history = readDrawHistory(path);
  const QString problem = drawHistoryProblem(history, path);
  if (!problem.isEmpty())
    err << "corvessa-chart: " << problem.toStdString() << "\n";
  if (history.unreadable)
    return 2;

  RecordingHost host;
  ToolSession session(tool, &host);
  session.load(history, gameType);
  for (const std::string &input : inputs)
    if (!session.enquire(QString::fromStdString(input))) {
      err << "corvessa-chart: the window " << windowName << " has no input box\n";
      return 2;
    }
  for (const RecordingHost::Message &m : host.messages)
    out << "MESSAGE: " << utf8(m.text) << "\n";
  if (design)
    out << designDumpText(session);
  else
    writeChartDump(out, session.state().grid, colors);
  out.flush();
  if (!out) {
    err << "corvessa-chart: the chart could not be written out whole\n";
    return 2;
  }
  return 0;
}

}  // namespace

}  // namespace corvessa
