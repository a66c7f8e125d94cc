// The "Straight" menu's charts besides the position pairs: the trend, the
// straight number shape, the 320 recommended straight numbers with the
// column bands, the recommended digits and the rise-down shape.
#include "tools/menus.h"
#include "chartdump/commandline.h"
#include "charts/framework/chartdump.h"
#include "charts/columnbands.h"
#include "charts/framework/toolsession.h"
#include "core/drawfile.h"
#include "support/core/qtprint.h"
#include "support/core/chartcells.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryFile>

#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <tuple>

using namespace corvessa;
using test::chart;
using test::everyNumberOnce;
using test::history;
using test::rowTexts;
using test::written;

namespace {

}  // namespace

// ---- the column bands ----

TEST(ColumnBands, TwoBandsOverTheDrawRowsOnly) {
  ResultGrid g(5, 10);
  g.setCurrentCell(4, 1);
  charts::shadeColumnBands(g, 3, {2, 3, rgb(1, 2, 3)}, {6, 8, rgb(4, 5, 6)});
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 10; ++c) {
      const bool drawRow = r >= 1 && r <= 3;
      const Rgb expected = !drawRow ? 0 : c >= 2 && c <= 3 ? rgb(1, 2, 3) : c >= 6 && c <= 8 ? rgb(4, 5, 6) : 0;
      EXPECT_EQ(g.backColor(r, c), expected) << "row " << r << " column " << c;
      EXPECT_TRUE(g.isEmpty(r, c));
    }
  EXPECT_EQ(g.currentRow(), 3);
  EXPECT_EQ(g.currentCol(), 8);

  ResultGrid none(2, 10);
  none.setCurrentCell(1, 1);
  charts::shadeColumnBands(none, 0, {2, 3, rgb(1, 2, 3)}, {6, 8, rgb(4, 5, 6)});
  for (int c = 0; c < 10; ++c)
    EXPECT_EQ(none.backColor(1, c), 0u);
  EXPECT_EQ(none.currentRow(), 1);
  EXPECT_EQ(none.currentCol(), 1);
}

// ---- "Tundred Ten Units Trend" ----

namespace {
constexpr Rgb kTrendBlock[3] = {rgb(176, 200, 152), rgb(208, 204, 0), rgb(96, 204, 152)};
constexpr Rgb kDigitMark = rgb(255, 152, 104), kChangeMark = rgb(0, 146, 255);
}  // namespace

TEST(Trend, DigitAndSignedChangeMarks) {
  struct Case {
    const char *before, *draw;
    QStringList marks;  // row 2, columns 5..64
  };
  const Case cases[] = {
      {"3 7 0", "5 7 9", {"10=5", "17=2", "32=7", "35=0", "54=9", "64=9"}},
      {"9 1 5", "2 1 5", {"7=2", "22=-7", "26=1", "35=0", "50=5", "55=0"}},
      {"0 9 0", "9 0 0", {"14=9", "24=9", "25=0", "44=-9", "45=0", "55=0"}},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(tc.draw);
    const ResultGrid g = chart("frm3weizoushi", history({tc.before, tc.draw}));
    ASSERT_EQ(g.rows(), 7);
    EXPECT_EQ(written(g, 2, 5, 64), tc.marks);
    EXPECT_EQ(written(g, 1, 5, 64).size(), 3);  // the first draw has no change marks
    for (int r = 1; r <= 2; ++r)
      for (int c = 5; c <= 64; ++c) {
        const int p = (c - 5) / 20;
        const bool change = (c - 5) % 20 >= 10;
        const Rgb expected = g.isEmpty(r, c) ? kTrendBlock[p] : change ? kChangeMark : kDigitMark;
        EXPECT_EQ(g.backColor(r, c), expected) << "row " << r << " column " << c;
      }
    for (int r = 3; r < g.rows(); ++r)
      for (int c = 0; c < g.cols(); ++c)
        EXPECT_TRUE(g.isEmpty(r, c) && g.backColor(r, c) == 0) << "row " << r << " column " << c;
  }
}

