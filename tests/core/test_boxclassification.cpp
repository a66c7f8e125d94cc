// The "Box" menu's classification charts: Four Models, Small/Middle/Large,
// Box Number Shape, addition and multiplication box numbers, and the
// remainder-5 sums. Each is checked on the draws a user would enter, cell by
// cell and colour by colour, and on the 1000 numbers 000 to 999 once each.
#include "charts/framework/tool.h"
#include "charts/framework/toolframe.h"
#include "charts/framework/toolsession.h"
#include "core/drawfile.h"
#include "support/core/qtprint.h"
#include "support/core/chartcells.h"

#include <QByteArray>
#include <QStringList>

#include <gtest/gtest.h>
#include <map>

using namespace corvessa;
using test::chart;
using test::drawFile;
using test::everyNumber;
using test::expectWidths;
using test::history;
using test::markedCol;
using test::rowTexts;

namespace {

const char *const kFourModels = "frmxingtai1";
const char *const kSmallMiddleLarge = "frm3dzxxzd";
const char *const kShape = "frmzuxuan012lu";
const char *const kAddMultiply = "frmjiachengzh";
const char *const kRemainder5 = "frm3shu5luhe";

QString rowColours(const ResultGrid &g, int row, int first, int last) {
  QStringList out;
  for (int c = first; c <= last; ++c)
    out << (g.backColor(row, c) ? QString::number(g.backColor(row, c), 16).rightJustified(6, '0') : "-");
  return out.join(QLatin1Char(' '));
}

// Marks per column over draw rows 1..n.
std::map<int, int> marksPerColumn(const ResultGrid &g, int n, int first, int last, Rgb back) {
  std::map<int, int> out;
  for (int r = 1; r <= n; ++r)
    ++out[markedCol(g, r, first, last, back)];
  return out;
}

constexpr Rgb kFooterBack = rgb(231, 225, 239), kFooterFore = rgb(0, 0, 255);
const QString kModelMark = QStringLiteral("*************");

}  // namespace

// ---- Four Models ----------------------------------------------------------

TEST(FourModels, EachDrawInTheColumnOfItsBigAndOddCounts) {
  struct Case {
    const char *draw;
    int col;  // 0: no model
  };
  const Case cases[] = {
      {"5 6 1", 5}, {"7 8 2", 6}, {"9 0 3", 7}, {"6 1 2", 8}, {"5 5 0", 5}, {"4 4 9", 8},
      {"5 7 9", 0}, {"0 2 4", 0}, {"6 8 2", 0}, {"1 3 5", 0},
  };
  QStringList draws;
  for (const Case &tc : cases)
    draws << tc.draw;
  const ResultGrid g = chart(kFourModels, history(draws));
  const int n = int(draws.size());
  ASSERT_EQ(g.rows(), n + 6);
  for (int i = 0; i < n; ++i) {
    const int r = i + 1;
    SCOPED_TRACE(cases[i].draw);
    EXPECT_EQ(rowTexts(g, r, 1, 3), cases[i].draw);
    EXPECT_TRUE(g.isEmpty(r, 4));
    for (int c = 5; c <= 8; ++c) {
      // A hit is the marker as text only; every other cell holds a miss count.
      EXPECT_EQ(g.backColor(r, c), 0u) << "column " << c;
      if (c == cases[i].col)
        EXPECT_EQ(g.text(r, c), kModelMark);
      else
        EXPECT_GT(g.text(r, c).toInt(), 0) << "column " << c << ": " << g.text(r, c).toStdString();
    }
  }
  EXPECT_EQ(g.text(7, 0), " 7:579");
  // The last draws, of no model, count on in all four columns.
  EXPECT_EQ(rowTexts(g, 10, 5, 8), "5 8 7 4");
}

