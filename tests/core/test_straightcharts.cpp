// The "Straight" menu's charts besides the position pairs: the trend and the
// straight number shape.
#include "charts/toolsession.h"
#include "core/drawfile.h"
#include "support/core/qtprint.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>
#include <map>

using namespace corvessa;

namespace {

const ToolEntry &tool(const char *window) {
  const ToolEntry *entry = ToolRegistry::instance().find(QString::fromLatin1(window));
  if (!entry)
    throw std::logic_error(std::string("no tool ") + window);
  return *entry;
}

ResultGrid chart(const char *window, const QByteArray &data, int gameType = 0) {
  return computeChart(tool(window), parseDrawHistory(data), gameType);
}

QByteArray history(const QStringList &draws) {
  QByteArray out;
  int label = 1;
  for (const QString &d : draws)
    out += QByteArray::number(label++) + ' ' + d.toLatin1() + "\r\n";
  return out;
}

DrawHistory everyNumberOnce() {
  QFile file(QStringLiteral(CORVESSA_FIXTURES_DIR "/draws/every1000.txt"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return parseDrawHistory(file.readAll());
}

// The non-empty cells of a row between two columns, as "column=text".
QStringList written(const ResultGrid &g, int row, int first, int last) {
  QStringList out;
  for (int c = first; c <= last; ++c)
    if (!g.isEmpty(row, c))
      out << QStringLiteral("%1=%2").arg(c).arg(g.text(row, c));
  return out;
}

QString rowTexts(const ResultGrid &g, int row, int first, int last) {
  QStringList out;
  for (int c = first; c <= last; ++c)
    out << g.text(row, c);
  return out.join(QLatin1Char(' '));
}

}  // namespace

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
  ToolSession s(tool("frm3weizoushi"), &host);
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
  const ResultGrid g = computeChart(tool("frmjibenxingtai"), everyNumberOnce());
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
      if (r > 0)
        EXPECT_TRUE(g.isEmpty(r, c));
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
  ToolSession s(tool("frmjibenxingtai"), &host);
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
