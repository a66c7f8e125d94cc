// The recommended-digit charts of the "Digit" menu as a user sees them: the
// digits recommended beside each draw (made from the draw before it), their
// marks and colours, and the row for the coming draw.
#include "charts/tool.h"
#include "charts/toolframe.h"
#include "core/drawfile.h"
#include "support/core/qtprint.h"

#include <QByteArray>
#include <QStringList>
#include <cmath>
#include <cstdint>

#include <gtest/gtest.h>

using namespace corvessa;

namespace {

constexpr Rgb kShade = rgb(255, 223, 157);
constexpr Rgb kRed = rgb(255, 0, 0);
constexpr Rgb kBlue = rgb(140, 219, 255);
constexpr Rgb kSumWidth = rgb(43, 218, 255);
constexpr Rgb kGrey = rgb(188, 194, 182);

const ToolEntry &tool(const char *window) {
  const ToolEntry *entry = ToolRegistry::instance().find(QString::fromLatin1(window));
  EXPECT_NE(entry, nullptr) << window;
  return *entry;
}

ResultGrid chart(const char *window, const QByteArray &data) {
  return computeChart(tool(window), parseDrawHistory(data));
}

// Draws "H T U" labelled 1, 2, 3, ...
QByteArray history(const QStringList &draws) {
  QByteArray out;
  int label = 1;
  for (const QString &d : draws)
    out += QByteArray::number(label++) + ' ' + d.toLatin1() + "\r\n";
  return out;
}

// The texts of a row's cells, without separators: each cell here holds one character or none.
QString digits(const ResultGrid &g, int row, int first, int last) {
  QString out;
  for (int c = first; c <= last; ++c)
    out += g.text(row, c);
  return out;
}

QStringList texts(const ResultGrid &g, int row, int first, int last) {
  QStringList out;
  for (int c = first; c <= last; ++c)
    out << g.text(row, c);
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

void expectWidths(const ResultGrid &g, std::initializer_list<std::pair<int, int>> widths) {
  for (auto [col, twips] : widths)
    EXPECT_EQ(g.colWidth(col), twips) << "column " << col;
}

// A draw "H T U" of the sum s (0 to 27).
QString drawOfSum(int s) {
  const int h = std::min(9, s), t = std::min(9, s - h), u = s - h - t;
  return QStringLiteral("%1 %2 %3").arg(h).arg(t).arg(u);
}

}  // namespace

// ---- "Recommend 2 digits" ----

// A and E on every sum, against the Part's own wording of them: A1 = 9 - W;
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
    EXPECT_EQ(texts(g, s + 1, 4, 5), QStringList({QString::number(s), QString::number(width)}));
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
  EXPECT_EQ(texts(g, 3, 22, 24), QStringList({"1", "3", "-Y-"}));
  EXPECT_EQ(backs(g, 3, 22, 24), "s..");
  // Row 5: 0 5 5 under B "0", "0" (of 0 0 0): both shaded, the mark on red.
  EXPECT_EQ(texts(g, 5, 10, 12), QStringList({"0", "0", "-Y-"}));
  EXPECT_EQ(backs(g, 5, 10, 12), "ssr");
  // Row 7: 3 8 1 under C "3", "8" (of 1 2 3), in other positions: red; B "9", "4" misses: no mark.
  EXPECT_EQ(texts(g, 7, 14, 16), QStringList({"3", "8", "-Y-"}));
  EXPECT_EQ(backs(g, 7, 14, 16), "ssr");
  EXPECT_EQ(texts(g, 7, 10, 12), QStringList({"9", "4", ""}));
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
  EXPECT_EQ(texts(g, 1, 1, 5), QStringList({"7", "2", "7", "16", "5"}));
  for (int c : {4, 5}) {
    EXPECT_EQ(g.backColor(1, c), kSumWidth);
    EXPECT_EQ(g.backColor(2, c), 0u);
  }
  EXPECT_EQ(texts(g, 0, 0, 28).join('|'), "|H|T|U|S|W|A1|A2|||B1|B2|||C1|C2|||D1|D2|||E1|E2|||F1|F2|");
  EXPECT_EQ(g.cols(), 29);
  EXPECT_EQ(g.colWidth(0), 1290);
  for (int c = 1; c <= 28; ++c)
    EXPECT_EQ(g.colWidth(c), 300) << c;
  EXPECT_EQ(g.topRow(), g.rows() - 1);
}