TEST(FourModels, MissCountsAndTheFooterWithAnEmptyAverageWithoutHits) {
  // Models: 1 (col 5), none, 2 (col 6), 1 (col 5), none.
  const ResultGrid g = chart(kFourModels, history({"5 6 1", "0 2 4", "7 8 2", "5 5 0", "6 8 2"}));
  ASSERT_EQ(g.rows(), 5 + 6);
  EXPECT_EQ(rowTexts(g, 0, 0, 8), " H T U  2B1S;2O1E 2B1S;2E1O 2S1B;2O1E 2S1B;2E1O");
  const QStringList expected[] = {
      {kModelMark, "1", "1", "1"}, {"1", "2", "2", "2"}, {"2", kModelMark, "3", "3"},
      {kModelMark, "1", "4", "4"}, {"1", "2", "5", "5"},
  };
  for (int r = 1; r <= 5; ++r)
    EXPECT_EQ(rowTexts(g, r, 5, 8), expected[r - 1].join(' ')) << "row " << r;
  EXPECT_EQ(rowTexts(g, 6, 0, 8).trimmed(), QString());
  EXPECT_EQ(rowTexts(g, 7, 0, 8), "Amount     2 1 0 0");
  // Max Miss counts the run still open at the newest draw: 5, beside Current Miss 5.
  EXPECT_EQ(rowTexts(g, 8, 0, 8), "Max Miss     2 2 5 5");
  EXPECT_EQ(rowTexts(g, 9, 0, 8), "Current Miss     1 2 5 5");
  EXPECT_EQ(rowTexts(g, 10, 0, 8), "Average     2 5  ");
  for (int r = 7; r <= 10; ++r)
    for (int c = 0; c <= 8; ++c) {
      EXPECT_EQ(g.backColor(r, c), c == 0 ? 0u : kFooterBack) << r << ", " << c;
      EXPECT_EQ(g.foreColor(r, c), c == 0 ? 0u : kFooterFore) << r << ", " << c;
    }
  EXPECT_EQ(g.topRow(), g.rows() - 1);
  expectWidths(g, {{0, 1218}, {1, 300}, {3, 300}, {4, 30}, {5, 1178}, {8, 1178}});
}

TEST(FourModels, EmptyHistoryShowsZerosAndEmptyAverages) {
  const ResultGrid g = chart(kFourModels, QByteArray());
  ASSERT_EQ(g.rows(), 6);
  EXPECT_EQ(rowTexts(g, 2, 0, 8), "Amount     0 0 0 0");
  EXPECT_EQ(rowTexts(g, 3, 0, 8), "Max Miss     0 0 0 0");
  EXPECT_EQ(rowTexts(g, 4, 0, 8), "Current Miss     0 0 0 0");
  EXPECT_EQ(rowTexts(g, 5, 0, 8), "Average        ");
}

TEST(FourModels, EveryNumberOnceFitsOneModelAtMost) {
  const ResultGrid g = chart(kFourModels, drawFile(everyNumber()));
  ASSERT_EQ(g.rows(), 1000 + 6);
  int fitting = 0;
  for (int r = 1; r <= 1000; ++r) {
    int marks = 0;
    for (int c = 5; c <= 8; ++c)
      marks += g.text(r, c) == kModelMark;
    ASSERT_LE(marks, 1) << "row " << r;
    fitting += marks;
  }
  // Big odd digits 5 7 9, big even 6 8, small odd 1 3, small even 0 2 4:
  // two big and two odd is BO BO SE (3 x 27) or BO BE SO (6 x 12), 153.
  EXPECT_EQ(rowTexts(g, 1002, 5, 8), "153 132 132 153");
  EXPECT_EQ(fitting, 153 + 132 + 132 + 153);
}

// ---- Box Number-Small/Middle/Large -----------------------------------------

constexpr Rgb kSmallBack = rgb(182, 188, 164), kMiddleBack = rgb(255, 206, 164), kLargeBack = rgb(0, 206, 237);

