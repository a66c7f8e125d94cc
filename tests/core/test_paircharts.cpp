// The "Box Pairs" charts built on the pairs of a draw's sorted digits:
// "Pairs", "Serial Pairs" and "0 Type Pairs", "Inherit 2 Digits" and
// "Five Regions Pairs[05 16 27 38 49]".
#include "charts/framework/toolsession.h"
#include "core/drawfile.h"
#include "support/core/qtprint.h"
#include "support/core/chartcells.h"

#include <QByteArray>
#include <QStringList>

#include <gtest/gtest.h>
#include <algorithm>
#include <set>

using namespace corvessa;
using test::chart;
using test::everyNumberOnce;
using test::history;
using test::rowTexts;
using test::written;

namespace {

QByteArray repeated(const char *draw, int count) {
  QStringList draws;
  for (int i = 0; i < count; ++i)
    draws << QString::fromLatin1(draw);
  return history(draws);
}

constexpr Rgb kRed = rgb(255, 0, 0);
constexpr Rgb kBlue = rgb(43, 218, 255);

}  // namespace

// ---- "Pairs" ----

namespace {
constexpr Rgb kPairBand = rgb(255, 212, 255), kPairMark = rgb(0, 206, 188);
bool inPairBand(int c) { return (c >= 6 && c <= 14) || (c >= 24 && c <= 32) || (c >= 42 && c <= 50); }
}  // namespace

TEST(Pairs, SortedPairsAndTheirMarksDrawByDraw) {
  struct Case {
    const char *draw, *label, *pairs;
    std::set<int> marked;
  };
  const Case cases[] = {
      {"7 3 0", " 1:730", "03 07 37", {8, 12, 33}},
      {"0 0 9", " 2:009", "00 09 09", {14}},
      {"9 0 0", " 3:900", "00 09 09", {14}},
      {"4 4 4", " 4:444", "44 44 44", {}},
      {"3 7 3", " 5:373", "33 37 37", {33}},
      {"5 8 9", " 6:589", "58 59 89", {43, 44, 50}},
  };
  QStringList draws;
  for (const Case &tc : cases)
    draws << tc.draw;
  const ResultGrid g = chart("frm3dliangma", history(draws));
  ASSERT_EQ(g.rows(), 8);
  for (int r = 1; r <= 6; ++r) {
    const Case &tc = cases[r - 1];
    SCOPED_TRACE(tc.draw);
    EXPECT_EQ(g.text(r, 0), tc.label);
    EXPECT_EQ(rowTexts(g, r, 1, 3), tc.pairs);
    EXPECT_TRUE(g.isEmpty(r, 4) && g.isEmpty(r, 5));
    for (int c = 0; c <= 5; ++c)
      EXPECT_EQ(g.backColor(r, c), 0u) << "column " << c;
    for (int c = 6; c <= 50; ++c) {
      if (tc.marked.count(c)) {
        EXPECT_EQ(g.text(r, c), g.text(0, c)) << "column " << c;
        EXPECT_EQ(g.backColor(r, c), kPairMark) << "column " << c;
      } else {
        EXPECT_TRUE(g.isEmpty(r, c)) << "column " << c;
        EXPECT_EQ(g.backColor(r, c), inPairBand(c) ? kPairBand : 0u) << "column " << c;
      }
    }
  }
  for (int c = 0; c < g.cols(); ++c)
    EXPECT_TRUE(g.isEmpty(7, c) && g.backColor(7, c) == 0) << "spare row, column " << c;
  EXPECT_EQ(g.topRow(), 7);
}

TEST(Pairs, FortyFivePairColumnsAndAnEmptyHistory) {
  const ResultGrid g = chart("frm3dliangma", QByteArray());
  ASSERT_EQ(g.rows(), 2);
  EXPECT_EQ(rowTexts(g, 0, 0, 5), " H T U  ");
  // The pair (i, j) in column 6 + 9i - i(i - 1)/2 + (j - i - 1).
  for (int i = 0; i <= 8; ++i)
    for (int j = i + 1; j <= 9; ++j)
      EXPECT_EQ(g.text(0, 6 + 9 * i - i * (i - 1) / 2 + (j - i - 1)), QStringLiteral("%1%2").arg(i).arg(j));
  for (int c = 0; c < g.cols(); ++c)
    EXPECT_TRUE(g.isEmpty(1, c) && g.backColor(1, c) == 0) << "column " << c;
  EXPECT_EQ(g.topRow(), 1);
  EXPECT_EQ(g.colWidth(0), 1032);
  EXPECT_EQ(g.colWidth(4), 60);
  EXPECT_EQ(g.colWidth(5), 60);
  EXPECT_EQ(g.colWidth(50), 300);
}