TEST(Trend, LabelWithoutBlankHeadersAndEmptyHistory) {
  const ResultGrid g = chart("frm3weizoushi", "105 1 2 3\r\n");
  EXPECT_EQ(rowTexts(g, 1, 0, 4), "105:123 1 2 3 ");
  EXPECT_EQ(rowTexts(g, 0, 0, 4), "    ");
  QString digits;
  for (int c = 5; c <= 64; ++c)
    digits += g.text(0, c);
  EXPECT_EQ(digits, QString("0123456789").repeated(6));
  EXPECT_EQ(g.colWidth(0), 1131);
  for (int c = 1; c <= 64; ++c)
    EXPECT_EQ(g.colWidth(c), 240);
  EXPECT_EQ(g.topRow(), g.rows() - 1);

  const ResultGrid empty = chart("frm3weizoushi", QByteArray());
  ASSERT_EQ(empty.rows(), 5);
  EXPECT_EQ(empty.text(0, 64), "9");
  for (int r = 1; r < 5; ++r)
    for (int c = 0; c < empty.cols(); ++c)
      EXPECT_TRUE(empty.isEmpty(r, c) && empty.backColor(r, c) == 0) << "row " << r << " column " << c;
}

TEST(Trend, HelpIsHiddenAndOpensNothing) {
  RecordingHost host;
  ToolSession s(test::registeredTool("frm3weizoushi"), &host);
  s.load(parseDrawHistory("1 1 2 3\r\n"));
  EXPECT_EQ(s.state().caption, "Tundred Ten Units Trend");
  EXPECT_FALSE(s.state().control("Command3").visible);
  EXPECT_FALSE(s.state().control("Command1").visible);
  s.click("Command3");
  EXPECT_TRUE(host.openedPages.isEmpty());
}

// ---- "Straight Number shape" ----

namespace {
struct ShapeChart {
  int patternCol, firstLetterCol, firstChartCol;
  Rgb letterBack, markBack;
  char coloured;  // the one letter of the two that is coloured
};
constexpr ShapeChart kShapeCharts[] = {
    {1, 2, 5, rgb(42, 219, 167), rgb(212, 219, 225), 'E'},
    {14, 15, 18, rgb(127, 176, 237), rgb(243, 140, 0), 'B'},
    {27, 28, 31, rgb(236, 217, 136), rgb(40, 203, 0), 'P'},
};
constexpr Rgb kShapeBand = rgb(249, 212, 194);

// The column of a row's one mark in a chart, checked to hold the pattern
// on the chart's colour; the other seven cells carry no mark.
int shapeMarkCol(const ResultGrid &g, int row, const ShapeChart &chart) {
  const Rgb otherBack = chart.patternCol == 14 ? kShapeBand : 0;
  int found = -1;
  for (int c = chart.firstChartCol; c < chart.firstChartCol + 8; ++c) {
    if (g.isEmpty(row, c)) {
      EXPECT_EQ(g.backColor(row, c), otherBack) << "row " << row << " column " << c;
      continue;
    }
    EXPECT_EQ(found, -1) << "row " << row << ": a second mark in column " << c;
    EXPECT_EQ(g.text(row, c), g.text(row, chart.patternCol));
    EXPECT_EQ(g.text(row, c), g.text(0, c));
    EXPECT_EQ(g.backColor(row, c), chart.markBack);
    found = c;
  }
  return found;
}
}  // namespace

