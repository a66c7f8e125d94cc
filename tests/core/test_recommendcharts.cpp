// The recommended-digit charts of the "Digit" menu as a user sees them: the
// digits recommended beside each draw (made from the draw before it), their
// marks and colours, and the row for the coming draw.
#include "charts/framework/tool.h"
#include "charts/framework/toolframe.h"
#include "core/drawfile.h"
#include "support/core/qtprint.h"
#include "support/core/chartcells.h"

#include <QByteArray>
#include <QStringList>
#include <cmath>
#include <cstdint>

#include <gtest/gtest.h>

using namespace corvessa;
using test::cellTexts;
using test::chart;
using test::expectWidths;
using test::history;

namespace {

constexpr Rgb kShade = rgb(255, 223, 157);
constexpr Rgb kRed = rgb(255, 0, 0);
constexpr Rgb kBlue = rgb(140, 219, 255);
constexpr Rgb kSumWidth = rgb(43, 218, 255);
constexpr Rgb kGrey = rgb(188, 194, 182);

// The texts of a row's cells, without separators: each cell here holds one character or none.
QString digits(const ResultGrid &g, int row, int first, int last) {
  QString out;
  for (int c = first; c <= last; ++c)
    out += g.text(row, c);
  return out;
}

// Per cell '.' for none of its own, 's' shade, 'r' red, 'b' blue, '?' any other back colour.
QString backs(const ResultGrid &g, int row, int first, int last) {
  QString out;
  for (int c = first; c <= last; ++c) {
    const Rgb b = g.backColor(row, c);
    out += b == 0 ? '.' : b == kShade ? 's' : b == kRed ? 'r' : b == kBlue ? 'b' : '?';
  }
  return out;
}

// A draw "H T U" of the sum s (0 to 27).
QString drawOfSum(int s) {
  const int h = std::min(9, s), t = std::min(9, s - h), u = s - h - t;
  return QStringLiteral("%1 %2 %3").arg(h).arg(t).arg(u);
}

}  // namespace

// ---- "Recommend 2 digits" ----

// A and E on every sum, checked against their rules spelt out by ranges: A1 = 9 - W;
// A2 runs from 9 down to 0 for S 0..9, 8 down to 0 for S 10..18, is 9 for
// S 19 and 7 down to 0 for S 20..27, moved on by one when it equals A1; E
// is the pair either side of S's units digit, going round.
TEST(RecommendTwoDigits, FormulasAAndEOnEverySum) {
  QStringList draws;
  for (int s = 0; s <= 27; ++s)
    draws << drawOfSum(s);
  const ResultGrid g = chart("frmtongshahao", history(draws));
  ASSERT_EQ(g.rows(), 28 + 2);
  for (int s = 0; s <= 27; ++s) {
    SCOPED_TRACE(s);
    const QStringList d = draws[s].split(' ');
    const int width = std::max({d[0].toInt(), d[1].toInt(), d[2].toInt()}) -
                      std::min({d[0].toInt(), d[1].toInt(), d[2].toInt()});
    EXPECT_EQ(cellTexts(g, s + 1, 4, 5), QStringList({QString::number(s), QString::number(width)}));
    const int a1 = 9 - width;
    int a2 = s <= 9 ? 9 - s : s <= 18 ? 18 - s : s == 19 ? 9 : 27 - s;
    if (a2 == a1)
      a2 = (a2 + 1) % 10;
    EXPECT_EQ(digits(g, s + 2, 6, 7), QStringLiteral("%1%2").arg(a1).arg(a2));
    const int units = s % 10;
    const QString e = units == 0 ? "19" : units == 9 ? "80" : QStringLiteral("%1%2").arg(units - 1).arg(units + 1);
    EXPECT_EQ(digits(g, s + 2, 22, 23), e);
  }
}

