#include "charts/framework/chartdump.h"

#include <initializer_list>
#include <ostream>
#include <span>
#include <string_view>
#include <vector>

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

// A line of the design dump: its name, then each field after a tab.
void appendLine(std::string &out, std::string_view name, std::span<const std::string> fields) {
  out += name;
  for (const std::string &field : fields) {
    out += '\t';
    out += field;
  }
  out += '\n';
}
void appendLine(std::string &out, std::string_view name, std::initializer_list<std::string> fields) {
  appendLine(out, name, std::span<const std::string>(fields.begin(), fields.size()));
}

}  // namespace

namespace {

void appendRow(std::string &out, const ResultGrid &grid, int r, bool withColors) {
  for (int c = 0; c < grid.cols(); ++c) {
    if (c > 0)
      out.push_back('\t');
    const ResultGrid::TextId id = grid.textId(r, c);
    if (id & ResultGrid::kMadeTextBit) {
      // A made text (a draw's label) is formatted for this row alone: a view
      // of it would be kept by the grid, for every draw of the chart.
      out += grid.textOf(id).toStdString();
    } else {
      out += grid.viewOf(id);
    }
    if (withColors)
      appendColors(out, grid.foreColor(r, c), grid.backColor(r, c));
  }
  out.push_back('\n');
}

}  // namespace

std::string chartDumpText(const ResultGrid &grid, bool withColors) {
  std::string out;
  out.reserve(std::size_t(grid.rows()) * std::size_t(grid.cols()) * 3);
  for (int r = 0; r < grid.rows(); ++r)
    appendRow(out, grid, r, withColors);
  return out;
}

void writeChartDump(std::ostream &out, const ResultGrid &grid, bool withColors) {
  std::string row;
  for (int r = 0; r < grid.rows() && out; ++r) {
    row.clear();
    appendRow(row, grid, r, withColors);
    out.write(row.data(), std::streamsize(row.size()));
  }
}

std::string designDumpText(const ToolSession &session) {
  const ToolDesign &d = session.design();
  const ToolWindowState &state = session.state();
  const ResultGrid &grid = state.grid;
  std::string out;
  // Appended piece by piece: GCC 12 warns of an overlap (-Wrestrict) that
  // cannot happen where a literal is added to a temporary string
  // (gcc.gnu.org/PR105329).
  appendLine(out, "caption", {utf8(state.caption)});
  appendLine(out, "title", {utf8(d.title)});
  appendLine(out, "client", {std::to_string(d.clientWidth), std::to_string(d.clientHeight)});
  appendLine(out, "font", {"Arial", number(grid.fontPoints())});
  appendLine(out, "help", {utf8(d.helpPage)});
  for (const ControlDesign &c : d.controls) {
    const bool isGrid = c.kind == ControlKind::Grid;
    const QString caption = isGrid ? QString() : state.control(c.name).text;
    const bool visible = isGrid ? grid.isVisible() : state.control(c.name).visible;
    appendLine(out, "control",
               {utf8(c.name), kindName(c.kind), utf8(caption), utf8(c.parent), std::to_string(c.place.left),
                std::to_string(c.place.top), std::to_string(c.place.width), std::to_string(c.place.height),
                visible ? "visible" : "hidden"});
  }
  std::vector<std::string> widths;
  for (int c = 0; c < grid.cols(); ++c)
    widths.push_back(std::to_string(grid.shownColWidth(c)));
  appendLine(out, "cols", widths);
  std::vector<std::string> heights;
  if (grid.hasRowHeights())
    for (int r = 0; r < grid.rows(); ++r)
      if (grid.rowHeight(r) >= 0)
        heights.push_back(std::to_string(r).append("=").append(std::to_string(grid.rowHeight(r))));
  appendLine(out, "rows", heights);
  appendLine(out, "toprow", {std::to_string(grid.topRow())});
  return out;
}

}  // namespace corvessa::charts
