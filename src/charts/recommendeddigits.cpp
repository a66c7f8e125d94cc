#include "charts/recommendeddigits.h"

#include "charts/drawrows.h"
#include "charts/standardwindow.h"
#include "core/numbertext.h"

namespace corvessa::charts {

std::string removeSubstring(std::string_view text, std::string_view pattern) {
  std::string out(text);
  if (pattern.empty())
    return out;
  for (std::size_t at = out.find(pattern); at != std::string::npos; at = out.find(pattern))
    out.erase(at, pattern.size());
  return out;
}

std::string firstDistinctDigits(double value, int n) {
  std::string text = numberText(value);
  if (value < 1)
    text = "0" + text;
  text = removeSubstring(text, ".");
  std::string digits;
  for (char ch : text)
    if (digits.find(ch) == std::string::npos)
      digits.push_back(ch);
  return digits.substr(0, std::size_t(std::max(n, 0)));
}

void markRecommendedDigitHits(ResultGrid &grid, int drawCount, int firstRow, RecommendedDigitGroup group, Rgb hit) {
  const ResultGrid::TextId mark = grid.intern(kRecommendHitMark);
  for (int r = std::max(firstRow, 1); r <= drawCount; ++r) {
    const std::span<const ResultGrid::TextId> row = std::as_const(grid).rowTextIds(r);
    for (int i = 1; i <= 3; ++i)
      for (int c = group.firstCol; c <= group.lastCol; ++c)
        if (row[std::size_t(c)] != 0 && row[std::size_t(c)] == row[std::size_t(i)]) {
          grid.setCurrentCell(r, c);
          grid.setBackColor(r, c, hit);
          grid.setTextId(r, group.markCol, mark);
        }
  }
}

void markDoubleHits(ResultGrid &grid, int drawCount, int firstRow, RecommendedDigitGroup group, Rgb hit,
                    Rgb doubleHit) {
  for (int r = std::max(firstRow, 1); r <= drawCount; ++r) {
    int hits = 0;
    for (int c = group.firstCol; c <= group.lastCol; ++c)
      hits += grid.backColor(r, c) == hit;
    grid.setCurrentCell(r, group.lastCol);
    if (hits > 1) {
      grid.setCurrentCell(r, group.markCol);
      grid.setBackColor(r, group.markCol, doubleHit);
    }
  }
}

ToolDesign oneDigitDesign(const char *windowName, const char *caption) {
  return standardWindow({.id = titledWindow(windowName, caption, "\\help\\Recommend_1_digit.htm"),
                         .cols = 7,
                         .widths = {{0, 0, 1290},
                                    {1, 6, 300},
                                    {4, 4, 20},
                                    {kOneDigitCol, kOneDigitCol, 860},
                                    {kOneDigitMarkCol, kOneDigitMarkCol, 430}}});
}

void writeOneDigitHeaders(ResultGrid &grid) {
  writeDigitHeaders(grid);
  grid.setText(0, kOneDigitCol, "1 digit");
  grid.setText(0, kOneDigitMarkCol, "Y/N");
}

void loadOneDigitRows(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = state.grid;
  writeOneDigitHeaders(grid);
  startDrawRows(state);
  fillDrawRows(grid, history);
  showSpareRow(grid, state.drawCount);
}

ToolEntry oneDigitTool(const char *windowName, const char *caption, OneDigitStep recommend, OneDigitStep mark) {
  return {oneDigitDesign(windowName, caption), [recommend, mark](ToolWindowState &state, const DrawHistory &history) {
            loadOneDigitRows(state, history);
            recommend(state.grid, state.drawCount);
            mark(state.grid, state.drawCount);
          }};
}

}  // namespace corvessa::charts