TEST(SmallMiddleLarge, SortedDigitsInTheirThreeBlocks) {
  struct Case {
    const char *draw, *sorted;
    int smallCol, middleCol, largeCol;
  };
  const Case cases[] = {
      {"7 2 7", "2 7 7", 7, 23, 34},
      {"5 5 5", "5 5 5", 10, 21, 32},
      {"0 0 9", "0 0 9", 5, 16, 36},
      {"9 4 1", "1 4 9", 6, 20, 36},
  };
  QByteArray data;
  for (const Case &tc : cases)
    data += QByteArray("58 ") + tc.draw + "\r\n";
  const ResultGrid g = chart(kSmallMiddleLarge, data);
  ASSERT_EQ(g.rows(), 4 + 2);
  for (int i = 0; i < 4; ++i) {
    const Case &tc = cases[i];
    const int r = i + 1;
    SCOPED_TRACE(tc.draw);
    EXPECT_EQ(g.text(r, 0), " 58:" + QString::fromLatin1(tc.draw).remove(' '));  // the draw order
    EXPECT_EQ(rowTexts(g, r, 1, 3), tc.sorted);
    const QStringList sorted = QString::fromLatin1(tc.sorted).split(' ');
    EXPECT_EQ(markedCol(g, r, 5, 14, kSmallBack), tc.smallCol);
    EXPECT_EQ(markedCol(g, r, 16, 25, kMiddleBack), tc.middleCol);
    EXPECT_EQ(markedCol(g, r, 27, 36, kLargeBack), tc.largeCol);
    EXPECT_EQ(g.text(r, tc.smallCol), sorted[0]);
    EXPECT_EQ(g.text(r, tc.middleCol), sorted[1]);
    EXPECT_EQ(g.text(r, tc.largeCol), sorted[2]);
    for (int c : {4, 15, 26, 37})
      EXPECT_TRUE(g.isEmpty(r, c) && g.backColor(r, c) == 0) << "column " << c;
  }
  // Headers "H", "T", "U" over the sorted digits, "0" to "9" over each block.
  EXPECT_EQ(rowTexts(g, 0, 0, 37),
            " H T U  0 1 2 3 4 5 6 7 8 9  0 1 2 3 4 5 6 7 8 9  0 1 2 3 4 5 6 7 8 9 ");
  expectWidths(g, {{0, 1290}, {1, 300}, {3, 300}, {4, 60}, {5, 300}, {14, 300}, {15, 60}, {26, 60}, {36, 300},
                   {37, 60}});
  EXPECT_EQ(rowTexts(g, 5, 0, 37).trimmed(), QString());
  // The last mark written, the Large cell of the newest draw, is the current cell.
  EXPECT_EQ(g.currentRow(), 4);
  EXPECT_EQ(g.currentCol(), 36);
  EXPECT_EQ(g.topRow(), 5);
}

TEST(SmallMiddleLarge, EmptyHistoryLeavesTheHeaderAndOneBlankRow) {
  const ResultGrid g = chart(kSmallMiddleLarge, QByteArray());
  ASSERT_EQ(g.rows(), 2);
  EXPECT_EQ(rowTexts(g, 1, 0, 37).trimmed(), QString());
  EXPECT_EQ(rowColours(g, 1, 0, 37).remove(' ').remove('-'), QString());
}

TEST(SmallMiddleLarge, EveryNumberOnceMarksOneCellInEachBlock) {
  const ResultGrid g = chart(kSmallMiddleLarge, drawFile(everyNumber()));
  const auto small = marksPerColumn(g, 1000, 5, 14, kSmallBack);
  const auto middle = marksPerColumn(g, 1000, 16, 25, kMiddleBack);
  const auto large = marksPerColumn(g, 1000, 27, 36, kLargeBack);
  for (int d = 0; d < 10; ++d) {
    SCOPED_TRACE(d);
    // Smallest d: every digit >= d, less every digit > d; largest d likewise.
    EXPECT_EQ(small.at(5 + d), (10 - d) * (10 - d) * (10 - d) - (9 - d) * (9 - d) * (9 - d));
    EXPECT_EQ(large.at(27 + d), (d + 1) * (d + 1) * (d + 1) - d * d * d);
    // Middle d: d three times (1), twice with another digit (27), or once
    // between a smaller and a larger digit (6 orders).
    EXPECT_EQ(middle.at(16 + d), 28 + 6 * d * (9 - d));
  }
  EXPECT_EQ(small.count(-1) + middle.count(-1) + large.count(-1), 0u);
}

// ---- Box Number Shape ----------------------------------------------------

