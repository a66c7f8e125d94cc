// The sum charts of the "Sum&&Width" and "Others" menus: the recommended
// sums, the sum and its units, the 012 types and four regions of sum and
// width, and the sums of digit classes.
#include "charts/framework/toolsession.h"
#include "core/drawfile.h"
#include "support/core/chartcells.h"
#include "support/core/qtprint.h"

#include <QStringList>

#include <gtest/gtest.h>
#include <set>

using namespace corvessa;
using test::cellTexts;
using test::chartOfDraws;
using test::everyNumberOnce;
using test::registeredTool;
using test::written;

namespace {

constexpr Rgb kRed = rgb(255, 0, 0);

}  // namespace

// ---- "Recommend Number Sum" ----

TEST(RecommendedSums, TheDrawsSumInEachSetThatHoldsIt) {
  struct Case {
    const char *draw;
    QStringList marks;  // columns 5..18
  };
  const Case cases[] = {
      {"134", {"5=8", "12=-Y-"}},
      {"346", {"8=13", "12=-Y-", "15=13", "18=-Y-"}},  // 13 lies in both sets
      {"555", {"9=15", "12=-Y-", "17=15", "18=-Y-"}},
      {"255", {"14=12", "18=-Y-"}},
      {"009", {}},
      {"999", {}},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(tc.draw);
    const ResultGrid g = chartOfDraws("frmhezhi4", {tc.draw});
    ASSERT_EQ(g.rows(), 3);
    EXPECT_EQ(written(g, 1, 5, 18), tc.marks);
    for (int c = 5; c <= 18; ++c) {
      const bool sumMark = !g.isEmpty(1, c) && c != 12 && c != 18;
      EXPECT_EQ(g.backColor(1, c), sumMark ? kRed : 0u) << "column " << c;
    }
    EXPECT_EQ(g.backColor(1, 4), rgb(43, 218, 255));
  }
  const ResultGrid g = chartOfDraws("frmhezhi4", {});
  EXPECT_EQ(cellTexts(g, 0, 1, 18), QStringList({"H", "T", "U", "S", "8", "10", "11", "13", "15", "16", "18", "Y/N", "",
                                             "12", "13", "14", "15", "Y/N"}));
  EXPECT_EQ(g.rows(), 2);
}

// ---- "Sum-Sum Units" ----

TEST(SumAndSumUnits, MarksOverTheBands) {
  constexpr Rgb kBand = rgb(255, 212, 255), kSumMark = rgb(0, 206, 188), kUnitsMark = rgb(255, 194, 0);
  struct Case {
    const char *draw;
    QStringList marks;  // columns 4..46
  };
  const Case cases[] = {
      {"000", {"4=0", "6=0", "35=0", "37=0"}},
      {"999", {"4=27", "33=27", "35=7", "44=7"}},
      {"555", {"4=15", "21=15", "35=5", "42=5"}},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(tc.draw);
    const ResultGrid g = chartOfDraws("frmxingtai3dhe", {tc.draw});
    ASSERT_EQ(g.rows(), 3);
    EXPECT_EQ(written(g, 1, 4, 46), tc.marks);
    for (int c = 5; c <= 46; ++c) {
      const bool band = (c >= 6 && c <= 13) || (c >= 26 && c <= 33);
      const bool mark = !g.isEmpty(1, c) && c != 35;  // the units in column 35 have no colour
      const Rgb expected = !mark ? (band ? kBand : 0) : c < 34 ? kSumMark : kUnitsMark;
      EXPECT_EQ(g.backColor(1, c), expected) << "column " << c;
      EXPECT_EQ(g.backColor(2, c), 0u) << "the spare row, column " << c;
    }
    EXPECT_EQ(g.backColor(1, 4), 0u);
  }
  const ResultGrid g = chartOfDraws("frmxingtai3dhe", {});
  EXPECT_EQ(g.text(0, 4), "Sum");
  EXPECT_EQ(g.text(0, 35), "S U");
  EXPECT_EQ(g.text(0, 33), "27");
  EXPECT_EQ(g.text(0, 46), "9");
}

// ---- "Sum 012 Type&Width 012 Type" ----

