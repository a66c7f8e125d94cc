// "Rise-Down shape": every draw classified by the relative size of its three
// digits into one of 13 shapes, written into that shape's column on the
// colour of its class: three different digits, all equal, or two equal.
#include "tools/straight/tools.h"

#include "charts/drawrows.h"
#include "charts/palette.h"
#include "charts/standardwindow.h"

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr Rgb kDifferent = rgb(42, 194, 91);
constexpr Rgb kDouble = rgb(102, 164, 244);

// The shapes in column order (1..13), each with its condition on H, T, U.
// "." marks the smallest digit, ":" the middle one, "|" the largest; the
// conditions exclude each other and cover every draw.
struct Shape {
  const char *pattern;
  bool (*holds)(int h, int t, int u);
  Rgb back;
};
constexpr Shape kShapes[] = {
    {".:|", [](int h, int t, int u) { return h < t && t < u; }, kDifferent},
    {".|:", [](int h, int t, int u) { return h < u && u < t; }, kDifferent},
    {":.|", [](int h, int t, int u) { return t < h && h < u; }, kDifferent},
    {":|.", [](int h, int t, int u) { return u < h && h < t; }, kDifferent},
    {"|.:", [](int h, int t, int u) { return t < u && u < h; }, kDifferent},
    {"|:.", [](int h, int t, int u) { return u < t && t < h; }, kDifferent},
    {":::", [](int h, int t, int u) { return h == t && t == u; }, kRed},
    {"..|", [](int h, int t, int u) { return h == t && t < u; }, kDouble},
    {".|.", [](int h, int t, int u) { return h == u && u < t; }, kDouble},
    {"|..", [](int h, int t, int u) { return t == u && u < h; }, kDouble},
    {".||", [](int h, int t, int u) { return h < t && t == u; }, kDouble},
    {"|.|", [](int h, int t, int u) { return t < h && h == u; }, kDouble},
    {"||.", [](int h, int t, int u) { return u < h && h == t; }, kDouble},
};
constexpr int kShapeCount = int(std::size(kShapes));
constexpr int kDigitOffset = kShapeCount;  // H, T, U in columns 14..16

// No hidden reset button; the caption stays the same while the chart loads.
// A press on a cell toggles the highlight, the green of the shapes of three
// different digits.
ToolDesign design() {
  return standardWindow(
      {.id = {.windowName = "frmxingxiang", .caption = "Rise-Down shape", .helpPage = "\\help\\Rise-Down_shape.htm"},
       .cols = 17,
       .widths = {{0, 0, 1204}, {1, kDigitOffset + 3, 440}},
       .reset = SpareRowReset::None,
       .highlight = rgb(42, 194, 91),
       .showsLoadingCaption = false});
}

void classifyRiseDownShapes(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = state.grid;
  const int n = state.drawCount;
  for (int k = 0; k < kShapeCount; ++k)
    grid.setText(0, k + 1, kShapes[k].pattern);
  grid.setText(0, kDigitOffset + 1, "H");
  grid.setText(0, kDigitOffset + 2, "T");
  grid.setText(0, kDigitOffset + 3, "U");
  startOffsetDrawRows(grid, n, history, kDigitOffset);
  classifyRiseDownShapes(grid, n);
  grid.setTopRow(grid.rows() - 1);
}

// The first shape whose condition holds; each of the 1000 draws is
// classified once.
void classifyRiseDownShapes(ResultGrid &grid, int drawCount) {
  int shapeOf[1000];
  for (int code = 0; code < 1000; ++code) {
    shapeOf[code] = -1;
    for (int k = 0; k < kShapeCount && shapeOf[code] < 0; ++k)
      if (kShapes[k].holds(code / 100, code / 10 % 10, code % 10))
        shapeOf[code] = k;
  }
  ResultGrid::TextId patterns[kShapeCount];
  for (int k = 0; k < kShapeCount; ++k)
    patterns[k] = grid.textId(0, k + 1);
  for (int r = 1; r <= drawCount; ++r) {
    const std::optional<Digits> d = readDrawDigits(grid, r, kDigitOffset + 1);
    if (!d)
      continue;
    const int k = shapeOf[(*d)[0] * 100 + (*d)[1] * 10 + (*d)[2]];
    if (k < 0)
      continue;
    grid.setCurrentCell(r, k + 1);
    grid.setTextId(r, k + 1, patterns[k]);
    grid.setBackColor(r, k + 1, kShapes[k].back);
  }
}

}  // namespace

ToolEntry frmxingxiang() { return {design(), load}; }

}  // namespace corvessa::tools