TEST(StraightShape, ExamplesCellByCell) {
  struct Case {
    const char *draw;
    const char *patterns[3];
    int markCols[3];
  };
  const Case cases[] = {
      {"0 5 7", {"EOO", "SBB", "CPP"}, {9, 22, 35}},
      {"4 9 1", {"EOO", "SBS", "CCP"}, {9, 23, 37}},
      {"2 2 2", {"EEE", "SSS", "PPP"}, {12, 25, 31}},
      {"9 6 3", {"OEO", "BBS", "CCP"}, {7, 19, 37}},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(tc.draw);
    const ResultGrid g = chart("frmjibenxingtai", history({tc.draw}));
    ASSERT_EQ(g.rows(), 4);
    EXPECT_EQ(rowTexts(g, 1, 40, 42), QString::fromLatin1(tc.draw));
    for (int k = 0; k < 3; ++k) {
      const ShapeChart &sc = kShapeCharts[k];
      EXPECT_EQ(g.text(1, sc.patternCol), tc.patterns[k]);
      EXPECT_EQ(g.backColor(1, sc.patternCol), k == 1 ? kShapeBand : 0);
      EXPECT_EQ(shapeMarkCol(g, 1, sc), tc.markCols[k]);
      for (int p = 0; p < 3; ++p) {
        const int c = sc.firstLetterCol + p;
        const char letter = tc.patterns[k][p];
        EXPECT_EQ(g.text(1, c), QString(QLatin1Char(letter)));
        const Rgb uncoloured = k == 1 ? kShapeBand : 0;
        EXPECT_EQ(g.backColor(1, c), letter == sc.coloured ? sc.letterBack : uncoloured) << "column " << c;
      }
    }
  }
}

TEST(StraightShape, EveryNumberOnceOneMarkPerChartEachParityPatternOf125) {
  const ResultGrid g = computeChart(test::registeredTool("frmjibenxingtai"), everyNumberOnce());
  ASSERT_EQ(g.rows(), 1003);
  std::map<QString, int> parity;
  for (int r = 1; r <= 1000; ++r) {
    for (const ShapeChart &sc : kShapeCharts)
      EXPECT_GE(shapeMarkCol(g, r, sc), 0) << "row " << r;
    ++parity[g.text(r, 1)];
    if (HasFailure())
      FAIL() << "row " << r;
  }
  const std::map<QString, int> expected = {{"OOO", 125}, {"OOE", 125}, {"OEO", 125}, {"OEE", 125},
                                           {"EOO", 125}, {"EOE", 125}, {"EEO", 125}, {"EEE", 125}};
  EXPECT_EQ(parity, expected);
}

TEST(StraightShape, HeadersBandRowHeightAndEmptyHistory) {
  const ResultGrid g = chart("frmjibenxingtai", QByteArray());
  ASSERT_EQ(g.rows(), 3);
  EXPECT_EQ(rowTexts(g, 0, 0, 13), " {OE} H T U OOO OOE OEO OEE EOO EOE EEO EEE ");
  EXPECT_EQ(rowTexts(g, 0, 14, 26), "{BS} H T U BBB BBS BSB BSS SBB SBS SSB SSS ");
  EXPECT_EQ(rowTexts(g, 0, 27, 42), "{PC} H T U PPP PPC PCP PCC CPP CPC CCP CCC    ");
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < g.cols(); ++c) {
      EXPECT_EQ(g.backColor(r, c), r >= 1 && c >= 14 && c <= 26 ? kShapeBand : 0) << "row " << r << " column " << c;
      if (r > 0) {
        EXPECT_TRUE(g.isEmpty(r, c));
      }
    }
  EXPECT_EQ(g.rowHeight(0), 300);
  EXPECT_EQ(g.rowHeight(1), ResultGrid::kDefaultWidth);
  const std::pair<int, int> widths[] = {{0, 1204}, {1, 420}, {2, 255}, {4, 255}, {5, 420}, {12, 420},
                                        {13, 80},  {14, 420}, {17, 255}, {26, 80}, {30, 255}, {38, 420},
                                        {39, 80},  {40, 2},   {42, 2}};
  for (auto [col, twips] : widths)
    EXPECT_EQ(g.colWidth(col), twips) << "column " << col;

  // With draws, the two rows under them carry the band alone.
  const ResultGrid one = chart("frmjibenxingtai", "105 1 2 3\r\n");
  EXPECT_EQ(one.text(1, 0), " 105:123");
  for (int r = 2; r <= 3; ++r)
    for (int c = 0; c < one.cols(); ++c)
      EXPECT_TRUE(one.isEmpty(r, c) && one.backColor(r, c) == (c >= 14 && c <= 26 ? kShapeBand : 0));
  EXPECT_EQ(one.topRow(), 3);
}