TEST(Pairs, EveryNumberMarksOneColumnPerDistinctPair) {
  const DrawHistory h = everyNumberOnce();
  const ResultGrid g = computeChart(test::registeredTool("frm3dliangma"), h);
  for (int r = 1; r <= int(h.draws.size()); ++r) {
    const DrawRecord &d = h.draws[std::size_t(r - 1)];
    const int distinct = int(std::set<int>{d.h, d.t, d.u}.size());
    const int expected = distinct == 3 ? 3 : distinct == 2 ? 1 : 0;
    int marks = 0;
    for (int c = 6; c <= 50; ++c)
      marks += g.backColor(r, c) == kPairMark;
    EXPECT_EQ(marks, expected) << "draw " << d.h << d.t << d.u;
  }
}

// ---- "Serial Pairs" and "0 Type Pairs" ----

TEST(TargetPairs, TheMarksOfTheTenTargetPairs) {
  struct Case {
    const char *window, *draw;
    QStringList marks;  // columns 10..19
  };
  const Case cases[] = {
      {"frmshunziliangma", "1 2 3", {"11=12", "12=23"}},
      {"frmshunziliangma", "0 5 9", {"19=09"}},
      {"frmshunziliangma", "2 4 6", {}},
      {"frmshunziliangma", "9 8 8", {"18=89"}},
      {"frm0luliangma", "0 0 5", {"10=00"}},
      {"frm0luliangma", "9 6 3", {"17=36", "18=39", "19=69"}},
      {"frm0luliangma", "3 3 3", {"11=33"}},
      {"frm0luliangma", "0 5 9", {"16=09"}},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(std::string(tc.window) + " " + tc.draw);
    const ResultGrid g = chart(tc.window, history({tc.draw}));
    ASSERT_EQ(g.rows(), 3);
    EXPECT_EQ(written(g, 1, 10, 19), tc.marks);
    for (int c = 10; c <= 19; ++c)
      EXPECT_EQ(g.backColor(1, c), g.isEmpty(1, c) ? 0u : kRed) << "column " << c;
    EXPECT_TRUE(g.isEmpty(1, 9));
  }
}

TEST(TargetPairs, SumWidthPairsAndHeaders) {
  const ResultGrid g = chart("frmshunziliangma", history({"5 5 5", "7 2 7"}));
  EXPECT_EQ(rowTexts(g, 0, 0, 9), " H T U S W    ");
  EXPECT_EQ(rowTexts(g, 0, 10, 19), "01 12 23 34 45 56 67 78 89 09");
  EXPECT_EQ(rowTexts(g, 1, 0, 8), " 1:555 5 5 5 15 0 55 55 55");
  EXPECT_EQ(rowTexts(g, 2, 0, 8), " 2:727 7 2 7 16 5 27 27 77");
  for (int r = 1; r <= 2; ++r)
    for (int c = 0; c <= 9; ++c)
      EXPECT_EQ(g.backColor(r, c), c == 4 ? kBlue : 0u) << "row " << r << " column " << c;
  EXPECT_EQ(g.colWidth(9), 20);
  EXPECT_EQ(g.topRow(), 3);
  EXPECT_EQ(rowTexts(chart("frm0luliangma", QByteArray()), 0, 10, 19), "00 33 66 99 03 06 09 36 39 69");
}

// ---- "Inherit 2 Digits" ----

TEST(InheritTwoDigits, YesWhereExactlyTwoDigitsCarryOver) {
  struct Case {
    const char *before, *after;
    bool yes;
  };
  const Case cases[] = {
      {"1 2 3", "2 3 9", true},   {"1 2 3", "3 2 1", false}, {"5 5 7", "7 5 0", true},
      {"4 4 8", "8 4 4", true},   {"5 5 5", "5 5 6", false}, {"0 1 2", "3 4 5", false},
      {"9 0 9", "0 0 9", true},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(std::string(tc.before) + " then " + tc.after);
    const ResultGrid g = chart("frmchong2ge", history({tc.before, tc.after}));
    ASSERT_EQ(g.rows(), 4);
    EXPECT_TRUE(g.isEmpty(1, 5));
    EXPECT_EQ(g.text(2, 5), tc.yes ? "YES" : "");
    EXPECT_EQ(g.backColor(2, 5), 0u);
  }
  const ResultGrid g = chart("frmchong2ge", history({"7 2 7", "9 0 4"}));
  EXPECT_EQ(rowTexts(g, 0, 0, 5), " H T U  Inherit 2 Digits");
  EXPECT_EQ(rowTexts(g, 1, 0, 4), " 1:727 7 2 7 27");
  EXPECT_EQ(rowTexts(g, 2, 0, 4), " 2:904 9 0 4 049");
  EXPECT_EQ(g.colWidth(4), 20);
  EXPECT_EQ(g.colWidth(5), 1032);
  for (const QByteArray &few : {QByteArray(), history({"1 2 3"})}) {
    const ResultGrid small = chart("frmchong2ge", few);
    for (int r = 0; r < small.rows(); ++r)
      EXPECT_EQ(small.text(r, 5), r == 0 ? "Inherit 2 Digits" : "");
  }
}

// ---- "Five Regions Pairs[05 16 27 38 49]" ----

