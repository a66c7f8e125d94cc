#include "charts/chartdump.h"

#include "charts/tool.h"
#include "core/drawfile.h"

namespace corvessa::charts {

namespace {

void appendHex(std::string &out, Rgb rgb) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (int shift = 20; shift >= 0; shift -= 4)
    out.push_back(kHex[(rgb >> shift) & 0xF]);
}

void appendColors(std::string &out, Rgb fore, Rgb back) {
  if (fore == 0 && back == 0)
    return;
  out.push_back('{');
  if (fore != 0) {
    out += "f=";
    appendHex(out, fore);
  }
  if (back != 0) {
    if (fore != 0)
      out.push_back(' ');
    out += "b=";
    appendHex(out, back);
  }
  out.push_back('}');
}

}  // namespace

std::string chartDumpText(const ResultGrid &grid, bool withColors) {
  std::string out;
  out.reserve(std::size_t(grid.rows()) * std::size_t(grid.cols()) * 3);
  for (int r = 0; r < grid.rows(); ++r) {
    for (int c = 0; c < grid.cols(); ++c) {
      if (c > 0)
        out.push_back('\t');
      out += grid.textView(r, c);
      if (withColors)
        appendColors(out, grid.foreColor(r, c), grid.backColor(r, c));
    }
    out.push_back('\n');
  }
  return out;
}

int runChartDump(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err) {
  bool colors = false;
  std::vector<std::string> positional;
  for (const std::string &arg : arguments) {
    if (arg == "--colors")
      colors = true;
    else
      positional.push_back(arg);
  }
  if (positional.size() != 2) {
    err << "usage: corvessa-chart [--colors] WINDOW_NAME DRAW_FILE\n";
    return 2;
  }
  const QString windowName = QString::fromStdString(positional[0]);
  const ToolEntry *tool = ToolRegistry::instance().find(windowName);
  if (!tool) {
    err << "corvessa-chart: no chart is registered for the window name " << positional[0] << "\n";
    return 2;
  }
  const QString path = QString::fromLocal8Bit(positional[1].c_str());
  const DrawHistory history = readDrawHistory(path);
  const QString problem = drawHistoryProblem(history, path);
  if (!problem.isEmpty())
    err << "corvessa-chart: " << problem.toStdString() << "\n";
  if (history.unreadable)
    return 2;
  out << chartDumpText(computeChart(*tool, history), colors);
  return 0;
}

}  // namespace corvessa::charts