TEST(SumWidthType, SumWidthAndTheirTypes) {
  struct Case {
    const char *draw;
    QStringList sumWidthType;
    int markCol;
  };
  const Case cases[] = {
      {"000", {"0", "0", "00"}, 5},   {"999", {"27", "0", "00"}, 5}, {"059", {"14", "9", "20"}, 12},
      {"905", {"14", "9", "20"}, 12}, {"123", {"6", "2", "02"}, 9},  {"881", {"17", "7", "21"}, 13},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(tc.draw);
    const ResultGrid g = chartOfDraws("frmhekualu", {tc.draw});
    ASSERT_EQ(g.rows(), 4);  // two empty rows under the draw
    EXPECT_EQ(cellTexts(g, 1, 1, 3), tc.sumWidthType);
    EXPECT_EQ(written(g, 1, 4, 13), QStringList{QStringLiteral("%1=%2").arg(tc.markCol).arg(tc.sumWidthType[2])});
    EXPECT_EQ(g.backColor(1, tc.markCol), rgb(176, 188, 79));
    EXPECT_EQ(cellTexts(g, 1, 14, 16), QStringList({QString(QLatin1Char(tc.draw[0])), QString(QLatin1Char(tc.draw[1])), QString(QLatin1Char(tc.draw[2]))}));
  }
  EXPECT_EQ(chartOfDraws("frmhekualu", {}).rows(), 3);
}

TEST(SumWidthType, KeepsItsCaptionAndAPressTogglesTheHighlight) {
  RecordingHost host;
  ToolSession session(registeredTool("frmhekualu"), &host);
  session.load(parseDrawHistory("1 0 5 9\r\n"));
  EXPECT_EQ(session.state().caption, "Sum 012 Type&Width 012 Type");
  EXPECT_TRUE(host.busyCaptions.empty());
  const ResultGrid &g = session.state().grid;
  const Rgb after[] = {rgb(43, 145, 255), 0};  // the mark's colour does not come back
  for (Rgb expected : after) {
    session.press(1, 12);
    EXPECT_EQ(g.backColor(1, 12), expected);
  }
  EXPECT_EQ(g.text(1, 12), "20");
}

// ---- "Sum Units Four Regions&Width Four Regions" ----

TEST(FourRegions, TheCombinationOfSumUnitsAndWidth) {
  struct Case {
    const char *draw;
    int col;
  };
  const Case cases[] = {{"123", 15}, {"999", 19}, {"009", 22}, {"059", 14}, {"905", 14}, {"444", 7}};
  for (const Case &tc : cases) {
    SCOPED_TRACE(tc.draw);
    const ResultGrid g = chartOfDraws("frmhekuazonghe", {tc.draw});
    EXPECT_EQ(g.text(0, tc.col), QStringLiteral("%1%2").arg((tc.col - 3) / 4).arg((tc.col - 3) % 4 + 1));
    EXPECT_EQ(g.text(1, tc.col), ".");
    EXPECT_EQ(g.backColor(1, tc.col), kRed);
    for (int c = 7; c <= 22; ++c)
      if (c != tc.col) {
        EXPECT_EQ(g.text(1, c), "1") << "column " << c;
      }
  }
}

TEST(FourRegions, FooterOfThreeRowsAndATintedBlankRow) {
  // "123" marks column 15 ("31"), "000" column 7 ("11").
  struct Case {
    const char *name;
    std::vector<std::string> draws;
    int col;
    QStringList cells;   // draw rows
    QStringList footer;  // Amount, Max Miss, Current Miss
  };
  const Case cases[] = {
      {"hits at draws 3 and 8",
       {"000", "000", "123", "000", "000", "000", "000", "123", "000", "000"},
       15,
       {"1", "2", ".", "1", "2", "3", "4", ".", "1", "2"},
       {"2", "4", "2"}},
      {"the open run is longer than the closed ones",
       {"000", "123", "000", "123", "123", "123", "123"},
       7,
       {".", "1", ".", "1", "2", "3", "4"},
       {"2", "1", "4"}},
      {"hit by the last draw", {"000", "123", "000"}, 7, {".", "1", "."}, {"2", "1", "0"}},
      {"never hit", {"000", "000", "000"}, 15, {"1", "2", "3"}, {"0", "0", "3"}},
      {"a single draw", {"123"}, 15, {"."}, {"1", "0", "0"}},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(tc.name);
    const ResultGrid g = chartOfDraws("frmhekuazonghe", tc.draws);
    const int n = int(tc.draws.size());
    ASSERT_EQ(g.rows(), n + 6);
    QStringList cells;
    for (int r = 1; r <= n; ++r)
      cells << g.text(r, tc.col);
    EXPECT_EQ(cells, tc.cells);
    EXPECT_EQ(QStringList({g.text(n + 2, tc.col), g.text(n + 3, tc.col), g.text(n + 4, tc.col)}), tc.footer);
    EXPECT_EQ(cellTexts(g, n + 1, 0, 22), QStringList(23, QString()));
    EXPECT_EQ(QStringList({g.text(n + 2, 0), g.text(n + 3, 0), g.text(n + 4, 0), g.text(n + 5, 0)}),
              QStringList({"Amount", "Max Miss", "Current Miss", ""}));
    for (int r = n + 2; r <= n + 5; ++r) {
      EXPECT_EQ(g.backColor(r, 0), 0u);
      for (int c = 1; c <= 22; ++c) {
        EXPECT_EQ(g.backColor(r, c), rgb(231, 225, 239)) << r << "," << c;
        EXPECT_EQ(g.foreColor(r, c), rgb(0, 0, 255)) << r << "," << c;
      }
    }
    EXPECT_EQ(cellTexts(g, n + 5, 1, 22), QStringList(22, QString()));
  }
}