// B = x / (S + 7), C = x / 32, D = x * 0.1975 on the draw number x: the
// first two distinct digits of the value's text, one digit given twice.
TEST(RecommendTwoDigits, FormulasBCDFromTheValuesText) {
  struct Case {
    const char *draw, *b, *c, *d;
  };
  const Case cases[] = {
      {"1 2 3", "94", "38", "24"},  // 9.46153846153846, 3.84375, 24.2925
      {"0 0 5", "04", "01", "09"},  // 0.416666666666667, 0.15625, 0.9875
      {"0 1 2", "12", "03", "23"},  // 1.2, 0.375, 2.37
      {"9 9 9", "29", "31", "19"},  // 29.3823529411765, 31.21875, 197.3025
      {"0 0 0", "00", "00", "00"},
      {"0 2 0", "22", "06", "39"},  // 2.22222222222222 (17 digits would end in 3), 0.625, 3.95
      {"0 2 2", "22", "06", "43"},  // 2, never "2.0"; 0.6875, 4.345
  };
  QStringList draws;
  for (const Case &c : cases)
    draws << c.draw;
  const ResultGrid g = chart("frmtongshahao", history(draws));
  for (int i = 0; i < int(std::size(cases)); ++i) {
    SCOPED_TRACE(cases[i].draw);
    EXPECT_EQ(digits(g, i + 2, 10, 11), cases[i].b);
    EXPECT_EQ(digits(g, i + 2, 14, 15), cases[i].c);
    EXPECT_EQ(digits(g, i + 2, 18, 19), cases[i].d);
  }
}

// F stands beside the draw it is made from: (3d + 3) mod 10 and (3d + 4)
// mod 10 on the last digit d of the draw's label.
TEST(RecommendTwoDigits, FormulaFOnTheDrawsOwnLabel) {
  QByteArray data;
  for (int label = 10; label <= 19; ++label)
    data += QByteArray::number(label) + " 9 9 9\r\n";
  const ResultGrid g = chart("frmtongshahao", data);
  const char *f1 = "3692581470", *f2 = "4703692581";
  for (int d = 0; d <= 9; ++d) {
    EXPECT_EQ(g.text(d + 1, 26), QString(QChar(f1[d]))) << d;
    EXPECT_EQ(g.text(d + 1, 27), QString(QChar(f2[d]))) << d;
    EXPECT_EQ(g.text(d + 1, 26), QString::number((3 * d + 3) % 10));
  }
}

// The coming draw's issue number is the newest label plus one, the whole
// label counted; only F is written there besides A to E.
TEST(RecommendTwoDigits, ComingRowTakesTheNextIssueNumber) {
  struct Case {
    const char *label;
    const char *f;
  };
  const Case cases[] = {
      {"5", "12"},                     // the next issue ends in 6
      {"19", "34"},                    // ends in 0
      {"9999999", "34"},               // seven digits: 10000000
      {"20240115", "12"},              // 20240116, not 2024012
      {"202401159", "34"},             // 202401160
      {"-6", "89"},                    // -5
      {"9223372036854775807", "78"},   // the largest label: its successor ends in 8
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.label);
    const ResultGrid g = chart("frmtongshahao", QByteArray("1 1 1 1\r\n") + c.label + " 1 2 3\r\n");
    ASSERT_EQ(g.rows(), 4);
    EXPECT_EQ(digits(g, 3, 26, 27), c.f);
    EXPECT_EQ(digits(g, 3, 6, 23), "7394382457");  // A to E of 1 2 3
    EXPECT_EQ(digits(g, 3, 0, 5), "");
    EXPECT_EQ(backs(g, 3, 0, 28), QString(29, '.'));
  }

  // No draws: the next issue is 1, and row 1 is the coming row.
  const ResultGrid empty = chart("frmtongshahao", QByteArray());
  ASSERT_EQ(empty.rows(), 2);
  EXPECT_EQ(digits(empty, 1, 0, 25), "");
  EXPECT_EQ(digits(empty, 1, 26, 28), "67");
}