constexpr Rgb kGreen = rgb(42, 219, 167), kOrange = rgb(249, 182, 85), kBlue = rgb(127, 176, 206);
constexpr Rgb kHighlight = rgb(43, 145, 255);

TEST(BoxNumberShape, ClassesPatternAndShapeMarksOfEachDraw) {
  struct Case {
    const char *draw;
    const char *routes, *routeColours;  // columns 1..4
    int tripleCol;
    const char *even, *evenColours;     // columns 16..19
    int evenCol;
    const char *big, *bigColours;       // 25..28
    int bigCol;
    const char *prime, *primeColours;   // 34..37
    int primeCol;
  };
  const Case cases[] = {
      {"2 5 7", "221 2 2 1", "- - - f9b655", 14, "1 E O O", "- 2adba7 f9b655 f9b655", 23, "2 S B B",
       "- f9b655 2adba7 2adba7", 31, "3 P P P", "- 2adba7 2adba7 2adba7", 39},
      {"0 0 0", "000 0 0 0", "- 2adba7 2adba7 2adba7", 5, "3 E E E", "- 2adba7 2adba7 2adba7", 21, "0 S S S",
       "- f9b655 f9b655 f9b655", 29, "0 C C C", "- f9b655 f9b655 f9b655", 38},
      {"9 9 9", "000 0 0 0", "- 2adba7 2adba7 2adba7", 5, "0 O O O", "- f9b655 f9b655 f9b655", 20, "3 B B B",
       "- 2adba7 2adba7 2adba7", 30, "0 C C C", "- f9b655 f9b655 f9b655", 38},
      {"2 3 4", "201 2 0 1", "- - 2adba7 f9b655", 8, "2 E O E", "- 2adba7 f9b655 2adba7", 22, "0 S S S",
       "- f9b655 f9b655 f9b655", 29, "2 P P C", "- 2adba7 2adba7 f9b655", 40},
      {"8 6 1", "201 2 0 1", "- - 2adba7 f9b655", 8, "2 E E O", "- 2adba7 2adba7 f9b655", 22, "2 B B S",
       "- 2adba7 2adba7 f9b655", 31, "1 C C P", "- f9b655 f9b655 2adba7", 41},
  };
  QStringList draws;
  for (const Case &tc : cases)
    draws << tc.draw;
  const ResultGrid g = chart(kShape, history(draws));
  ASSERT_EQ(g.rows(), int(draws.size()) + 3);
  for (int i = 0; i < int(std::size(cases)); ++i) {
    const Case &tc = cases[i];
    const int r = i + 1;
    SCOPED_TRACE(tc.draw);
    EXPECT_EQ(g.text(r, 0), QStringLiteral(" %1:").arg(r) + QString::fromLatin1(tc.draw).remove(' '));
    EXPECT_EQ(rowTexts(g, r, 43, 45), tc.draw);
    EXPECT_EQ(rowTexts(g, r, 1, 4), tc.routes);
    EXPECT_EQ(rowColours(g, r, 1, 4), tc.routeColours);
    EXPECT_EQ(rowTexts(g, r, 16, 19), tc.even);
    EXPECT_EQ(rowColours(g, r, 16, 19), tc.evenColours);
    EXPECT_EQ(rowTexts(g, r, 25, 28), tc.big);
    EXPECT_EQ(rowColours(g, r, 25, 28), tc.bigColours);
    EXPECT_EQ(rowTexts(g, r, 34, 37), tc.prime);
    EXPECT_EQ(rowColours(g, r, 34, 37), tc.primeColours);
    // Each block's one mark is its header's text on blue.
    const std::pair<int, int> blocks[] = {{5, 14}, {20, 23}, {29, 32}, {38, 41}};
    const int expected[] = {tc.tripleCol, tc.evenCol, tc.bigCol, tc.primeCol};
    for (int b = 0; b < 4; ++b) {
      const int c = markedCol(g, r, blocks[b].first, blocks[b].second, kBlue);
      EXPECT_EQ(c, expected[b]);
      if (c > 0) {
        EXPECT_EQ(g.text(r, c), g.text(0, c));
      }
    }
    for (int c : {15, 24, 33, 42})
      EXPECT_TRUE(g.isEmpty(r, c) && g.backColor(r, c) == 0) << "column " << c;
  }
  for (int r : {6, 7})
    EXPECT_EQ(rowTexts(g, r, 0, 45).trimmed(), QString()) << "row " << r;
}