TEST(FourRegions, AnEmptyHistoryShowsZerosNotTheHeaders) {
  const ResultGrid g = chartOfDraws("frmhekuazonghe", {});
  ASSERT_EQ(g.rows(), 6);
  for (int r = 2; r <= 4; ++r)
    EXPECT_EQ(cellTexts(g, r, 7, 22), QStringList(16, QStringLiteral("0"))) << g.text(r, 0).toStdString();
}

// ---- "Sum of Odd-Sum of Even", "Sum of Small-Sum of Big", "Sum of Prime-Sum of Composite" ----

namespace {

struct ClassSumChart {
  const char *window;
  bool (*firstClass)(int);
  int lastCol;
};
const ClassSumChart kClassSums[] = {
    {"frmbjiouhe", [](int d) { return d % 2 == 1; }, 60},
    {"frmbxiaodahe", [](int d) { return d < 5; }, 63},
    {"frmbzhihehe", [](int d) { return d == 1 || d == 2 || d == 3 || d == 5 || d == 7; }, 63},
};

}  // namespace

TEST(ClassSums, BothSumsMarkedOnEveryDraw) {
  struct Case {
    const char *window, *draw;
    int firstCol, secondCol;
    const char *first, *second;
  };
  const Case cases[] = {
      {"frmbjiouhe", "135", 16, 36, "9", "0"},   {"frmbjiouhe", "248", 7, 50, "0", "14"},
      {"frmbjiouhe", "999", 34, 36, "27", "0"},  {"frmbxiaodahe", "444", 19, 36, "12", "0"},
      {"frmbxiaodahe", "555", 7, 51, "0", "15"}, {"frmbxiaodahe", "000", 7, 36, "0", "0"},
      {"frmbzhihehe", "777", 28, 36, "21", "0"}, {"frmbzhihehe", "999", 7, 63, "0", "27"},
      {"frmbzhihehe", "104", 8, 40, "1", "4"},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(std::string(tc.window) + " " + tc.draw);
    const ResultGrid g = chartOfDraws(tc.window, {tc.draw});
    ASSERT_EQ(g.rows(), 3);
    EXPECT_EQ(written(g, 1, 4, g.cols() - 1), QStringList({QStringLiteral("%1=%2").arg(tc.firstCol).arg(tc.first),
                                                           QStringLiteral("%1=%2").arg(tc.secondCol).arg(tc.second)}));
    EXPECT_EQ(g.backColor(1, tc.firstCol), rgb(182, 219, 170));
    EXPECT_EQ(g.backColor(1, tc.secondCol), kRed);
  }
}

// Over all 1000 numbers: the nearly hidden columns are exactly the sums that
// no three digits of the class make, and so never hold a mark.
TEST(ClassSums, TheNarrowedColumnsAreTheImpossibleSums) {
  const DrawHistory history = everyNumberOnce();
  for (const ClassSumChart &chart : kClassSums) {
    SCOPED_TRACE(chart.window);
    const ResultGrid g = computeChart(registeredTool(chart.window), history);
    ASSERT_EQ(g.cols(), chart.lastCol + 1);
    std::set<int> possible;  // columns
    for (int n = 0; n < 1000; ++n) {
      int a = 0, b = 0;
      for (int d : {n / 100, n / 10 % 10, n % 10})
        (chart.firstClass(d) ? a : b) += d;
      possible.insert(7 + a);
      possible.insert(36 + b);
    }
    std::set<int> marked;
    for (int r = 1; r <= int(history.draws.size()); ++r)
      for (int c = 7; c < g.cols(); ++c)
        if (!g.isEmpty(r, c))
          marked.insert(c);
    EXPECT_EQ(marked, possible);
    for (int c = 7; c < g.cols(); ++c)
      if (c != 35) {
        EXPECT_EQ(g.colWidth(c), possible.count(c) ? 300 : 2) << "column " << c;
      }
    EXPECT_EQ(g.text(0, chart.lastCol), QString::number(chart.lastCol - 36));
  }
}
