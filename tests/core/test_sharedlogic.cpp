// The pieces of chart logic that several tools share: the sum and width
// columns, a value again in its own column, and the one rule for a cell read
// back as a digit.
#include "charts/columnbands.h"
#include "charts/drawrows.h"
#include "charts/sumrows.h"
#include "core/drawfile.h"
#include "support/core/qtprint.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace corvessa;
using namespace corvessa::charts;

namespace {

constexpr Rgb kSky = rgb(43, 218, 255);

QStringList cells(const ResultGrid &g, int row) {
  QStringList out;
  for (int c = 0; c < g.cols(); ++c)
    out << g.text(row, c) + (g.backColor(row, c) != 0 ? "/c" : "");
  return out;
}

}  // namespace

// Each tool's columns and colours: sum and width where it asks, coloured
// only where it gives a colour, and nothing else of the row touched.
TEST(SumWidthColumns, WritesEachColumnWhereAndHowAToolAsks) {
  const DrawHistory h = parseDrawHistory("1 7 2 9\r\n2 5 5 5\r\n");
  struct Case {
    SumWidthColumns columns;
    QStringList row1, row2;
  };
  const Case cases[] = {
      {{}, {"", "", "", "", "18/c", "7"}, {"", "", "", "", "15/c", "0"}},
      {{.widthBack = kSky}, {"", "", "", "", "18/c", "7/c"}, {"", "", "", "", "15/c", "0/c"}},
      {{.sumCol = 5, .widthCol = 4, .sumBack = 0}, {"", "", "", "", "7", "18"}, {"", "", "", "", "0", "15"}},
      {{.sumCol = kNoColumn, .widthCol = 3}, {"", "", "", "7", "", ""}, {"", "", "", "0", "", ""}},
      {{.sumCol = 1, .widthCol = kNoColumn}, {"", "18/c", "", "", "", ""}, {"", "15/c", "", "", "", ""}},
  };
  for (const Case &c : cases) {
    ResultGrid g(4, 6);
    g.setCurrentCell(3, 2);
    fillSumWidthColumns(g, h, c.columns);
    EXPECT_EQ(cells(g, 1), c.row1);
    EXPECT_EQ(cells(g, 2), c.row2);
    EXPECT_EQ(cells(g, 3), QStringList(6, ""));
    EXPECT_EQ(g.currentRow(), 3);
    EXPECT_EQ(g.currentCol(), 2);
  }
}

TEST(ReadDigitsBack, ACellThatIsNotOneDigitIsPassedOver) {
  struct Case {
    const char *texts[3];
    int digit;  // of the first cell
    bool whole;
  };
  const Case cases[] = {
      {{"0", "9", "5"}, 0, true},  {{"", "1", "2"}, -1, false}, {{"7", "12", "2"}, 7, false},
      {{" 3", "1", "2"}, -1, false}, {{"a", "1", "2"}, -1, false}, {{"-1", "1", "2"}, -1, false},
  };
  for (const Case &c : cases) {
    ResultGrid g(2, 5);
    for (int k = 0; k < 3; ++k)
      g.setText(1, 2 + k, c.texts[k]);
    EXPECT_EQ(cellDigit(g, 1, 2), c.digit) << c.texts[0];
    const std::optional<Digits> d = readDrawDigits(g, 1, 2);
    ASSERT_EQ(d.has_value(), c.whole) << c.texts[0] << " " << c.texts[1];
    if (d) {
      EXPECT_EQ(*d, (Digits{0, 9, 5}));
    }
  }
}

TEST(ValueInItsColumn, CopiesTheValueColoursItAndMakesItCurrent) {
  struct Case {
    const char *value;
    int firstCol;
    QStringList row;
    int current;  // column; -1: unchanged
  };
  const Case cases[] = {
      {"3", 2, {"3", "", "", "", "", "3/c", ""}, 5},
      {"0", 0, {"0/c", "", "", "", "", "", ""}, 0},  // the value's own cell when it stands for 0
      {"12", -6, {"12", "", "", "", "", "", "12/c"}, 6},
      {"", 2, {"", "", "", "", "", "", ""}, -1},
  };
  for (const Case &c : cases) {
    ResultGrid g(2, 7);
    g.setCurrentCell(0, 1);
    g.setText(1, 0, c.value);
    markValueInItsColumn(g, 1, 0, c.firstCol, kSky);
    EXPECT_EQ(cells(g, 1), c.row) << c.value;
    EXPECT_EQ(g.currentRow(), c.current < 0 ? 0 : 1) << c.value;
    EXPECT_EQ(g.currentCol(), c.current < 0 ? 1 : c.current) << c.value;
  }
}
