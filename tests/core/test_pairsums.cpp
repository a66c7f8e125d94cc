// The "Box Pairs" charts of pair sums, differences and products: the three
// box-number pair charts (Large-Small, Large-Middle, Middle-Small), "+ or - of
// Pairs " with its three rows a draw, and "Units of product of two digits ".
#include "charts/framework/toolsession.h"
#include "core/drawfile.h"
#include "support/core/qtprint.h"
#include "support/core/chartcells.h"

#include <QByteArray>
#include <QStringList>

#include <gtest/gtest.h>
#include <utility>

using namespace corvessa;
using test::chart;
using test::history;
using test::rowTexts;
using test::written;

namespace {

}  // namespace

// ---- the box-number pair charts ----

namespace {
constexpr Rgb kDiffBand = rgb(255, 231, 255), kSumBand = rgb(194, 225, 219);
constexpr Rgb kDiffMark = rgb(0, 206, 188), kSumMark = rgb(255, 194, 0);
}  // namespace

TEST(PairDiffSum, DifferenceAndSumMarkedInTheirBlocks) {
  struct Case {
    const char *window, *draw;
    int diff, sum;
  };
  const Case cases[] = {
      {"frm3dshouwei", "2 9 4", 7, 11},  {"frm3ddazhong", "2 9 4", 5, 13},  {"frm3dzhongxiao", "2 9 4", 2, 6},
      {"frm3dshouwei", "0 0 5", 5, 5},   {"frm3dzhongxiao", "0 0 5", 0, 0}, {"frm3ddazhong", "0 0 5", 5, 5},
      {"frm3dshouwei", "9 9 9", 0, 18},  {"frm3ddazhong", "3 7 3", 4, 10},  {"frm3dzhongxiao", "3 7 3", 0, 6},
      {"frm3dshouwei", "0 0 0", 0, 0},   {"frm3ddazhong", "0 0 0", 0, 0},   {"frm3dzhongxiao", "9 0 1", 1, 1},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(std::string(tc.window) + " " + tc.draw);
    const ResultGrid g = chart(tc.window, history({tc.draw}));
    ASSERT_EQ(g.rows(), 3);
    EXPECT_EQ(g.text(1, 5), QString::number(tc.diff));
    EXPECT_EQ(g.text(1, 17), QString::number(tc.sum));
    // One difference mark in columns 6..15, the bands under the rest.
    QStringList diffMark{QStringLiteral("%1=%2").arg(6 + tc.diff).arg(tc.diff)};
    EXPECT_EQ(written(g, 1, 6, 15), diffMark);
    for (int c = 6; c <= 15; ++c)
      EXPECT_EQ(g.backColor(1, c), c == 6 + tc.diff ? kDiffMark : c >= 9 && c <= 12 ? kDiffBand : 0u) << c;
    // The sum 0 has no column: the "+" cell itself takes the sum's colour.
    const QStringList sumMark =
        tc.sum == 0 ? QStringList() : QStringList{QStringLiteral("%1=%2").arg(17 + tc.sum).arg(tc.sum)};
    EXPECT_EQ(written(g, 1, 18, 35), sumMark);
    EXPECT_EQ(g.backColor(1, 17), tc.sum == 0 ? kSumMark : 0u);
    for (int c = 18; c <= 35; ++c)
      EXPECT_EQ(g.backColor(1, c), c == 17 + tc.sum ? kSumMark : c >= 22 && c <= 30 ? kSumBand : 0u) << c;
    for (int c : {4, 16, 36})
      EXPECT_TRUE(g.isEmpty(1, c) && g.backColor(1, c) == 0) << c;
  }
}

TEST(PairDiffSum, DrawOrderHeadersAndAnEmptyHistory) {
  const ResultGrid g = chart("frm3dshouwei", history({"7 3 0"}));
  EXPECT_EQ(rowTexts(g, 1, 0, 5), " 1:730 7 3 0  7");
  EXPECT_EQ(rowTexts(g, 0, 0, 17), " H T U  - 0 1 2 3 4 5 6 7 8 9  +");
  EXPECT_EQ(rowTexts(g, 0, 18, 36), "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 ");
  EXPECT_EQ(g.colWidth(0), 1290);
  for (int c : {4, 16, 36})
    EXPECT_EQ(g.colWidth(c), 60) << c;
  EXPECT_EQ(g.colWidth(35), 300);

  for (const char *window : {"frm3dshouwei", "frm3ddazhong", "frm3dzhongxiao"}) {
    SCOPED_TRACE(window);
    const ResultGrid empty = chart(window, QByteArray());
    ASSERT_EQ(empty.rows(), 2);
    EXPECT_EQ(rowTexts(empty, 0, 18, 35), "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18");
    for (int c = 0; c < empty.cols(); ++c)
      EXPECT_TRUE(empty.isEmpty(1, c) && empty.backColor(1, c) == 0) << c;
    EXPECT_EQ(empty.topRow(), 1);
  }
}

