// The draw rows with their sum, and the three position-pair charts: each
// pair's value in the column of that value in its block.
#include "charts/sumrows.h"
#include "charts/framework/toolsession.h"
#include "core/drawfile.h"
#include "support/core/qtprint.h"
#include "support/core/chartcells.h"

#include <QByteArray>
#include <QStringList>

#include <gtest/gtest.h>
#include <cstdlib>

using namespace corvessa;
using test::chart;
using test::everyNumberOnce;
using test::history;

namespace {

constexpr Rgb kSumBack = rgb(43, 218, 255);
struct Block {
  int base;
  Rgb back;
};
constexpr Block kBlocks[] = {{5, rgb(255, 212, 164)}, {16, rgb(182, 219, 170)}, {27, rgb(231, 194, 182)}};
constexpr const char *kWindows[] = {"frmweicha", "frmweiji", "frmweihe"};

// The one written cell of a block, checked to be alone, of the block's
// colour, and holding its own column's value; -1 when the block is empty.
int markedValue(const ResultGrid &g, int row, const Block &block) {
  int found = -1;
  for (int v = 0; v < 10; ++v) {
    const int c = block.base + v;
    if (g.isEmpty(row, c)) {
      EXPECT_EQ(g.backColor(row, c), 0u) << "row " << row << " column " << c;
      continue;
    }
    EXPECT_EQ(found, -1) << "row " << row << ": a second mark in column " << c;
    EXPECT_EQ(g.backColor(row, c), block.back) << "row " << row << " column " << c;
    EXPECT_EQ(g.text(row, c), QString::number(v)) << "row " << row << " column " << c;
    found = v;
  }
  return found;
}

}  // namespace

TEST(SumRows, LabelDigitsAndTheSumOnItsColour) {
  const DrawHistory h = parseDrawHistory("105 1 2 3\r\n0042 9 9 9\r\n-7 0 0 0\r\n");
  ResultGrid g(5, 6);
  g.setCurrentCell(4, 1);
  charts::fillSumRows(g, h);
  const QStringList expected[] = {{" 105:123", "1", "2", "3", "6"},
                                  {" 42:999", "9", "9", "9", "27"},
                                  {"-7:000", "0", "0", "0", "0"}};
  for (int r = 1; r <= 3; ++r) {
    QStringList cells;
    for (int c = 0; c <= 4; ++c)
      cells << g.text(r, c);
    EXPECT_EQ(cells, expected[r - 1]);
    EXPECT_EQ(g.backColor(r, 4), kSumBack);
    for (int c = 0; c <= 3; ++c)
      EXPECT_EQ(g.backColor(r, c), 0u);
    EXPECT_TRUE(g.isEmpty(r, 5));
  }
  EXPECT_EQ(g.currentRow(), 3);
  EXPECT_EQ(g.currentCol(), 4);

  ResultGrid empty(2, 6);
  empty.setCurrentCell(1, 1);
  charts::fillSumRows(empty, DrawHistory{});
  EXPECT_EQ(empty.currentRow(), 1);
  EXPECT_EQ(empty.currentCol(), 1);
  EXPECT_TRUE(empty.isEmpty(1, 4));
  EXPECT_EQ(empty.backColor(1, 4), 0u);
}

TEST(PositionPairs, ExamplesCellByCell) {
  struct Case {
    const char *window;
    const char *draw;
    int values[3];  // (H, T), (H, U), (T, U)
    int sum;
  };
  const Case cases[] = {
      {"frmweicha", "5 5 5", {0, 0, 0}, 15}, {"frmweiji", "5 5 5", {5, 5, 5}, 15},
      {"frmweihe", "5 5 5", {0, 0, 0}, 15},  {"frmweicha", "0 9 4", {9, 4, 5}, 13},
      {"frmweiji", "9 9 9", {1, 1, 1}, 27},  {"frmweihe", "9 9 9", {8, 8, 8}, 27},
      {"frmweiji", "0 0 7", {0, 0, 0}, 7},   {"frmweicha", "1 2 3", {1, 2, 1}, 6},
      {"frmweiji", "3 6 9", {8, 7, 4}, 18},  {"frmweihe", "8 8 1", {6, 9, 9}, 17},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(std::string(tc.window) + " " + tc.draw);
    const ResultGrid g = chart(tc.window, history({QString::fromLatin1(tc.draw)}));
    ASSERT_EQ(g.rows(), 3);
    EXPECT_EQ(g.text(1, 4), QString::number(tc.sum));
    EXPECT_EQ(g.backColor(1, 4), kSumBack);
    for (int b = 0; b < 3; ++b)
      EXPECT_EQ(markedValue(g, 1, kBlocks[b]), tc.values[b]) << "block " << b + 1;
    for (int c : {15, 26})
      for (int r = 0; r < g.rows(); ++r)
        EXPECT_TRUE(g.isEmpty(r, c) && g.backColor(r, c) == 0) << "spacer " << c << " row " << r;
  }
}