TEST(BoxNumberShape, HeadersWidthsRowHeightAndScroll) {
  for (const QByteArray &data : {QByteArray(), history({"2 5 7"})}) {
    const ResultGrid g = chart(kShape, data);
    ASSERT_EQ(g.cols(), 46);
    EXPECT_EQ(rowTexts(g, 0, 0, 15), " 012Type H T U 000 111 222 012 001 002 011 112 022 122 ");
    EXPECT_EQ(rowTexts(g, 0, 16, 45),
              "Even H T U 0E 3E 2E 1E  Big H T U 0B 3B 2B 1B  Prime H T U 0P 3P 2P 1P    ");
    expectWidths(g, {{0, 1204}, {1, 860}, {2, 255}, {4, 255}, {5, 420}, {14, 420}, {15, 80}, {16, 860},
                     {19, 255}, {20, 588}, {23, 588}, {24, 80}, {25, 860}, {29, 588}, {33, 80}, {34, 860},
                     {35, 255}, {41, 588}, {42, 80}, {43, 2}, {45, 2}});
    EXPECT_EQ(g.rowHeight(0), 300);
    EXPECT_EQ(g.rowHeight(1), ResultGrid::kDefaultWidth);
    EXPECT_EQ(g.topRow(), g.rows() - 1);
  }
  const ResultGrid empty = chart(kShape, QByteArray());
  EXPECT_EQ(empty.rows(), 3);
  for (int r : {1, 2})
    EXPECT_EQ(rowTexts(empty, r, 0, 45).trimmed(), QString());
}

TEST(BoxNumberShape, EveryNumberOnceMarksOneColumnOfEachBlock) {
  const ResultGrid g = chart(kShape, drawFile(everyNumber()));
  // Routes: 0 for 0 3 6 9, 1 for 1 4 7, 2 for 2 5 8.
  const std::map<int, int> triples = {{5, 64},  {6, 27},  {7, 27},  {8, 216}, {9, 144},
                                      {10, 144}, {11, 108}, {12, 81}, {13, 108}, {14, 81}};
  EXPECT_EQ(marksPerColumn(g, 1000, 5, 14, kBlue), triples);
  // Five digits of each class: counts 0, 3, 2, 1 in 125, 125, 375, 375 draws.
  for (int first : {20, 29, 38})
    EXPECT_EQ(marksPerColumn(g, 1000, first, first + 3, kBlue),
              (std::map<int, int>{{first, 125}, {first + 1, 125}, {first + 2, 375}, {first + 3, 375}}))
        << "block from column " << first;
  for (int r = 1; r <= 1000; ++r) {
    const int n = r - 1;
    const int digits[3] = {n / 100, n / 10 % 10, n % 10};
    QString pattern;
    for (int d : digits)
      pattern += QString::number(d % 3);
    ASSERT_EQ(g.text(r, 1), pattern) << "row " << r;
  }
}

TEST(BoxNumberShape, KeepsItsCaptionHasNoBusyCaptionAndAHelpThatDoesNothing) {
  RecordingHost host;
  ToolSession session(test::registeredTool(kShape), &host);
  EXPECT_EQ(session.state().caption, "Box Number Shape");
  session.load(parseDrawHistory(history({"2 5 7"})));
  EXPECT_EQ(session.state().caption, "Box Number Shape");
  EXPECT_TRUE(host.busyCaptions.empty());
  EXPECT_EQ(session.design().control("Command1"), nullptr);
  const ControlDesign *help = session.design().control("Command3");
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->caption, "Help");
  EXPECT_TRUE(help->visible);
  session.click("Command3");
  EXPECT_TRUE(host.openedPages.isEmpty());
  EXPECT_FALSE(host.closed);
  session.click("Command2");
  EXPECT_TRUE(host.closed);
}