TEST(RecommendTwoDigits, MarksDrawnDigitsAndGroupsHitTwice) {
  const ResultGrid g = chart("frmtongshahao", history({"6 7 0", "0 0 2", "1 1 5", "0 0 0", "0 5 5", "1 2 3", "3 8 1"}));
  ASSERT_EQ(g.rows(), 9);
  // Row 1: F from its own label is shown but never marked.
  EXPECT_EQ(digits(g, 1, 26, 28), "67");
  EXPECT_EQ(backs(g, 1, 6, 28), QString(23, '.'));
  // Row 3: 1 1 5 under E "1", "3" (sum 2): the 1 is shaded once, "-Y-" without colour.
  EXPECT_EQ(cellTexts(g, 3, 22, 24), QStringList({"1", "3", "-Y-"}));
  EXPECT_EQ(backs(g, 3, 22, 24), "s..");
  // Row 5: 0 5 5 under B "0", "0" (of 0 0 0): both shaded, the mark on red.
  EXPECT_EQ(cellTexts(g, 5, 10, 12), QStringList({"0", "0", "-Y-"}));
  EXPECT_EQ(backs(g, 5, 10, 12), "ssr");
  // Row 7: 3 8 1 under C "3", "8" (of 1 2 3), in other positions: red; B "9", "4" misses: no mark.
  EXPECT_EQ(cellTexts(g, 7, 14, 16), QStringList({"3", "8", "-Y-"}));
  EXPECT_EQ(backs(g, 7, 14, 16), "ssr");
  EXPECT_EQ(cellTexts(g, 7, 10, 12), QStringList({"9", "4", ""}));
  EXPECT_EQ(backs(g, 7, 10, 12), "...");
  // The columns after each mark stay empty.
  for (int r = 1; r <= 8; ++r)
    for (int c : {9, 13, 17, 21, 25})
      EXPECT_TRUE(g.isEmpty(r, c)) << r << ", " << c;
  // The coming row is never marked.
  EXPECT_EQ(backs(g, 8, 0, 28), QString(29, '.'));
}

TEST(RecommendTwoDigits, SumAndWidthHeadersAndWidths) {
  const ResultGrid g = chart("frmtongshahao", history({"7 2 7"}));
  EXPECT_EQ(g.text(1, 0), " 1:727");
  EXPECT_EQ(cellTexts(g, 1, 1, 5), QStringList({"7", "2", "7", "16", "5"}));
  for (int c : {4, 5}) {
    EXPECT_EQ(g.backColor(1, c), kSumWidth);
    EXPECT_EQ(g.backColor(2, c), 0u);
  }
  EXPECT_EQ(cellTexts(g, 0, 0, 28).join('|'), "|H|T|U|S|W|A1|A2|||B1|B2|||C1|C2|||D1|D2|||E1|E2|||F1|F2|");
  EXPECT_EQ(g.cols(), 29);
  EXPECT_EQ(g.colWidth(0), 1290);
  for (int c = 1; c <= 28; ++c)
    EXPECT_EQ(g.colWidth(c), 300) << c;
  EXPECT_EQ(g.topRow(), g.rows() - 1);
}

// ---- "Other recommend digits-[formula]" ----

TEST(OtherRecommendDigitsFormula, ThreeStringsFromTheDrawBefore) {
  struct Case {
    const char *draw, *s1, *s2, *s3;
  };
  const Case cases[] = {
      {"1 2 3", "352", "760", "270"},  // 3.5267906090382, 76.014, 270.614453995543
      {"0 0 5", "071", "309", "230"},  // 0.711069616844933, 3.09, 233.046800382044
      {"0 1 2", "105", "741", "235"},  // 1.10158431361381, 7.416, 235.275390003184
      {"0 0 0", "0", "0", "231"},      // 0, 0, 231.454950652658
      {"6 6 9", "825", "413", "4"},    // 444.444444444444
      {"7 2 1", "853", "457", "460"},  // 460.999681630054, never rounded up to 461
      {"0 8 9", "305", "502", "259"},  // 3.000005999994
  };
  QStringList draws;
  for (const Case &c : cases)
    draws << c.draw;
  const ResultGrid g = chart("frmdanma2", history(draws));
  ASSERT_EQ(g.rows(), int(draws.size()) + 2);
  EXPECT_EQ(cellTexts(g, 1, 5, 12).join("").trimmed(), "");
  for (int i = 0; i < int(std::size(cases)); ++i)
    EXPECT_EQ(QStringList({g.text(i + 2, 5), g.text(i + 2, 8), g.text(i + 2, 11)}),
              QStringList({cases[i].s1, cases[i].s2, cases[i].s3}))
        << cases[i].draw;
  EXPECT_EQ(cellTexts(g, 0, 0, 12).join('|'), "|H|T|U||digits-1|  Y/N||digits-2|  Y/N||digits-3|  Y/N");
  expectWidths(g, {{0, 1290}, {1, 300}, {3, 300}, {4, 20}, {5, 860}, {6, 860}, {7, 200}, {8, 860}, {9, 860},
                   {10, 200}, {11, 860}, {12, 860}});
}