// Every number once: each block has exactly one mark, at the pair's value.
TEST(PositionPairs, EveryNumberOnceHasOneMarkPerBlock) {
  const DrawHistory h = everyNumberOnce();
  ASSERT_EQ(h.draws.size(), 1000u);
  using Value = int (*)(int, int);
  const std::pair<const char *, Value> windows[] = {
      {"frmweicha", [](int a, int b) { return std::abs(a - b); }},
      {"frmweiji", [](int a, int b) { return a * b % 10; }},
      {"frmweihe", [](int a, int b) { return (a + b) % 10; }},
  };
  for (const auto &[window, value] : windows) {
    SCOPED_TRACE(window);
    const ResultGrid g = computeChart(test::registeredTool(window), h);
    ASSERT_EQ(g.rows(), 1002);
    for (int r = 1; r <= 1000; ++r) {
      const DrawRecord &d = h.draws[std::size_t(r - 1)];
      EXPECT_EQ(g.text(r, 4), QString::number(d.h + d.t + d.u));
      EXPECT_EQ(markedValue(g, r, kBlocks[0]), value(d.h, d.t));
      EXPECT_EQ(markedValue(g, r, kBlocks[1]), value(d.h, d.u));
      EXPECT_EQ(markedValue(g, r, kBlocks[2]), value(d.t, d.u));
      if (HasFailure())
        FAIL() << "row " << r;
    }
    for (int c = 0; c < g.cols(); ++c)
      EXPECT_TRUE(g.isEmpty(1001, c) && g.backColor(1001, c) == 0) << "spare row, column " << c;
  }
}

TEST(PositionPairs, WindowHeadersWidthsAndButtons) {
  const std::pair<const char *, const char *> pages[] = {
      {"frmweicha", "\\help\\Absolute_value_of_H-T_H-U_T-U.htm"},
      {"frmweiji", "\\help\\Units_of_HmT_HmU_TmU.htm"},
      {"frmweihe", "\\help\\Units_of_H_T_H_U_T_U.htm"},
  };
  const char *titles[] = {"absolute value of H-T H-U T-U", "Units of H*T H*U T*U", "Units of H+T H+U T+U"};
  for (int i = 0; i < 3; ++i) {
    const auto [window, page] = pages[i];
    SCOPED_TRACE(window);
    RecordingHost host;
    ToolSession s(test::registeredTool(window), &host);
    s.load(parseDrawHistory("105 1 2 3\r\n"));
    EXPECT_EQ(s.state().caption, titles[i]);
    ASSERT_EQ(host.busyCaptions.size(), 2u);
    EXPECT_EQ(host.busyCaptions[0], std::make_pair(true, QStringLiteral("Loading......")));
    const ResultGrid &g = s.state().grid;
    EXPECT_EQ(g.cols(), 37);
    EXPECT_EQ(g.fontPoints(), 7.5);
    QStringList header;
    for (int c = 0; c < g.cols(); ++c)
      header << g.text(0, c);
    EXPECT_EQ(header.join(""), "HTUS" + QString("0123456789").repeated(3));
    EXPECT_TRUE(g.isEmpty(0, 0) && g.isEmpty(0, 15) && g.isEmpty(0, 26));
    EXPECT_EQ(g.text(1, 0), " 105:123");
    EXPECT_EQ(g.colWidth(0), 1290);
    for (int c = 1; c <= 36; ++c)
      EXPECT_EQ(g.colWidth(c), c == 15 || c == 26 ? 30 : 300) << "column " << c;
    EXPECT_EQ(g.topRow(), g.rows() - 1);
    // The last cell marked is current: block 3 of the newest draw.
    EXPECT_EQ(g.currentRow(), 1);
    EXPECT_EQ(g.currentCol(), 27 + markedValue(g, 1, kBlocks[2]));

    EXPECT_FALSE(s.state().control("Command1").visible);
    EXPECT_EQ(s.state().control("Command2").text, "Exit");
    EXPECT_EQ(s.state().control("Command3").text, "Help");
    s.click("Command3");
    EXPECT_EQ(host.openedPages, QStringList{page});
    s.click("Command2");
    EXPECT_TRUE(host.closed);
  }
}

TEST(PositionPairs, EmptyHistoryAndALabelZeroEndTheChart) {
  for (const char *window : kWindows) {
    SCOPED_TRACE(window);
    const ResultGrid empty = chart(window, "0 1 2 3\r\n4 5 6 7\r\n");
    ASSERT_EQ(empty.rows(), 2);
    EXPECT_EQ(empty.text(0, 5), "0");
    for (int c = 0; c < empty.cols(); ++c)
      EXPECT_TRUE(empty.isEmpty(1, c) && empty.backColor(1, c) == 0) << "column " << c;

    const ResultGrid cut = chart(window, "1 1 2 3\r\n2 4 5 6\r\n0 7 8 9\r\n3 0 0 0\r\n");
    ASSERT_EQ(cut.rows(), 4);
    EXPECT_EQ(cut.text(2, 0), " 2:456");
    EXPECT_EQ(cut.text(3, 0), "");
  }
}