TEST(PairDiffSum, CaptionsBeforeAndAfterTheLoad) {
  struct Case {
    const char *window, *designCaption, *title, *helpPage;
  };
  const Case cases[] = {
      {"frm3dshouwei", "Box Number:Large+Small;Large-Small", "Box Number:Large-Small;Large+Small",
       "\\help\\Large_Small.htm"},
      {"frm3ddazhong", "Box Number:Large-Middle;Large+Middle", "Box Number:Large-Middle;Large+Middle",
       "\\help\\Large_Middle.htm"},
      {"frm3dzhongxiao", "Box Number:Middle-Small;Middle+Small", "Box Number:Middle-Small;Middle+Small",
       "\\help\\Middle_Small.htm"},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(tc.window);
    RecordingHost host;
    ToolSession s(test::registeredTool(tc.window), &host);
    EXPECT_EQ(s.state().caption, tc.designCaption);
    s.load(parseDrawHistory(history({"1 2 3"})));
    const std::vector<std::pair<bool, QString>> expected = {{true, "Loading......"}, {false, tc.title}};
    EXPECT_EQ(host.busyCaptions, expected);
    EXPECT_EQ(s.state().caption, tc.title);
    s.click("Command3");
    EXPECT_EQ(host.openedPages, QStringList{tc.helpPage});
    EXPECT_FALSE(s.state().control("Command1").visible);
  }
}

// ---- "+ or - of Pairs " ----

namespace {
constexpr Rgb kPairMark = rgb(200, 164, 170);

// The one mark of a row in columns first..last, on the pairs' mark colour.
int markIn(const ResultGrid &g, int row, int first, int last) { return test::markedCol(g, row, first, last, kPairMark); }
}  // namespace

TEST(SumOrDifferenceOfPairs, ThreeTaggedRowsADraw) {
  struct Row {
    const char *label, *sum;
    int sumCol;
    const char *diff;
    int diffCol;
  };
  const struct Case {
    const char *draw;
    Row rows[3];
  } cases[] = {
      {"9 9 0",
       {{" 1:990(H\u00b1T)", "18", 20, "0", 23},
        {" 1:990(H\u00b1U)", "9", 11, "9", 32},
        {" 1:990(T\u00b1U)", "9", 11, "9", 32}}},
      {"5 5 5",
       {{" 1:555(H\u00b1T)", "10", 12, "0", 23},
        {" 1:555(H\u00b1U)", "10", 12, "0", 23},
        {" 1:555(T\u00b1U)", "10", 12, "0", 23}}},
      {"0 0 0",
       {{" 1:000(H\u00b1T)", "0", 2, "0", 23},
        {" 1:000(H\u00b1U)", "0", 2, "0", 23},
        {" 1:000(T\u00b1U)", "0", 2, "0", 23}}},
      {"2 7 4",
       {{" 1:274(H\u00b1T)", "9", 11, "5", 28},
        {" 1:274(H\u00b1U)", "6", 8, "2", 25},
        {" 1:274(T\u00b1U)", "11", 13, "3", 26}}},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(tc.draw);
    const ResultGrid g = chart("frmliangmahecha", history({tc.draw}));
    ASSERT_EQ(g.rows(), 5);
    for (int r = 1; r <= 3; ++r) {
      const Row &row = tc.rows[r - 1];
      EXPECT_EQ(g.text(r, 0), QString::fromUtf8(row.label));
      EXPECT_EQ(g.text(r, 1), row.sum);
      EXPECT_EQ(g.text(r, 22), row.diff);
      EXPECT_EQ(markIn(g, r, 2, 20), row.sumCol);
      EXPECT_EQ(g.text(r, row.sumCol), row.sum);
      EXPECT_EQ(markIn(g, r, 23, 32), row.diffCol);
      EXPECT_EQ(g.text(r, row.diffCol), row.diff);
      // The digits stay in the nearly hidden columns of every row.
      EXPECT_EQ(rowTexts(g, r, 33, 35), QString(tc.draw));
      EXPECT_TRUE(g.isEmpty(r, 21));
    }
    for (int c = 0; c < g.cols(); ++c)
      EXPECT_TRUE(g.isEmpty(4, c) && g.backColor(4, c) == 0) << "spare row, column " << c;
    EXPECT_EQ(g.topRow(), 4);
  }
}

TEST(SumOrDifferenceOfPairs, HeadersWidthsAndAnEmptyHistory) {
  const ResultGrid g = chart("frmliangmahecha", QByteArray());
  ASSERT_EQ(g.rows(), 2);
  EXPECT_EQ(rowTexts(g, 0, 0, 21), " + 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 ");
  EXPECT_EQ(rowTexts(g, 0, 22, 35), "- 0 1 2 3 4 5 6 7 8 9   ");
  for (int c = 0; c < g.cols(); ++c)
    EXPECT_TRUE(g.isEmpty(1, c) && g.backColor(1, c) == 0) << c;
  EXPECT_EQ(g.topRow(), 1);
  const std::pair<int, int> widths[] = {{0, 1978}, {1, 258}, {20, 258}, {21, 60}, {22, 228}, {32, 228}, {33, 2}, {35, 2}};
  for (const auto &[col, twips] : widths)
    EXPECT_EQ(g.colWidth(col), twips) << col;
}