TEST(BoxNumberShape, APressTogglesTheHighlightAndTheClassColourStaysAway) {
  ToolSession session(test::registeredTool(kShape));
  session.load(parseDrawHistory(history({"2 5 7", "0 0 0"})));
  const ResultGrid &g = session.state().grid;
  struct Case {
    int row, col;
    Rgb before;
  };
  // An uncoloured route, a green letter, a blue mark, an empty cell.
  for (const Case &c : {Case{1, 2, 0}, Case{1, 17, kGreen}, Case{2, 5, kBlue}, Case{2, 6, 0}}) {
    SCOPED_TRACE(testing::Message() << "cell " << c.row << ", " << c.col);
    ASSERT_EQ(g.backColor(c.row, c.col), c.before);
    const QString text = g.text(c.row, c.col);
    session.press(c.row, c.col);
    EXPECT_EQ(g.currentRow(), c.row);
    EXPECT_EQ(g.currentCol(), c.col);
    EXPECT_EQ(g.backColor(c.row, c.col), kHighlight);
    session.press(c.row, c.col);
    EXPECT_EQ(g.backColor(c.row, c.col), 0u);
    EXPECT_EQ(g.text(c.row, c.col), text);
  }
  // Only the pressed cells changed.
  EXPECT_EQ(g.backColor(1, 18), kOrange);
  // A header or a label is never the current cell: a press there changes nothing.
  for (const auto &[row, col] : {std::pair{0, 5}, std::pair{1, 0}, std::pair{0, 0}}) {
    session.press(row, col);
    EXPECT_EQ(g.backColor(row, col), 0u) << row << ", " << col;
    EXPECT_EQ(g.currentRow(), 2);
    EXPECT_EQ(g.currentCol(), 6);
  }
}

// ---- Addition and multiplication box numbers --------------------------------

constexpr Rgb kSumBack = rgb(43, 218, 255), kRed = rgb(255, 0, 0);

TEST(AddMultiply, SumWidthAndTheOneMarkOfEachDraw) {
  struct Case {
    const char *draw;
    const char *sum, *width;
    int markCol;  // 0: none
  };
  const Case cases[] = {
      {"4 9 5", "18", "5", 6}, {"6 2 3", "11", "4", 7}, {"2 4 2", "8", "2", 6}, {"0 0 0", "0", "0", 6},
      {"1 1 1", "3", "0", 7},  {"7 1 7", "15", "6", 7}, {"0 0 5", "5", "5", 0}, {"1 9 9", "19", "8", 7},
  };
  QStringList draws;
  for (const Case &tc : cases)
    draws << tc.draw;
  const ResultGrid g = chart(kAddMultiply, history(draws));
  ASSERT_EQ(g.rows(), int(draws.size()) + 2);
  for (int i = 0; i < int(std::size(cases)); ++i) {
    const Case &tc = cases[i];
    const int r = i + 1;
    SCOPED_TRACE(tc.draw);
    EXPECT_EQ(rowTexts(g, r, 1, 3), tc.draw);  // the draw order, not the sorted digits
    EXPECT_EQ(g.text(r, 4), tc.sum);
    EXPECT_EQ(g.backColor(r, 4), kSumBack);
    EXPECT_EQ(g.text(r, 5), tc.width);
    EXPECT_EQ(rowColours(g, r, 0, 3) + rowColours(g, r, 5, 5), "- - - --");
    const int c = markedCol(g, r, 6, 7, kRed);
    EXPECT_EQ(c, tc.markCol == 0 ? -1 : tc.markCol);
    if (c > 0) {
      EXPECT_EQ(g.text(r, c), "******");
    }
  }
  EXPECT_EQ(rowTexts(g, 0, 0, 7), " H T U S W Addition Box Number Multiplication Box Number");
  expectWidths(g, {{0, 1290}, {1, 300}, {5, 300}, {6, 860}, {7, 860}});
  EXPECT_EQ(rowTexts(g, g.rows() - 1, 0, 7).trimmed(), QString());
  EXPECT_EQ(g.currentRow(), int(draws.size()) + 1);
  EXPECT_EQ(g.currentCol(), 1);
  EXPECT_EQ(g.topRow(), g.rows() - 1);

  EXPECT_EQ(chart(kAddMultiply, QByteArray()).rows(), 2);
}

