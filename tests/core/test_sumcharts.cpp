// The sum charts of the "Sum&&Width" menu: the recommended sums and the sum
// and its units.
#include "charts/toolsession.h"
#include "core/drawfile.h"
#include "support/core/chartcells.h"
#include "support/core/qtprint.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>
#include <set>

using namespace corvessa;
using test::chartOfDraws;
using test::registeredTool;

namespace {

// The non-empty cells of a row between two columns, as "column=text".
QStringList written(const ResultGrid &g, int row, int first, int last) {
  QStringList out;
  for (int c = first; c <= last; ++c)
    if (!g.isEmpty(row, c))
      out << QStringLiteral("%1=%2").arg(c).arg(g.text(row, c));
  return out;
}

QStringList texts(const ResultGrid &g, int row, int first, int last) {
  QStringList out;
  for (int c = first; c <= last; ++c)
    out << g.text(row, c);
  return out;
}

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
  EXPECT_EQ(texts(g, 0, 1, 18), QStringList({"H", "T", "U", "S", "8", "10", "11", "13", "15", "16", "18", "Y/N", "",
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