// Two blanks and how many of the draw's positions hold a digit of the
// string, or "  -N-"; two or more are shaded.
TEST(OtherRecommendDigitsFormula, CountsThePositionsThatHoldADigit) {
  // After 0 0 0: "0", "0", "231"; after 2 3 1: "483", "142", "304"; after 2 4 9: "501", "153", "310".
  const ResultGrid g = chart("frmdanma2", history({"0 0 0", "2 3 1", "3 5 5", "2 4 9", "1 1 5"}));
  EXPECT_EQ(cellTexts(g, 2, 5, 12), QStringList({"0", "  -N-", "", "0", "  -N-", "", "231", "  3"}));
  EXPECT_EQ(backs(g, 2, 5, 12), ".......b");
  EXPECT_EQ(cellTexts(g, 3, 5, 12), QStringList({"483", "  1", "", "142", "  -N-", "", "304", "  1"}));
  EXPECT_EQ(backs(g, 3, 5, 12), "........");
  EXPECT_EQ(cellTexts(g, 5, 5, 12), QStringList({"501", "  3", "", "153", "  3", "", "310", "  2"}));
  EXPECT_EQ(backs(g, 5, 5, 12), ".b..b..b");
  // Row 1 and the coming row carry no marks.
  for (int c : {6, 9, 12}) {
    EXPECT_TRUE(g.isEmpty(1, c));
    EXPECT_TRUE(g.isEmpty(6, c));
  }
  EXPECT_EQ(cellTexts(g, 6, 5, 12).join('|'), g.text(6, 5) + "|||" + g.text(6, 8) + "|||" + g.text(6, 11) + "|");
  EXPECT_EQ(backs(g, 6, 0, 12), QString(13, '.'));
}

TEST(OtherRecommendDigitsFormula, TheNoteStaysUnderTheGrid) {
  const ToolDesign &d = test::registeredTool("frmdanma2").design;
  const ControlDesign *note = d.control("Label1");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->kind, ControlKind::Label);
  EXPECT_EQ(note->caption, QString::fromUtf8("每期预测三组胆码，请大家跟踪使用；论坛高手的成绩也不过如此，不信你统计后对比看看^-^!"));
  EXPECT_EQ(note->place, (TwipsRect{20, 6210, 7560, 180}));
  struct Case {
    int width, height;
  };
  for (const Case &c : {Case{11625, 6720}, Case{15000, 9000}, Case{8000, 3000}, Case{11625, 1300}}) {
    SCOPED_TRACE(QStringLiteral("%1 x %2").arg(c.width).arg(c.height).toStdString());
    charts::FormGeometry g = charts::designGeometry(d);
    charts::formResizeLayout(d, g, c.width, c.height);
    const TwipsRect grid = g[kGridName], label = g["Label1"], exit = g["Command2"], help = g["Command3"];
    EXPECT_EQ(label.left, 20);
    EXPECT_EQ(label.top, grid.height + 690);
    EXPECT_GE(label.top, exit.top + exit.height);
    EXPECT_EQ(help.top, exit.top);
    EXPECT_LE(label.top + label.height, c.height);
    if (c.width == 11625 && c.height == 6720) {
      EXPECT_EQ(label, note->place);
    }
  }
}

// ---- "Recommend 1 digit[2]" and "Recommend 1 digit[1]" ----

TEST(RecommendOneDigit, ByTheHundredsDigitOfTheDrawBefore) {
  QStringList draws;
  for (int h = 0; h <= 9; ++h)
    draws << QStringLiteral("%1 3 5").arg(h);
  const ResultGrid g = chart("frmtongsha1ma", history(draws));
  QString recommended;
  for (int r = 2; r <= 11; ++r)
    recommended += g.text(r, 5);
  EXPECT_EQ(recommended, "0864791246");
  EXPECT_TRUE(g.isEmpty(1, 5));

  struct Case {
    QStringList draws;
    const char *digit, *mark;
  };
  const Case cases[] = {
      {{"5 0 0", "9 1 9"}, "9", "-Y-"},
      {{"0 4 4", "1 2 3"}, "0", ""},
      {{"3 1 1"}, "4", ""},  // one draw: row 2 is the coming row
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.draws.join(", ").toStdString());
    const ResultGrid one = chart("frmtongsha1ma", history(c.draws));
    EXPECT_EQ(cellTexts(one, 2, 5, 6), QStringList({c.digit, c.mark}));
    EXPECT_EQ(backs(one, 2, 5, 6), *c.mark ? ".r" : "..");
    EXPECT_EQ(cellTexts(one, 1, 5, 6), QStringList({"", ""}));
  }
}