TEST(AddMultiply, EveryNumberOnceIsMarkedOnceAtMost) {
  const ResultGrid g = chart(kAddMultiply, drawFile(everyNumber()));
  // Multiplication only: 1 1 1, 1 x x (8 x 3 orders), 2 3 6 and 2 4 8 (6 orders
  // each), 3 3 9 (3 orders); 2 2 4 and 0 0 0 are addition box numbers.
  EXPECT_EQ(marksPerColumn(g, 1000, 6, 7, kRed), (std::map<int, int>{{-1, 1000 - 136 - 40}, {6, 136}, {7, 40}}));
}

// ---- Remainder-5 sums -----------------------------------------------------

constexpr Rgb kRemainderBack = rgb(182, 219, 170);

TEST(Remainder5Sum, TheSumBesideTheDigitsAndInItsColumn) {
  struct Case {
    const char *draw;
    int sum;
  };
  const Case cases[] = {{"9 9 9", 12}, {"5 0 5", 0}, {"3 8 4", 10}, {"1 6 2", 4}, {"4 4 0", 8}};
  QStringList draws;
  for (const Case &tc : cases)
    draws << tc.draw;
  const ResultGrid g = chart(kRemainder5, history(draws));
  ASSERT_EQ(g.rows(), int(draws.size()) + 2);
  for (int i = 0; i < int(std::size(cases)); ++i) {
    const int r = i + 1;
    SCOPED_TRACE(cases[i].draw);
    EXPECT_EQ(rowTexts(g, r, 1, 3), cases[i].draw);
    EXPECT_EQ(g.text(r, 5), QString::number(cases[i].sum));
    EXPECT_EQ(rowColours(g, r, 0, 6), "- - - - - - -");
    EXPECT_TRUE(g.isEmpty(r, 4) && g.isEmpty(r, 6));
    const int c = markedCol(g, r, 7, 19, kRemainderBack);
    EXPECT_EQ(c, cases[i].sum + 7);
    EXPECT_EQ(g.text(r, c), QString::number(cases[i].sum));
  }
  EXPECT_EQ(rowTexts(g, 0, 0, 19), " H T U    0 1 2 3 4 5 6 7 8 9 10 11 12");
  expectWidths(g, {{0, 1290}, {1, 300}, {3, 300}, {4, 20}, {5, 300}, {6, 20}, {7, 300}, {19, 300}});
  EXPECT_EQ(rowTexts(g, g.rows() - 1, 0, 19).trimmed(), QString());
  EXPECT_EQ(g.topRow(), g.rows() - 1);

  EXPECT_EQ(chart(kRemainder5, QByteArray()).rows(), 2);
}

TEST(Remainder5Sum, EveryNumberOnceMarksItsOneColumn) {
  const ResultGrid g = chart(kRemainder5, drawFile(everyNumber()));
  // Each remainder 0 to 4 comes from two digits: 8 x the ways three
  // remainders make the sum.
  const int ways[] = {1, 3, 6, 10, 15, 18, 19, 18, 15, 10, 6, 3, 1};
  std::map<int, int> expected;
  for (int s = 0; s <= 12; ++s)
    expected[7 + s] = 8 * ways[s];
  EXPECT_EQ(marksPerColumn(g, 1000, 7, 19, kRemainderBack), expected);
}