TEST(StraightShape, CaptionStaysAndAPressTogglesTheHighlight) {
  RecordingHost host;
  ToolSession s(test::registeredTool("frmjibenxingtai"), &host);
  EXPECT_EQ(s.state().caption, "Straight Number shape");
  s.load(parseDrawHistory("1 0 5 7\r\n"));
  EXPECT_EQ(s.state().caption, "Straight Number shape");
  EXPECT_TRUE(host.busyCaptions.empty());
  EXPECT_EQ(s.state().controls.size(), 1u);  // "Exit" alone, on Command1
  EXPECT_EQ(s.state().control("Command1").text, "Exit");

  const ResultGrid &g = s.state().grid;
  const Rgb highlight = rgb(43, 145, 255);
  s.press(1, 9);  // the marked "EOO"
  EXPECT_EQ(g.backColor(1, 9), highlight);
  s.press(1, 9);
  EXPECT_EQ(g.backColor(1, 9), 0u);  // the mark's colour does not come back
  EXPECT_EQ(g.text(1, 9), "EOO");
  s.press(1, 20);  // an empty band cell
  EXPECT_EQ(g.backColor(1, 20), highlight);
  s.press(1, 20);
  EXPECT_EQ(g.backColor(1, 20), 0u);

  s.click("Command1");
  EXPECT_TRUE(host.closed);
}

// ---- "Recommend 320 Straight Numbers" ----

namespace {
constexpr Rgb kBandTint = rgb(212, 188, 134), kHit = rgb(255, 0, 0);
const QString kPairs[2] = {
    "05 07 13 14 15 16 17 20 21 27 30 31 32 36 39 40 41 46 51 55 59 66 73 79 80 83 84 85 93 96 98 99",
    "00 01 02 11 16 18 26 27 29 30 31 33 43 44 49 52 53 54 56 67 69 70 73 78 83 87 89 94 95 96 97 99",
};
bool inBand(int c) { return (c >= 5 && c <= 12) || (c >= 21 && c <= 28); }
}  // namespace

TEST(Recommend320, BothPairListsAndTheirHits) {
  struct Case {
    const char *draw;
    int hitCol[2];  // by game; 0: no hit
  };
  const Case cases[] = {
      {"0 5 1", {5, 0}}, {"2 7 3", {14, 12}}, {"9 9 0", {36, 36}}, {"1 5 8", {9, 0}},
      {"0 0 4", {0, 5}}, {"4 2 2", {0, 0}},   {"7 3 7", {27, 27}},
  };
  QStringList draws;
  for (const Case &tc : cases)
    draws << QString::fromLatin1(tc.draw);
  for (int game : {0, 1}) {
    SCOPED_TRACE(game);
    const ResultGrid g = chart("frmbaishi32zu", history(draws), game);
    ASSERT_EQ(g.rows(), int(draws.size()) + 2);
    EXPECT_EQ(rowTexts(g, 0, 5, 36), kPairs[game]);
    EXPECT_EQ(rowTexts(g, 0, 0, 4), " H T U ");
    EXPECT_TRUE(g.isEmpty(0, 37));
    for (int i = 0; i < int(std::size(cases)); ++i) {
      const int r = i + 1, hit = cases[i].hitCol[game];
      SCOPED_TRACE(cases[i].draw);
      for (int c = 5; c <= 36; ++c) {
        EXPECT_EQ(g.text(r, c), c == hit ? g.text(0, c) : QString()) << "column " << c;
        EXPECT_EQ(g.backColor(r, c), c == hit ? kHit : inBand(c) ? kBandTint : 0) << "column " << c;
      }
      EXPECT_EQ(g.text(r, 37), hit ? "YES" : "");
      EXPECT_EQ(g.backColor(r, 37), 0u);
    }
    for (int c = 0; c < g.cols(); ++c) {
      EXPECT_EQ(g.backColor(0, c), 0u);
      EXPECT_TRUE(g.isEmpty(g.rows() - 1, c) && g.backColor(g.rows() - 1, c) == 0) << "spare row, column " << c;
    }
  }
}

