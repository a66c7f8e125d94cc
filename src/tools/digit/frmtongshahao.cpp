// "Recommend 2 digits": beside every draw its sum S and width W, and six
// groups A to F of two digits recommended for it by fixed formulas: A to E
// from the draw before it, F from the draw's own issue number. A recommended
// digit that the draw holds is shaded and its group gets "-Y-"; a group whose
// two digits are both shaded has its mark on red. The row under the newest
// draw holds the six pairs for the coming draw.
#include "tools/digit/tools.h"

#include "charts/drawrows.h"
#include "charts/palette.h"
#include "charts/recommendeddigits.h"
#include "charts/standardwindow.h"
#include "charts/sumrows.h"

#include <array>
#include <cstdint>

namespace corvessa::tools {
namespace {

using namespace charts;

ToolDesign design() {
  return standardWindow({.id = titledWindow("frmtongshahao", "Recommend 2 digits", "\\help\\Recommend_2_digits.htm"),
                         .cols = 29,
                         .widths = {{0, 0, 1290}, {1, 28, 300}}});
}

constexpr int kSumCol = 4, kWidthCol = 5;

// The groups A to F in column order: two digit columns, then the mark column
// (no header), then a column left empty.
struct PairGroup {
  RecommendedDigitGroup cols;
  const char *headers[2];
};
constexpr PairGroup kGroups[] = {
    {{6, 7, 8}, {"A1", "A2"}},     {{10, 11, 12}, {"B1", "B2"}}, {{14, 15, 16}, {"C1", "C2"}},
    {{18, 19, 20}, {"D1", "D2"}},  {{22, 23, 24}, {"E1", "E2"}}, {{26, 27, 28}, {"F1", "F2"}},
};
enum { A, B, C, D, E, F };

// F1 and F2 by the last digit of an issue number.
constexpr int kF1[10] = {3, 6, 9, 2, 5, 8, 1, 4, 7, 0};
constexpr int kF2[10] = {4, 7, 0, 3, 6, 9, 2, 5, 8, 1};

void recommendFromPreviousDraw(ResultGrid &grid, const DrawHistory &history);
void recommendDigitsF(ResultGrid &grid, const DrawHistory &history);
void addNextIssueRow(ResultGrid &grid, const DrawHistory &history, int drawCount);
void writeHeaders(ResultGrid &grid);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = startDrawRows(state);
  const int n = state.drawCount;
  fillDrawRows(grid, history);
  fillSumWidthColumns(grid, history, {.sumCol = kSumCol, .widthCol = kWidthCol, .widthBack = kSkyBlue});
  recommendFromPreviousDraw(grid, history);
  recommendDigitsF(grid, history);
  addNextIssueRow(grid, history, n);
  writeHeaders(grid);
  showSpareRow(grid, n);
  for (const PairGroup &group : kGroups)
    markRecommendedDigitHits(grid, n, 2, group.cols, kSand);
  for (const PairGroup &group : kGroups)
    markDoubleHits(grid, n, 2, group.cols, kSand, kRed);
}

using Pair = std::array<int, 2>;

// A: 9 - W, and 9 less the last digit of S (of its digit sum when S > 9),
// moved on by one when both are the same.
Pair formulaA(int sum, int width) {
  const int a1 = 9 - width;
  const int q = sum <= 9 ? sum : sum / 10 + sum % 10;
  int a2 = 9 - q % 10;
  if (a2 == a1)
    a2 = (a2 + 1) % 10;
  return {a1, a2};
}

// B, C and D: the first two distinct digits of a value's text; a value of
// one digit gives it twice.
Pair quotientDigits(double value) {
  const std::string digits = firstDistinctDigits(value, 2);
  return {digits.front() - '0', digits.back() - '0'};
}

// E: the digits either side of the units digit of S, going round.
Pair formulaE(int sum) {
  const int d = sum % 10;
  if (d == 0)
    return {1, 9};
  if (d == 9)
    return {8, 0};
  return {d - 1, d + 1};
}

// A to E depend on the three digits only, so each of the 1000 draws is worked out once.
void recommendFromPreviousDraw(ResultGrid &grid, const DrawHistory &history) {
  std::array<std::array<ResultGrid::TextId, 10>, 1000> cache{};
  std::array<bool, 1000> known{};
  int row = 2;
  for (const DrawRecord &draw : history.draws) {
    const int x = draw.h * 100 + draw.t * 10 + draw.u;
    std::array<ResultGrid::TextId, 10> &ids = cache[std::size_t(x)];
    if (!known[std::size_t(x)]) {
      Digits digits{draw.h, draw.t, draw.u};
      const int sum = digits[0] + digits[1] + digits[2];
      sortDigitsAscending(digits);
      const Pair pairs[5] = {formulaA(sum, digits[2] - digits[0]), quotientDigits(double(x) / (sum + 7)),
                             quotientDigits(x / 32.0), quotientDigits(x * 0.1975), formulaE(sum)};
      for (int g = A; g <= E; ++g)
        for (int k = 0; k < 2; ++k)
          ids[std::size_t(g * 2 + k)] = grid.internNumber(pairs[g][std::size_t(k)]);
      known[std::size_t(x)] = true;
    }
    for (int g = A; g <= E; ++g) {
      grid.setTextId(row, kGroups[g].cols.firstCol, ids[std::size_t(g * 2)]);
      grid.setTextId(row, kGroups[g].cols.lastCol, ids[std::size_t(g * 2 + 1)]);
    }
    ++row;
  }
}

int lastDigit(std::int64_t label) { return int(label < 0 ? -(label % 10) : label % 10); }

void writeF(ResultGrid &grid, int row, int d) {
  grid.setNumber(row, kGroups[F].cols.firstCol, kF1[d]);
  grid.setNumber(row, kGroups[F].cols.lastCol, kF2[d]);
}

void recommendDigitsF(ResultGrid &grid, const DrawHistory &history) {
  int row = 1;
  for (const DrawRecord &draw : history.draws)
    writeF(grid, row++, lastDigit(draw.label));
}

// The coming draw's issue number is the newest label plus one (1 without
// draws). The whole label counts, so the eight- and nine-digit labels that
// dates make end in the right digit.
void addNextIssueRow(ResultGrid &grid, const DrawHistory &history, int drawCount) {
  const std::int64_t label = history.draws.empty() ? 0 : history.draws.back().label;
  const int d = label >= 0 ? int(label % 10 + 1) % 10 : lastDigit(label + 1);
  writeF(grid, drawCount + 1, d);
}

void writeHeaders(ResultGrid &grid) {
  writeDigitHeaders(grid);
  grid.setText(0, kSumCol, "S");
  grid.setText(0, kWidthCol, "W");
  for (const PairGroup &group : kGroups) {
    grid.setText(0, group.cols.firstCol, group.headers[0]);
    grid.setText(0, group.cols.lastCol, group.headers[1]);
  }
}

}  // namespace

ToolEntry frmtongshahao() { return {design(), load}; }

}  // namespace corvessa::tools
