// Recommend "Pairs": the pairs of the hot digits (ranks 1 to 4) and of the
// cold digits (ranks 7 to 10) over the seven draws before each row, the hits
// of the draw, and the rows that stay nearly hidden, for short histories too.
#include "tools/menus.h"
#include "charts/framework/toolsession.h"
#include "core/drawfile.h"
#include "support/core/chartcells.h"
#include "support/core/qtprint.h"

#include <QByteArray>
#include <QStringList>

#include <gtest/gtest.h>
#include <algorithm>

using namespace corvessa;
using test::chart;
using test::history;
using test::registeredTool;
using test::rowTexts;

namespace {

const char *const kRecommendPairs = "frmrenwenlengTlm";

constexpr Rgb kRed = rgb(255, 0, 0), kYellow = rgb(255, 243, 42), kCyan = rgb(1, 188, 243);
constexpr Rgb kTint = rgb(249, 212, 194), kHitMark = rgb(43, 145, 255);

// Three draws that the ranking of row 11 does not see, then the seven of the example.
const QStringList kExample = {"9 9 9", "8 8 8", "7 7 7", "1 2 3", "1 2 4", "1 5 6",
                              "2 7 8", "1 2 9", "3 4 5", "1 0 2"};

}  // namespace

TEST(RecommendPairs, HotAndColdPairsOfTheExample) {
  const ResultGrid coming = chart(kRecommendPairs, history(kExample));
  ASSERT_EQ(coming.rows(), 13);
  // Row 11, the coming draw: the counts, their colours and the ranking.
  EXPECT_EQ(rowTexts(coming, 11, 1, 10), "1 5 5 2 2 2 1 1 1 1");
  const Rgb countBack[10] = {kCyan, kRed, kRed, kYellow, kYellow, kYellow, kCyan, kCyan, kCyan, kCyan};
  for (int d = 0; d < 10; ++d)
    EXPECT_EQ(coming.backColor(11, d + 1), countBack[d]) << "digit " << d;
  EXPECT_EQ(rowTexts(coming, 11, 12, 21), "1 2 3 4 5 0 6 7 8 9");
  EXPECT_EQ(rowTexts(coming, 11, 22, 27), "12 13 14 23 24 34");
  EXPECT_EQ(rowTexts(coming, 11, 28, 33), "67 68 69 78 79 89");
  // The coming draw is never marked.
  for (int c = 22; c <= 33; ++c)
    EXPECT_EQ(coming.backColor(11, c), 0u) << c;
  EXPECT_TRUE(coming.isEmpty(11, 40));
  EXPECT_TRUE(coming.isEmpty(10, 22));  // rows 8 to 10 are ranked but get no pairs
  EXPECT_FALSE(coming.isEmpty(10, 12));

  struct Case {
    const char *draw11;
    std::vector<int> redCols;
  };
  const Case cases[] = {
      {"4 1 8", {24}},          // "14"
      {"2 1 8", {22}},          // "12"
      {"1 2 4", {22, 24, 26}},  // "12", "14", "24"
      {"6 9 7", {28, 30, 32}},  // "67", "69", "79"
      {"3 3 3", {}},            // "33" is never recommended
      {"0 5 5", {}},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(tc.draw11);
    const ResultGrid g = chart(kRecommendPairs, history(QStringList(kExample) << tc.draw11));
    ASSERT_EQ(g.rows(), 14);
    for (int c = 22; c <= 33; ++c) {
      const bool red = std::find(tc.redCols.begin(), tc.redCols.end(), c) != tc.redCols.end();
      EXPECT_EQ(g.backColor(11, c), red ? kRed : 0u) << "column " << c;
    }
    EXPECT_EQ(g.text(11, 40), tc.redCols.empty() ? "" : "-Y-");
    EXPECT_EQ(g.backColor(11, 40), tc.redCols.empty() ? 0u : kHitMark);
  }
}

TEST(RecommendPairs, ShortHistoriesAreCompleteAndScrolledToTheirEnd) {
  for (const int n : {0, 6, 7, 9, 10, 21, 22, 30}) {
    SCOPED_TRACE(n);
    QStringList draws;
    for (int k = 0; k < n; ++k)
      draws << QStringLiteral("%1 %2 %3").arg(k % 10).arg(k * 3 % 10).arg(k * 7 % 10);
    RecordingHost host;
    ToolSession s(registeredTool(kRecommendPairs), &host);
    s.load(parseDrawHistory(history(draws)));
    EXPECT_TRUE(host.busyCaptions.empty());
    EXPECT_EQ(s.state().caption, "Recommend \"Pairs\"");
    const ResultGrid &g = s.state().grid;
    ASSERT_EQ(g.rows(), n + 3);
    EXPECT_EQ(g.topRow(), n + 2);
    EXPECT_EQ(rowTexts(g, 0, 1, 10), "0 1 2 3 4 5 6 7 8 9");
    for (int r = 1; r < g.rows(); ++r) {
      // Rankings from row 8 to the coming draw's row, pairs from row 11.
      EXPECT_EQ(g.isEmpty(r, 12), r < 8 || r > n + 1) << "row " << r;
      EXPECT_EQ(g.isEmpty(r, 22), r < 11 || r > n + 1) << "row " << r;
      EXPECT_EQ(g.isEmpty(r, 33), r < 11 || r > n + 1) << "row " << r;
      EXPECT_EQ(g.isEmpty(r, 0), r > n) << "row " << r;
      for (int c = 15; c <= 18; ++c)
        EXPECT_EQ(g.backColor(r, c), kTint) << "row " << r << " column " << c;
      // Rows 1 to 24 are all but hidden, as far as they exist.
      EXPECT_EQ(g.rowHeight(r), r <= 24 ? 2 : ResultGrid::kDefaultWidth) << "row " << r;
    }
    EXPECT_EQ(g.rowHeight(0), ResultGrid::kDefaultWidth);
  }
}

TEST(RecommendPairs, ColumnsAndButtons) {
  RecordingHost host;
  ToolSession s(registeredTool(kRecommendPairs), &host);
  s.load(DrawHistory{});
  const ResultGrid &g = s.state().grid;
  EXPECT_EQ(g.cols(), 41);
  const std::pair<int, int> widths[] = {{0, 1204}, {1, 2}, {10, 2}, {11, 80}, {12, 2},
                                        {21, 2},   {22, 400}, {33, 400}, {34, 2}, {39, 2}, {40, 560}};
  for (const auto &[col, twips] : widths)
    EXPECT_EQ(g.colWidth(col), twips) << col;
  EXPECT_EQ(s.state().control("Command1").text, "Exit");
  EXPECT_THROW(s.state().control("Command3"), std::logic_error);
  s.click("Command1");
  EXPECT_TRUE(host.closed);
}