TEST(Recommend320, TheDumperLoadsTheSecondGame) {
  QTemporaryFile file;
  ASSERT_TRUE(file.open());
  file.write("1 0 0 4\r\n2 0 5 1\r\n");
  file.close();
  const std::string path = file.fileName().toStdString();
  for (const auto &[game, firstHeader, hitRow] : {std::tuple{"0", "05", 2}, std::tuple{"1", "00", 1}}) {
    std::ostringstream out, err;
    ASSERT_EQ(runChartDump(toolRegistry(), {"--colors", "--game", game, "frmbaishi32zu", path}, out, err), 0) << err.str();
    const QStringList lines = QString::fromStdString(out.str()).split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0].split('\t')[5], firstHeader) << game;
    EXPECT_EQ(lines[hitRow].split('\t')[5], QString(firstHeader) + "{b=FF0000}") << game;
    EXPECT_EQ(lines[hitRow].split('\t')[37], "YES") << game;
    EXPECT_EQ(lines[3 - hitRow].split('\t')[37], "") << game;
  }
}

TEST(Recommend320, OtherGameEmptyHistoryAndWidths) {
  // A game other than the two: no headers, no marks, the tint alone.
  const ResultGrid other = chart("frmbaishi32zu", history({"0 5 1", "9 9 9"}), 2);
  EXPECT_EQ(rowTexts(other, 0, 5, 37).trimmed(), "");
  for (int r = 1; r <= 2; ++r)
    for (int c = 5; c <= 37; ++c) {
      EXPECT_TRUE(other.isEmpty(r, c));
      EXPECT_EQ(other.backColor(r, c), inBand(c) ? kBandTint : 0);
    }

  const ResultGrid empty = chart("frmbaishi32zu", QByteArray());
  ASSERT_EQ(empty.rows(), 2);
  for (int c = 0; c < empty.cols(); ++c)
    EXPECT_TRUE(empty.isEmpty(1, c) && empty.backColor(1, c) == 0) << "column " << c;
  EXPECT_EQ(empty.colWidth(0), 1290);
  EXPECT_EQ(empty.colWidth(4), 20);
  for (int c : {1, 3, 5, 36})
    EXPECT_EQ(empty.colWidth(c), 300);
  EXPECT_EQ(empty.colWidth(37), ResultGrid::kDefaultWidth);  // left to the grid
}

// ---- "Recommend Tundred Ten Units" ----

TEST(RecommendDigits, CandidatesHitsAndSummaries) {
  struct Case {
    const char *draw;  // after the draw of the case before
    QStringList cells;  // columns 4 to 12
    QList<int> red;
  };
  const QString none, first = "(1)+(2)+(3)YES", last = "(4)+(5)+(6)YES", any = "(1)-----(6)YES";
  const Case cases[] = {
      {"1 2 3", {none, none, none, none, none, none, none, none, none}, {}},
      {"2 3 1", {"2**(YES)", "3**", "*1*", "*3*(YES)", "**1(YES)", "**2", first, last, any}, {4, 7, 8}},
      {"1 2 3", {"3**", "1**(YES)", "*2*(YES)", "*1*", "**2", "**3(YES)", first, last, any}, {5, 6, 9}},
      // A hit in column 6 alone counts with the hundreds candidates.
      {"0 1 5", {"2**", "3**", "*1*(YES)", "*3*", "**1", "**2", first, none, any}, {6}},
      {"7 7 7", {"1**", "5**", "*0*", "*5*", "**0", "**1", none, none, none}, {}},
      {"7 7 7", {"7**(YES)", "7**(YES)", "*7*(YES)", "*7*(YES)", "**7(YES)", "**7(YES)", first, last, any},
       {4, 5, 6, 7, 8, 9}},
      {"0 7 0", {"7**", "7**", "*7*(YES)", "*7*(YES)", "**7", "**7", first, last, any}, {6, 7}},
      {"4 8 0", {"7**", "0**", "*0*", "*0*", "**0(YES)", "**7", none, last, any}, {8}},
  };
  QStringList draws;
  for (const Case &tc : cases)
    draws << QString::fromLatin1(tc.draw);
  const ResultGrid g = chart("frmzhixuanmorvek", history(draws));
  const int n = int(draws.size());
  ASSERT_EQ(g.rows(), n + 5);
  for (int i = 0; i < n; ++i) {
    const int r = i + 1;
    SCOPED_TRACE(cases[i].draw);
    EXPECT_EQ(g.text(r, 0), QStringLiteral(" %1").arg(r));
    EXPECT_EQ(rowTexts(g, r, 1, 3), QString::fromLatin1(cases[i].draw));
    QStringList cells;
    QList<int> red;
    for (int c = 4; c <= 12; ++c) {
      cells << g.text(r, c);
      if (g.backColor(r, c) == kHit)
        red << c;
      else
        EXPECT_EQ(g.backColor(r, c), 0u) << "column " << c;
    }
    EXPECT_EQ(cells, cases[i].cells);
    EXPECT_EQ(red, cases[i].red);
  }
  // The forecast row: the candidates after 4 8 0, never marked.
  EXPECT_EQ(rowTexts(g, n + 1, 0, 12), "    8** 0** *4* *0* **4 **8   ");
  for (int c = 0; c < g.cols(); ++c) {
    EXPECT_EQ(g.backColor(n + 1, c), 0u);
    for (int r = n + 2; r < g.rows(); ++r)
      EXPECT_TRUE(g.isEmpty(r, c));
  }
}

