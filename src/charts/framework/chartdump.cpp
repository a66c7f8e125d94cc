#include "charts/framework/chartdump.h"

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

}  // namespace corvessa::charts