TEST(FiveRegions, RegionMarksFiveApartPairsAndTheScale) {
  struct Case {
    const char *draw;
    QStringList cells;  // columns 4..15
    int redPairCol;     // -1: none
    std::set<int> plotted;
  };
  const Case cases[] = {
      {"0 5 5", {"4=5", "5=10", "7=05", "8=05", "9=55", "10=-Y-", "11=05"}, 7, {17, 22}},
      {"2 7 3", {"4=5", "5=12", "7=23", "8=27", "9=37", "10=-Y-", "13=27"}, 8, {19, 20, 24}},
      {"1 2 3", {"4=2", "5=6", "7=12", "8=13", "9=23"}, -1, {18, 19, 20}},
      {"4 9 8", {"4=5", "5=21", "7=48", "8=49", "9=89", "10=-Y-", "15=49"}, 8, {21, 25, 26}},
      {"3 8 8", {"4=5", "5=19", "7=38", "8=38", "9=88", "10=-Y-", "14=38"}, 7, {20, 25}},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(tc.draw);
    const ResultGrid g = chart("frmdaimaduizi", history({tc.draw}));
    EXPECT_EQ(written(g, 1, 4, 15), tc.cells);
    EXPECT_EQ(g.backColor(1, 4), kBlue);
    EXPECT_EQ(g.backColor(1, 5), kBlue);
    for (int c = 7; c <= 9; ++c)
      EXPECT_EQ(g.backColor(1, c), c == tc.redPairCol ? kRed : 0u) << "column " << c;
    for (int c = 11; c <= 15; ++c)
      EXPECT_EQ(g.backColor(1, c), g.isEmpty(1, c) ? 0u : kRed) << "column " << c;
    for (int c = 16; c <= 27; ++c) {
      const bool plotted = tc.plotted.count(c) > 0;
      EXPECT_EQ(g.text(1, c), plotted ? QString::number(c - 17) : QString()) << "column " << c;
      EXPECT_EQ(g.backColor(1, c), plotted ? kBlue : 0u) << "column " << c;
    }
  }
}

TEST(FiveRegions, APositionThatRepeatsIsRedInBothRows) {
  const ResultGrid g = chart("frmdaimaduizi", history({"4 4 4", "4 1 4", "5 1 0"}));
  const Rgb expected[3][3] = {{kRed, 0, kRed}, {kRed, kRed, kRed}, {0, kRed, 0}};
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 3; ++c)
      EXPECT_EQ(g.backColor(r, c), expected[r - 1][c - 1]) << "row " << r << " column " << c;
  EXPECT_EQ(rowTexts(g, 0, 0, 5), " H T U W S");
  EXPECT_EQ(rowTexts(g, 0, 11, 15), "05 16 27 38 49");
  EXPECT_EQ(rowTexts(g, 0, 17, 26), "0 1 2 3 4 5 6 7 8 9");
}

TEST(FiveRegions, ArrowsInAlternateBlocksOfTwentyTwoRowsFromRow39) {
  struct Case {
    int draws;
    std::vector<std::pair<int, int>> arrowRuns;  // first and last row of each run
  };
  const Case cases[] = {
      {37, {}}, {38, {{39, 39}}}, {40, {{39, 41}}}, {100, {{39, 60}, {83, 101}}}, {150, {{39, 60}, {83, 104}, {127, 148}}},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(tc.draws);
    const ResultGrid g = chart("frmdaimaduizi", repeated("1 2 3", tc.draws));
    ASSERT_EQ(g.rows(), tc.draws + 2);
    for (int r = 0; r < g.rows(); ++r) {
      bool arrow = false;
      for (const auto &[first, last] : tc.arrowRuns)
        arrow = arrow || (r >= first && r <= last);
      EXPECT_EQ(g.text(r, 6), arrow ? QStringLiteral("\u2193") : QString()) << "row " << r;
    }
  }
}

TEST(FiveRegions, APressTogglesTheBlueAndHelpDoesNothing) {
  RecordingHost host;
  ToolSession s(test::registeredTool("frmdaimaduizi"), &host);
  s.load(parseDrawHistory(history({"0 5 5"})));
  EXPECT_EQ(s.state().caption, "Five Regions Pairs[05 16 27 38 49]");
  ResultGrid &g = s.state().grid;
  s.press(1, 17);  // the plotted 0, already blue
  EXPECT_EQ(g.backColor(1, 17), 0u);
  s.press(1, 17);
  EXPECT_EQ(g.backColor(1, 17), kBlue);
  s.press(1, 11);  // the red region mark turns blue, then plain
  EXPECT_EQ(g.backColor(1, 11), kBlue);
  s.press(1, 11);
  EXPECT_EQ(g.backColor(1, 11), 0u);
  EXPECT_EQ(g.text(1, 11), "05");

  EXPECT_TRUE(s.state().control("Command3").visible);
  s.click("Command3");
  EXPECT_TRUE(host.openedPages.isEmpty());
  EXPECT_FALSE(s.state().control("Command1").visible);
}