TEST(RecommendDigits, HeadersWidthsEmptyHistoryAndAHelpThatDoesNothing) {
  RecordingHost host;
  ToolSession s(test::registeredTool("frmzhixuanmorvek"), &host);
  s.load(DrawHistory{});
  const ResultGrid &g = s.state().grid;
  ASSERT_EQ(g.rows(), 5);
  EXPECT_EQ(rowTexts(g, 0, 0, 12), " H T U (1)H 1 (2)H 2 (3)T 1 (4)T 2 (5)U 1 (6)U 2   ");
  EXPECT_EQ(rowTexts(g, 1, 0, 12), "    ** ** ** ** ** **   ");
  for (int r = 2; r < 5; ++r)
    EXPECT_EQ(rowTexts(g, r, 0, 12).trimmed(), "");
  const std::pair<int, int> widths[] = {{0, 860}, {1, 300}, {3, 300}, {4, ResultGrid::kDefaultWidth},
                                        {9, ResultGrid::kDefaultWidth}, {10, 1204}, {12, 1204}};
  for (auto [col, twips] : widths)
    EXPECT_EQ(g.colWidth(col), twips) << "column " << col;
  EXPECT_EQ(g.topRow(), 4);
  EXPECT_EQ(s.state().caption, "Recommend Tundred Ten Units");

  EXPECT_TRUE(s.state().control("Command3").visible);
  EXPECT_EQ(s.state().control("Command3").text, "Help");
  s.click("Command3");
  EXPECT_TRUE(host.openedPages.isEmpty());
  EXPECT_TRUE(host.messages.empty());
}

// ---- "Rise-Down shape" ----

namespace {
constexpr Rgb kDifferent = rgb(42, 194, 91), kTriple = rgb(255, 0, 0), kDouble = rgb(102, 164, 244);
const QStringList kShapes = {".:|", ".|:", ":.|", ":|.", "|.:", "|:.", ":::",
                             "..|", ".|.", "|..", ".||", "|.|", "||."};
// The one shape cell of a row among columns 1..13; -1 when there is none.
int shapeCol(const ResultGrid &g, int row) {
  int found = -1;
  for (int c = 1; c <= 13; ++c) {
    if (g.isEmpty(row, c)) {
      EXPECT_EQ(g.backColor(row, c), 0u) << "row " << row << " column " << c;
      continue;
    }
    EXPECT_EQ(found, -1) << "row " << row << ": a second shape in column " << c;
    EXPECT_EQ(g.text(row, c), kShapes[c - 1]);
    EXPECT_EQ(g.backColor(row, c), c <= 6 ? kDifferent : c == 7 ? kTriple : kDouble);
    found = c;
  }
  return found;
}
}  // namespace

