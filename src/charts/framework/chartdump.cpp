#include "charts/framework/chartdump.h"

#include "core/drawfile.h"

#include <charconv>

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

const char *kindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Grid:
      return "grid";
    case ControlKind::Button:
      return "button";
    case ControlKind::Label:
      return "label";
    case ControlKind::TextBox:
      return "textbox";
    case ControlKind::Frame:
      return "frame";
  }
  return "";
}

std::string utf8(const QString &text) { return text.toStdString(); }

std::string number(double value) { return QString::number(value).toStdString(); }

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

std::string designDumpText(const ToolSession &session) {
  const ToolDesign &d = session.design();
  const ToolWindowState &state = session.state();
  const ResultGrid &grid = state.grid;
  std::string out;
  out += "caption\t" + utf8(state.caption) + "\n";
  out += "title\t" + utf8(d.title) + "\n";
  out += "client\t" + std::to_string(d.clientWidth) + "\t" + std::to_string(d.clientHeight) + "\n";
  out += "font\tArial\t" + number(grid.fontPoints()) + "\n";
  out += "help\t" + utf8(d.helpPage) + "\n";
  for (const ControlDesign &c : d.controls) {
    const bool isGrid = c.kind == ControlKind::Grid;
    const QString caption = isGrid ? QString() : state.control(c.name).text;
    const bool visible = isGrid ? grid.isVisible() : state.control(c.name).visible;
    out += "control\t" + utf8(c.name) + "\t" + kindName(c.kind) + "\t" + utf8(caption) + "\t" + utf8(c.parent);
    for (int v : {c.place.left, c.place.top, c.place.width, c.place.height})
      out += "\t" + std::to_string(v);
    out += visible ? "\tvisible\n" : "\thidden\n";
  }
  out += "cols";
  for (int c = 0; c < grid.cols(); ++c)
    out += "\t" + std::to_string(grid.shownColWidth(c));
  out += "\nrows";
  if (grid.hasRowHeights())
    for (int r = 0; r < grid.rows(); ++r)
      if (grid.rowHeight(r) >= 0)
        out += "\t" + std::to_string(r) + "=" + std::to_string(grid.rowHeight(r));
  out += "\ntoprow\t" + std::to_string(grid.topRow()) + "\n";
  return out;
}

namespace {

constexpr const char *kUsage =
    "usage: corvessa-chart [--colors] [--game N] [--input TEXT]... [--design] WINDOW_NAME DRAW_FILE\n"
    "       corvessa-chart --list\n";

}  // namespace

int runChartDump(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err) {
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
    for (const ToolEntry &tool : ToolRegistry::instance().entries())
      out << utf8(tool.design.windowName) << "\t" << utf8(tool.design.caption) << "\n";
    return 0;
  }
  if (positional.size() != 2) {
    err << kUsage;
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

  RecordingHost host;
  ToolSession session(*tool, &host);
  session.load(history, gameType);
  for (const std::string &input : inputs)
    if (!session.enquire(QString::fromStdString(input))) {
      err << "corvessa-chart: the window " << positional[0] << " has no input box\n";
      return 2;
    }
  for (const RecordingHost::Message &m : host.messages)
    out << "MESSAGE: " << utf8(m.text) << "\n";
  out << (design ? designDumpText(session) : chartDumpText(session.state().grid, colors));
  return 0;
}

}  // namespace corvessa::charts
