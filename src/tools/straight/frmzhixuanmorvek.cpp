// "Recommend Tundred Ten Units": for each position of a draw, two candidate
// digits, the digits that the other two positions showed in the draw
// before. Each draw shows the six candidates the previous draw gave, the
// ones that came true on red, and whether the first three or the last three
// held a hit. The row under the newest draw shows the candidates for the
// coming draw.
#include "tools/straight/tools.h"

#include "charts/drawrows.h"
#include "charts/palette.h"
#include "charts/standardwindow.h"

#include <string>

namespace corvessa::tools {
namespace {

using namespace charts;

// The candidate columns 4..9 in order: the digit column of the previous
// draw it copies, the position (digit column) it forecasts, and its header.
struct Candidate {
  int from, position;
  const char *header;
};
constexpr int kFirstCandidateCol = 4;
constexpr Candidate kCandidates[6] = {
    {2, 1, "(1)H 1"}, {3, 1, "(2)H 2"}, {1, 2, "(3)T 1"},
    {3, 2, "(4)T 2"}, {1, 3, "(5)U 1"}, {2, 3, "(6)U 2"},
};
// Stars stand for the other two positions: 5**, *5*, **5.
std::string candidateText(int position, std::string_view digit, bool hit) {
  std::string text = "***";
  text.replace(std::size_t(position - 1), 1, digit);
  if (hit)
    text += "(YES)";
  return text;
}

// The summary columns: candidates 1 to 3, 4 to 6, and any of the six.
constexpr int kFirstThreeCol = 10, kLastThreeCol = 11, kAnyCol = 12;

// "Help" is shown but the window has no page: a click does nothing.
ToolDesign design() {
  return standardWindow({.id = titledWindow("frmzhixuanmorvek", "Recommend Tundred Ten Units"),
                         .cols = 13,
                         .widths = {{0, 0, 860}, {1, 3, 300}, {kFirstThreeCol, kAnyCol, 1204}},
                         .reset = SpareRowReset::LongGrid});
}

void copyCandidateDigits(ResultGrid &grid, int drawCount);
void markCandidateHits(ResultGrid &grid, int drawCount);
void summariseCandidateHits(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillDrawRows(grid, history, LabelForm::LabelOnly);
  writeDigitHeaders(grid);
  for (int i = 0; i < 6; ++i)
    grid.setText(0, kFirstCandidateCol + i, kCandidates[i].header);
  grid.setCurrentCell(n + 1, 1);
  copyCandidateDigits(grid, n);
  markCandidateHits(grid, n);
  summariseCandidateHits(grid, n);
  grid.setTopRow(grid.rows() - 1);
}

// Row r + 1 receives its candidates from the draw of row r, the row under
// the newest draw included.
void copyCandidateDigits(ResultGrid &grid, int drawCount) {
  for (int r = 1; r <= drawCount; ++r)
    for (int i = 0; i < 6; ++i)
      grid.setTextId(r + 1, kFirstCandidateCol + i, grid.textId(r, kCandidates[i].from));
}

// A candidate equal to the draw's digit of its position is a hit. The row
// under the newest draw only gets its stars.
void markCandidateHits(ResultGrid &grid, int drawCount) {
  // Each column's texts by candidate digit (10: an empty candidate, under
  // an empty history) and hit.
  ResultGrid::TextId texts[6][11][2];
  for (int i = 0; i < 6; ++i)
    for (int d = 0; d <= 10; ++d)
      for (int hit = 0; hit < 2; ++hit) {
        const char digit = char('0' + d);
        texts[i][d][hit] = grid.intern(
            candidateText(kCandidates[i].position, d < 10 ? std::string_view(&digit, 1) : std::string_view(), hit));
      }
  const auto textOf = [&](int row, int i, bool hit) {
    const int d = cellDigit(grid, row, kFirstCandidateCol + i);
    return texts[i][d >= 0 ? d : 10][hit];
  };
  for (int r = 2; r <= drawCount; ++r)
    for (int i = 0; i < 6; ++i) {
      const int c = kFirstCandidateCol + i;
      const bool hit = grid.textId(r, c) == grid.textId(r, kCandidates[i].position);
      grid.setCurrentCell(r, c);
      grid.setTextId(r, c, textOf(r, i, hit));
      if (hit)
        grid.setBackColor(r, c, kRed);
    }
  for (int i = 0; i < 6; ++i)
    grid.setTextId(drawCount + 1, kFirstCandidateCol + i, textOf(drawCount + 1, i, false));
}

// Counted by the hit colour: candidates (1) to (3), and (4) to (6).
void summariseCandidateHits(ResultGrid &grid, int drawCount) {
  const ResultGrid::TextId firstThree = grid.intern(std::string_view("(1)+(2)+(3)YES"));
  const ResultGrid::TextId lastThree = grid.intern(std::string_view("(4)+(5)+(6)YES"));
  const ResultGrid::TextId any = grid.intern(std::string_view("(1)-----(6)YES"));
  for (int r = 2; r <= drawCount; ++r) {
    int hits[2] = {0, 0};
    for (int i = 0; i < 6; ++i)
      hits[i / 3] += grid.backColor(r, kFirstCandidateCol + i) == kRed;
    if (hits[0] >= 1) {
      grid.setTextId(r, kFirstThreeCol, firstThree);
      grid.setTextId(r, kAnyCol, any);
    }
    if (hits[1] >= 1) {
      grid.setTextId(r, kLastThreeCol, lastThree);
      grid.setTextId(r, kAnyCol, any);
    }
  }
}

}  // namespace

ToolEntry frmzhixuanmorvek() { return {design(), load}; }

}  // namespace corvessa::tools