TEST(RiseDown, ExamplesCellByCell) {
  const std::pair<const char *, int> cases[] = {
      {"1 2 3", 1}, {"3 2 1", 6}, {"2 9 5", 2}, {"5 5 5", 7}, {"0 0 9", 8}, {"9 0 9", 12},
      {"4 4 1", 13}, {"7 3 3", 10}, {"3 7 7", 11}, {"4 1 8", 3}, {"5 9 0", 4}, {"8 2 6", 5}, {"2 8 2", 9},
  };
  QStringList draws;
  for (const auto &[draw, col] : cases)
    draws << QString::fromLatin1(draw);
  const ResultGrid g = chart("frmxingxiang", history(draws));
  ASSERT_EQ(g.rows(), int(draws.size()) + 3);
  EXPECT_EQ(rowTexts(g, 0, 1, 16), kShapes.join(' ') + " H T U");
  for (int i = 0; i < int(draws.size()); ++i) {
    SCOPED_TRACE(draws[i].toStdString());
    EXPECT_EQ(shapeCol(g, i + 1), cases[i].second);
    EXPECT_EQ(rowTexts(g, i + 1, 14, 16), draws[i]);
    EXPECT_EQ(g.text(i + 1, 0), QStringLiteral(" %1:").arg(i + 1) + QString(draws[i]).remove(' '));
  }
  for (int r = g.rows() - 2; r < g.rows(); ++r)
    for (int c = 0; c < g.cols(); ++c)
      EXPECT_TRUE(g.isEmpty(r, c) && g.backColor(r, c) == 0);
  EXPECT_EQ(g.colWidth(0), 1204);
  for (int c = 1; c <= 16; ++c)
    EXPECT_EQ(g.colWidth(c), 440);
  EXPECT_EQ(g.topRow(), g.rows() - 1);

  const ResultGrid empty = chart("frmxingxiang", QByteArray());
  ASSERT_EQ(empty.rows(), 3);
  EXPECT_EQ(rowTexts(empty, 0, 1, 16), kShapes.join(' ') + " H T U");
  for (int r = 1; r < 3; ++r)
    EXPECT_EQ(rowTexts(empty, r, 0, 16).trimmed(), "");
}

TEST(RiseDown, EveryNumberOnceHasExactlyOneShape) {
  const ResultGrid g = computeChart(test::registeredTool("frmxingxiang"), everyNumberOnce());
  ASSERT_EQ(g.rows(), 1003);
  std::map<int, int> perShape;
  for (int r = 1; r <= 1000; ++r) {
    ++perShape[shapeCol(g, r)];
    if (HasFailure())
      FAIL() << "row " << r;
  }
  // Six orders of three different digits (120 draws each), 10 triples, and
  // six forms of two equal digits (45 draws each).
  std::map<int, int> expected;
  for (int c = 1; c <= 13; ++c)
    expected[c] = c <= 6 ? 120 : c == 7 ? 10 : 45;
  EXPECT_EQ(perShape, expected);
}

TEST(RiseDown, CaptionStaysAndAPressTogglesTheGreen) {
  RecordingHost host;
  ToolSession s(test::registeredTool("frmxingxiang"), &host);
  s.load(parseDrawHistory("1 1 2 3\r\n2 5 5 5\r\n"));
  EXPECT_EQ(s.state().caption, "Rise-Down shape");
  EXPECT_TRUE(host.busyCaptions.empty());
  const ResultGrid &g = s.state().grid;
  s.press(1, 1);  // the green ".:|" loses its green
  EXPECT_EQ(g.backColor(1, 1), 0u);
  EXPECT_EQ(g.text(1, 1), ".:|");
  s.press(1, 1);
  EXPECT_EQ(g.backColor(1, 1), kDifferent);
  s.press(2, 7);  // the red ":::" and an empty cell turn green
  s.press(2, 3);
  EXPECT_EQ(g.backColor(2, 7), kDifferent);
  EXPECT_EQ(g.backColor(2, 3), kDifferent);

  s.click("Command3");
  EXPECT_EQ(host.openedPages, QStringList{"\\help\\Rise-Down_shape.htm"});
  EXPECT_THROW(s.state().control("Command1"), std::logic_error);  // no hidden reset button
}