TEST(RecommendOneDigit, ByFormulaEveryDrawMarkedYesOrNo) {
  struct Case {
    QStringList draws;
    QStringList digits, marks;  // column 5 and 6 of rows 1 .. N + 1
  };
  const Case cases[] = {
      {{"1 2 3"}, {"", "2"}, {"-N-", ""}},  // 4 + 18 + 27 + 3 = 52
      {{"1 2 3", "2 2 7"}, {"", "2", "2"}, {"-N-", "-Y-", ""}},
      {{"0 0 0", "4 5 6"}, {"", "3", "8"}, {"-N-", "-N-", ""}},
      {{"9 9 9", "1 0 1"}, {"", "1", "6"}, {"-N-", "-Y-", ""}},  // 201
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.draws.join(", ").toStdString());
    const ResultGrid g = chart("frmzonghe", history(c.draws));
    ASSERT_EQ(g.rows(), int(c.draws.size()) + 2);
    for (int r = 1; r < g.rows(); ++r) {
      EXPECT_EQ(g.text(r, 5), c.digits[r - 1]) << r;
      EXPECT_EQ(g.text(r, 6), c.marks[r - 1]) << r;
      EXPECT_EQ(g.backColor(r, 6), c.marks[r - 1] == "-Y-" ? kRed : 0u) << r;
    }
  }
}

// Both windows show the same grid; with every record left out neither
// has a row to mark.
TEST(RecommendOneDigit, SameColumnsAndNothingWithoutDraws) {
  for (const char *window : {"frmtongsha1ma", "frmzonghe"}) {
    SCOPED_TRACE(window);
    for (const QByteArray &data : {QByteArray(), QByteArray("1 12 2 3\r\n2 x 1 1\r\n")}) {
      const ResultGrid g = chart(window, data);
      ASSERT_EQ(g.rows(), 2);
      EXPECT_EQ(cellTexts(g, 0, 0, 6).join('|'), "|H|T|U||1 digit|Y/N");
      EXPECT_EQ(cellTexts(g, 1, 0, 6).join(""), "");
      EXPECT_EQ(backs(g, 1, 0, 6), ".......");
      expectWidths(g, {{0, 1290}, {1, 300}, {2, 300}, {3, 300}, {4, 20}, {5, 860}, {6, 430}});
    }
    EXPECT_EQ(test::registeredTool(window).design.helpPage, "\\help\\Recommend_1_digit.htm");
  }
}

// ---- "Recommend 3 digits-A" ----

TEST(RecommendThreeDigitsA, ThreeDigitsByTheUnitsDigit) {
  QStringList draws;
  for (int u = 0; u <= 9; ++u)
    draws << QStringLiteral("5 5 %1").arg(u);
  const ResultGrid g = chart("frmdingdanshh", history(draws));
  EXPECT_EQ(digits(g, 1, 5, 7), "");
  // The table's own column order; each triple is U, U + 3 and U + 6 going round.
  const char *table[10] = {"036", "147", "258", "369", "407", "518", "629", "730", "814", "925"};
  for (int u = 0; u <= 9; ++u) {
    EXPECT_EQ(digits(g, u + 2, 5, 7), table[u]) << u;
    for (int k : {0, 3, 6})
      EXPECT_TRUE(QString(table[u]).contains(QString::number((u + k) % 10))) << u;
  }
  EXPECT_EQ(cellTexts(g, 0, 0, 11).join('|'), "|H|T|U|||||Y/N||Note|");
  expectWidths(g, {{0, 1290}, {1, 300}, {4, 20}, {5, 300}, {7, 300}, {8, 430}, {9, 20}, {10, -1}, {11, 20}});
  EXPECT_EQ(g.shownColWidth(10), ResultGrid::kDefaultColumnTwips);
}