TEST(Remainder5Sum, TheNoteStaysUnderTheGridAtEverySize) {
  const ToolDesign &d = test::registeredTool(kRemainder5).design;
  const ControlDesign *note = d.control("Label1");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->kind, ControlKind::Label);
  EXPECT_EQ(note->caption, "||");
  EXPECT_EQ(note->place, (TwipsRect{15, 6210, 180, 180}));
  struct Size {
    int width, height;
  };
  for (const Size s : {Size{d.clientWidth, d.clientHeight}, Size{16000, 9000}, Size{6000, 3000}, Size{3000, 1500}}) {
    SCOPED_TRACE(testing::Message() << s.width << " x " << s.height);
    charts::FormGeometry g = charts::designGeometry(d);
    charts::formResizeLayout(d, g, s.width, s.height);
    const TwipsRect grid = g["MSFlexGrid1"], label = g["Label1"];
    EXPECT_EQ(grid, (TwipsRect{0, 0, s.width - 210, s.height - 1200}));
    EXPECT_EQ(label.left, 20);
    EXPECT_GT(label.top, grid.height);
    EXPECT_LE(label.top + label.height, s.height);
    if (s.width == d.clientWidth && s.height == d.clientHeight) {
      EXPECT_EQ(label.top, 6210);  // its place in the design
    }
  }
}

// ---- All five ---------------------------------------------------------

TEST(BoxClassification, ARecordWithADigitOutsideZeroToNineNeverReachesTheChart) {
  const QByteArray data = "1 5 6 1\r\n2 5 10 1\r\n3 x 3 0\r\n4 9 9 9\r\n5 -1 2 3\r\n";
  struct Chart {
    const char *window;
    int spareRows;
    std::pair<int, int> blocks[4];
  };
  const Chart charts[] = {
      {kSmallMiddleLarge, 1, {{5, 14}, {16, 25}, {27, 36}, {0, -1}}},
      {kShape, 2, {{5, 14}, {20, 23}, {29, 32}, {38, 41}}},
      {kRemainder5, 1, {{7, 19}, {0, -1}, {0, -1}, {0, -1}}},
  };
  for (const Chart &c : charts) {
    SCOPED_TRACE(c.window);
    const ResultGrid g = chart(c.window, data);
    ASSERT_EQ(g.rows(), 1 + 2 + c.spareRows);
    EXPECT_EQ(g.text(1, 0), " 1:561");
    EXPECT_EQ(g.text(2, 0), " 4:999");
    for (int r = 1; r <= 2; ++r)
      for (const auto &[first, last] : c.blocks) {
        if (last < first)
          continue;
        int marked = 0;
        for (int col = first; col <= last; ++col)
          marked += !g.isEmpty(r, col);
        EXPECT_EQ(marked, 1) << "row " << r << ", block from " << first;
      }
  }
  const ResultGrid models = chart(kFourModels, data);
  ASSERT_EQ(models.rows(), 2 + 6);
  EXPECT_EQ(rowTexts(models, 1, 5, 8), kModelMark + " 1 1 1");
  EXPECT_EQ(rowTexts(models, 4, 0, 8), "Amount     1 0 0 0");
  const ResultGrid sums = chart(kAddMultiply, data);
  ASSERT_EQ(sums.rows(), 2 + 2);
  EXPECT_EQ(rowTexts(sums, 2, 1, 7), "9 9 9 27 0  ");
}

TEST(BoxClassification, FourWindowsShowLoadingWhileTheyLoad) {
  struct Window {
    const char *name, *title, *helpPage;
  };
  const Window windows[] = {
      {kFourModels, "Four Models", "\\help\\Four_Models.htm"},
      {kSmallMiddleLarge, "Box Number-Small/Middle/Large", "\\help\\Box_Number-Small_Middle_Large.htm"},
      {kAddMultiply, "Addition Box Number&Multiplication Box Number", "\\help\\Addition-Multiplication.htm"},
      {kRemainder5, "Sum of returns the remainder after each digital divide by 5",
       "\\help\\Sum_remainder_after_divide_by_5.htm"},
  };
  for (const Window &w : windows) {
    SCOPED_TRACE(w.name);
    RecordingHost host;
    ToolSession session(test::registeredTool(w.name), &host);
    session.load(parseDrawHistory(history({"1 2 3"})));
    const std::vector<std::pair<bool, QString>> expected = {{true, "Loading......"}, {false, w.title}};
    EXPECT_EQ(host.busyCaptions, expected);
    EXPECT_EQ(session.state().caption, w.title);
    EXPECT_FALSE(session.state().control("Command1").visible);
    session.click("Command3");
    EXPECT_EQ(host.openedPages, QStringList{w.helpPage});
  }
}