// A hundred thousand draws take 300,002 rows; the newest draw's three rows sit
// above the blank last row.
TEST(SumOrDifferenceOfPairs, AHundredThousandDraws) {
  QByteArray data;
  data.reserve(100000 * 14);
  for (int k = 1; k <= 100000; ++k)
    data += QByteArray::number(k) + ' ' + QByteArray::number(k % 10) + ' ' + QByteArray::number(k / 10 % 10) +
            ' ' + QByteArray::number(k / 100 % 10) + "\r\n";
  const ResultGrid g = chart("frmliangmahecha", data);
  ASSERT_EQ(g.rows(), 300002);
  // The last draw, 100000, is 0 0 0.
  EXPECT_EQ(g.text(299998, 0), QString::fromUtf8(" 100000:000(H\u00b1T)"));
  EXPECT_EQ(g.text(300000, 0), QString::fromUtf8(" 100000:000(T\u00b1U)"));
  EXPECT_EQ(markIn(g, 300000, 2, 20), 2);
  // Draw 99999 is 9 9 9: the sum 18 in column 20.
  EXPECT_EQ(markIn(g, 299997, 2, 20), 20);
  for (int c = 0; c < g.cols(); ++c)
    EXPECT_TRUE(g.isEmpty(300001, c)) << c;
  EXPECT_EQ(g.topRow(), 300001);
}

TEST(SumOrDifferenceOfPairs, TheCaptionStaysAndHelpOpensItsPage) {
  RecordingHost host;
  ToolSession s(test::registeredTool("frmliangmahecha"), &host);
  s.load(parseDrawHistory(history({"1 2 3"})));
  EXPECT_TRUE(host.busyCaptions.empty());
  EXPECT_EQ(s.state().caption, "+ or - of Pairs ");
  s.click("Command3");
  EXPECT_EQ(host.openedPages, QStringList{"\\help\\Sum_or_difference_of_Pairs .htm"});
  EXPECT_THROW(s.state().control("Command1"), std::logic_error);
}

// ---- "Units of product of two digits " ----

TEST(ProductUnits, PairsFiledUnderTheirProductsUnits) {
  struct Case {
    const char *draw;
    QStringList cells;  // columns 5..14
  };
  const Case cases[] = {
      {"3 4 6", {"7=34;", "9=46;", "13=36;"}},
      {"2 5 5", {"5=25;25;", "10=55;"}},
      {"0 7 3", {"5=07;03;", "6=73;"}},
      {"0 0 0", {"5=00;00;00;"}},
      {"5 5 5", {"10=55;55;55;"}},
      {"6 2 9", {"7=62;", "9=69;", "13=29;"}},
      {"9 3 3", {"12=93;93;", "14=33;"}},
      {"4 1 6", {"9=41;46;", "11=16;"}},
      {"3 1 3", {"8=31;13;", "14=33;"}},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(tc.draw);
    const ResultGrid g = chart("frmliangmajiwei", history({tc.draw}));
    ASSERT_EQ(g.rows(), 3);
    EXPECT_EQ(written(g, 1, 5, 14), tc.cells);
    for (int c = 0; c <= 14; ++c)
      EXPECT_EQ(g.backColor(1, c), c >= 5 && !g.isEmpty(1, c) ? rgb(189, 157, 165) : 0u) << c;
    EXPECT_EQ(rowTexts(g, 1, 0, 4), QStringLiteral(" 1:%1 %2 ").arg(QString(tc.draw).remove(' '), tc.draw));
  }
}

TEST(ProductUnits, HeadersCaptionAndAnEmptyHistory) {
  RecordingHost host;
  ToolSession s(test::registeredTool("frmliangmajiwei"), &host);
  s.load(DrawHistory{});
  const ResultGrid &g = s.state().grid;
  ASSERT_EQ(g.rows(), 2);
  EXPECT_EQ(rowTexts(g, 0, 0, 14), " H T U  0 1 2 3 4 5 6 7 8 9");
  for (int c = 0; c < g.cols(); ++c)
    EXPECT_TRUE(g.isEmpty(1, c) && g.backColor(1, c) == 0) << c;
  EXPECT_EQ(g.topRow(), 1);
  EXPECT_EQ(g.colWidth(4), 60);
  EXPECT_EQ(g.colWidth(14), 840);
  EXPECT_EQ(s.design().caption, "Units of product of two digits ");
  EXPECT_EQ(s.state().caption, "Units of product of two digits ");
  s.click("Command3");
  EXPECT_EQ(host.openedPages, QStringList{"\\help\\Units_of_product_of_two_digits.htm"});
}