TEST(RecommendThreeDigitsA, ShadesHitsAndNotesAJustHit) {
  // Each draw of the cases follows a draw ending in 4, so "4", "0", "7" is recommended.
  struct Case {
    int row;
    const char *draw;
    const char *shades;
    bool yes, justHit;
  };
  const Case cases[] = {
      {2, "7 0 4", "sss", true, true},  {4, "4 4 7", "s.s", true, true},   {6, "4 4 4", "s..", true, false},
      {7, "4 7 1", "s.s", true, false}, {9, "1 2 3", "...", false, false},
  };
  const ResultGrid g = chart("frmdingdanshh",
                             history({"0 0 4", "7 0 4", "0 0 4", "4 4 7", "0 0 4", "4 4 4", "4 7 1", "0 0 4", "1 2 3"}));
  for (const Case &c : cases) {
    SCOPED_TRACE(c.draw);
    EXPECT_EQ(cellTexts(g, c.row, 1, 3).join(' '), c.draw);
    EXPECT_EQ(digits(g, c.row, 5, 7), "407");
    EXPECT_EQ(backs(g, c.row, 5, 7), c.shades);
    EXPECT_EQ(g.text(c.row, 8), c.yes ? "-Y-" : "");
    EXPECT_EQ(g.text(c.row, 10), c.justHit ? "Just hit" : "");
    EXPECT_EQ(backs(g, c.row, 8, 10), c.justHit ? "..r" : "...");
  }
  EXPECT_EQ(g.text(4, 9), "47");  // the box key the note reads
  // The spare row holds the recommendation and nothing else.
  EXPECT_EQ(digits(g, 10, 0, 11), "369");
  EXPECT_EQ(backs(g, 10, 0, 11), QString(12, '.'));
  // Row 1 has no recommendation, so no note.
  EXPECT_EQ(digits(g, 1, 5, 8), "");
  EXPECT_TRUE(g.isEmpty(1, 10));
}

// ---- "Recommend 3 digits-BC" ----

TEST(RecommendThreeDigitsBC, GroupCByTheSumOfTheDrawBefore) {
  const char *table[28] = {"036", "456", "019", "367", "257", "457", "138", "237", "268", "245",
                           "289", "028", "019", "167", "136", "125", "134", "134", "127", "012",
                           "145", "019", "014", "059", "359", "159", "048", "478"};
  QStringList draws;
  for (int s = 0; s <= 27; ++s)
    draws << drawOfSum(s);
  const ResultGrid g = chart("frmtongsha3ma", history(draws));
  EXPECT_EQ(digits(g, 1, 20, 22), "");
  for (int s = 0; s <= 27; ++s)
    EXPECT_EQ(digits(g, s + 2, 20, 22), table[s]) << "sum " << s;
}

// The three coldest digits after a draw: the largest miss values last, equal
// values in ascending digit order.
TEST(RecommendThreeDigitsBC, GroupBTheColdestDigits) {
  struct Case {
    const char *what;
    QStringList draws;
    const char *b;
  };
  const Case cases[] = {
      // Misses after the last draw: 3 and 7 12, 5 9, the others less.
      {"5 then 3, 7", {"0 0 0", "0 0 0", "5 5 5", "0 0 0", "0 1 2", "4 6 8", "9 9 9", "0 0 0", "0 0 0", "0 0 0",
                       "0 0 0", "0 0 0"},
       "537"},
      // 1, 3, 7 and 9 all 12.
      {"four equal", {"0 2 4", "5 6 8", "0 2 4", "5 6 8", "0 2 4", "5 6 8", "0 2 4", "5 6 8", "0 2 4", "5 6 8",
                      "0 2 4", "5 6 8"},
       "379"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    const ResultGrid g = chart("frmtongsha3ma", history(c.draws));
    ASSERT_EQ(g.rows(), 14);
    EXPECT_EQ(digits(g, 13, 5, 7), c.b);
  }
}

TEST(RecommendThreeDigitsBC, GroupBOnlyFromTheTenthDraw) {
  QStringList draws;
  for (int i = 0; i < 10; ++i)
    draws << QStringLiteral("%1 %1 %2").arg(i).arg((i + 1) % 10);
  for (int n : {9, 10, 11}) {
    SCOPED_TRACE(n);
    const ResultGrid g = chart("frmtongsha3ma", history((draws + QStringList{"1 2 3"}).mid(0, n)));
    for (int r = 1; r <= n + 1; ++r)
      EXPECT_EQ(digits(g, r, 5, 7).isEmpty(), r < 11) << r;
  }
}

TEST(RecommendThreeDigitsBC, HitsOnRedAndTwoOrMoreShadedFromRowEleven) {
  // Sum 7 recommends "2", "3", "7"; 3 3 1 has sum 7.
  QStringList draws = {"3 3 1", "7 7 7", "3 3 1", "2 3 0"};  // rows 2 and 4 under "2", "3", "7"
  while (draws.size() < 10)
    draws << "0 0 0";
  draws << "3 3 1" << "7 2 9";  // row 12 under "2", "3", "7"
  const ResultGrid g = chart("frmtongsha3ma", history(draws));
  ASSERT_EQ(g.rows(), 14);
  EXPECT_EQ(digits(g, 2, 20, 23), "237-Y-");
  EXPECT_EQ(backs(g, 2, 20, 23), "..r.");  // 7 7 7: the 7 once, no shade
  EXPECT_EQ(backs(g, 4, 20, 23), "rr..");  // two hits before row 11: no shade
  EXPECT_EQ(g.text(4, 23), "-Y-");
  EXPECT_EQ(backs(g, 12, 20, 23), "r.rb");
  // Group B: never a digit of the draw before; hits on red, two or more shaded.
  for (int r = 11; r <= 13; ++r)
    for (const QChar d : digits(g, r, 5, 7))
      EXPECT_FALSE(digits(g, r - 1, 1, 3).contains(d)) << r;
  for (int r = 11; r <= 12; ++r) {
    int hits = 0;
    for (int c = 5; c <= 7; ++c) {
      const bool drawn = digits(g, r, 1, 3).contains(g.text(r, c));
      EXPECT_EQ(g.backColor(r, c), drawn ? kRed : 0u) << r << ", " << c;
      hits += drawn;
    }
    EXPECT_EQ(g.text(r, 8), hits ? "-Y-" : "") << r;
    EXPECT_EQ(g.backColor(r, 8), hits > 1 ? kBlue : 0u) << r;
  }
  EXPECT_EQ(backs(g, 13, 0, 23), QString(24, '.'));
}

TEST(RecommendThreeDigitsBC, HiddenChartOfDrawnDigitsAndGreyMissCounts) {
  const ResultGrid g = chart("frmtongsha3ma", history({"1 1 2", "3 4 5", "1 9 0"}));
  EXPECT_EQ(cellTexts(g, 1, 10, 19).join(' '), "1 * * 1 1 1 1 1 1 1");
  EXPECT_EQ(cellTexts(g, 2, 10, 19).join(' '), "2 1 1 * * * 2 2 2 2");
  EXPECT_EQ(cellTexts(g, 3, 10, 19).join(' '), "* * 2 1 1 1 3 3 3 *");
  for (int r = 1; r <= 3; ++r)
    for (int c = 10; c <= 19; ++c)
      EXPECT_EQ(g.foreColor(r, c), g.text(r, c) == "*" ? 0u : kGrey) << r << ", " << c;
  EXPECT_EQ(digits(g, 4, 10, 19), "");
  EXPECT_EQ(cellTexts(g, 0, 0, 23).join('|'), "|H|T|U||B1|B2|B3|Y/N||0|1|2|3|4|5|6|7|8|9|C1|C2|C3|Y/N");
  expectWidths(g, {{0, 1290}, {1, 300}, {3, 300}, {4, 20}, {5, 300}, {7, 300}, {8, 430}, {9, 150}, {10, 2},
                   {19, 2}, {20, 300}, {22, 300}, {23, 430}});

  const ResultGrid empty = chart("frmtongsha3ma", QByteArray());
  ASSERT_EQ(empty.rows(), 2);
  EXPECT_EQ(cellTexts(empty, 1, 0, 23).join(""), "");
}
