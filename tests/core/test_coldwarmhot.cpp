// Cold Warm Hot: the ranking over the seven draws before each row, the
// pattern marks and colours, and the next box numbers for the coming draw.
#include "tools/menus.h"
#include "charts/hotwarmcold.h"
#include "charts/nextboxnumbers.h"
#include "charts/framework/tool.h"
#include "charts/framework/toolframe.h"
#include "charts/framework/toolsession.h"
#include "core/drawfile.h"
#include "support/core/chartcells.h"
#include "support/core/qtprint.h"

#include <QByteArray>
#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

using namespace corvessa;
using namespace corvessa::charts;
using test::chart;
using test::history;
using test::registeredTool;
using test::rowTexts;

// The colours of the digits' counts: red above two, yellow at two, blue below.
constexpr Rgb red = rgb(255, 0, 0), yellow = rgb(255, 243, 42), blue = rgb(1, 188, 243);

namespace {

const char *const kColdWarmHot = "frmrenwenleng";
constexpr int kFirstLabel = 101;  // the draws' labels count from here

constexpr Rgb kTint = rgb(249, 212, 194);
constexpr Rgb kHotHit = rgb(255, 0, 200), kWarmHit = rgb(225, 0, 0), kColdHit = rgb(42, 140, 167);
constexpr Rgb kPatternBack = rgb(42, 219, 167);

// Seven draws whose counts are 5:6, 8:4, 1:3, 9:2 and 1 for each of 0 2 3 4 6 7,
// so the ranking for the next draw is 5 8 1 | 9 0 2 3 | 4 6 7.
const char *const kSevenDraws[] = {"5 5 5", "8 8 8", "5 5 5", "8 1 1", "1 9 9", "0 2 3", "4 6 7"};

QStringList sevenDrawsAnd(QStringList more = {}) {
  QStringList draws;
  for (const char *d : kSevenDraws)
    draws << QString::fromLatin1(d);
  return draws + more;
}

// Nothing in the count, ranking and pattern columns 1..32.
bool rowHasNoRankingOrPattern(const ResultGrid &g, int row) {
  for (int c = 1; c <= 32; ++c)
    if (!g.isEmpty(row, c))
      return false;
  return true;
}

}  // namespace

// The shared routine on a bare grid, as any window with these columns calls it.
TEST(RankDigitsHotWarmCold, RanksRowsEightToTheComingDrawsFromColumns34To36) {
  ResultGrid g(11, 37);  // 8 draws, the coming draw's row and one more
  for (int d = 0; d < 10; ++d)
    g.setNumber(0, 1 + d, d);
  const char *const draws[] = {"555", "888", "555", "811", "199", "023", "467", "44x", "12"};
  for (int r = 1; r <= 9; ++r)
    for (int k = 0; draws[r - 1][k]; ++k)
      g.setText(r, 34 + k, std::string_view(draws[r - 1] + k, 1));
  g.setText(10, 12, "kept");
  rankDigitsHotWarmCold(g, 8);

  EXPECT_EQ(rowTexts(g, 8, 1, 21), "1 3 1 1 1 6 1 1 4 2  5 8 1 9 0 2 3 4 6 7");
  // Row 8's "x" is no digit and is not counted: 21 positions less one.
  EXPECT_EQ(rowTexts(g, 9, 1, 21), "1 3 1 1 3 3 1 1 4 2  8 1 4 5 9 0 2 3 6 7");
  for (int r : {1, 7})
    EXPECT_EQ(rowTexts(g, r, 1, 21).trimmed(), QString()) << "row " << r;
  // Row 10, after the coming draw's row 9, is no target.
  EXPECT_EQ(rowTexts(g, 10, 1, 21), "           kept         ");
}

TEST(ColdWarmHot, LayoutHeadersWidthsAndAlignment) {
  const ResultGrid g = chart(kColdWarmHot, history(sevenDrawsAnd({"4 4 9"}), kFirstLabel));
  ASSERT_EQ(g.cols(), 37);
  EXPECT_EQ(rowTexts(g, 0, 0, 22), " 0 1 2 3 4 5 6 7 8 9  H H H W W W W C C C ");
  EXPECT_EQ(rowTexts(g, 0, 23, 36), "003 030 300 012 021 102 120 201 210 111    ");
  const std::pair<int, int> widths[] = {{0, 1204}, {1, 2},    {10, 2},   {11, 80}, {12, 258}, {21, 258},
                                        {22, 80},  {23, 400}, {32, 400}, {33, 80}, {34, 2},   {36, 2}};
  for (auto [col, twips] : widths)
    EXPECT_EQ(g.colWidth(col), twips) << "column " << col;
  for (int c = 1; c <= 24; ++c)
    EXPECT_EQ(g.colAlignment(c), ColumnAlignment::LeftBottom) << "column " << c;
  for (int c : {0, 25, 32, 36})
    EXPECT_EQ(g.colAlignment(c), ColumnAlignment::General) << "column " << c;
  EXPECT_EQ(g.rows(), 8 + 3);
  EXPECT_EQ(g.topRow(), g.rows() - 1);
  // The draw's digits sit in the nearly hidden columns 34..36.
  EXPECT_EQ(g.text(8, 0), " 108:449");
  EXPECT_EQ(rowTexts(g, 8, 34, 36), "4 4 9");
}

TEST(ColdWarmHot, CountsTiesAndClassesOfTheRanking) {
  const ResultGrid g = chart(kColdWarmHot, history(sevenDrawsAnd(), kFirstLabel));
  ASSERT_EQ(g.rows(), 10);
  // Row 8 = N + 1: the ranking for the coming draw; equal counts of 1 go in
  // digit order and fall into both the warm and the cold class.
  EXPECT_EQ(rowTexts(g, 8, 1, 10), "1 3 1 1 1 6 1 1 4 2");
  EXPECT_EQ(rowTexts(g, 8, 12, 21), "5 8 1 9 0 2 3 4 6 7");
  const Rgb countColors[] = {blue, red, blue, blue, blue, red, blue, blue, red, yellow};
  for (int d = 0; d < 10; ++d)
    EXPECT_EQ(g.backColor(8, 1 + d), countColors[d]) << "digit " << d;
  // Exactly seven draws: no draw row is ranked or marked.
  for (int r = 1; r <= 7; ++r)
    EXPECT_TRUE(rowHasNoRankingOrPattern(g, r)) << "row " << r;
}

TEST(ColdWarmHot, SevenEqualDrawsPutTheOtherDigitsInAscendingOrder) {
  const ResultGrid g = chart(kColdWarmHot, history(QStringList(7, QStringLiteral("1 1 1")), kFirstLabel));
  EXPECT_EQ(rowTexts(g, 8, 1, 10), "0 21 0 0 0 0 0 0 0 0");
  EXPECT_EQ(rowTexts(g, 8, 12, 21), "1 0 2 3 4 5 6 7 8 9");
  EXPECT_EQ(g.backColor(8, 2), red);
  EXPECT_EQ(g.backColor(8, 1), blue);
}

TEST(ColdWarmHot, EightDrawsRankTheFirstDrawRowAndTheComingDraw) {
  const ResultGrid g = chart(kColdWarmHot, history(sevenDrawsAnd({"4 4 9"}), kFirstLabel));
  ASSERT_EQ(g.rows(), 11);
  EXPECT_EQ(rowTexts(g, 8, 12, 21), "5 8 1 9 0 2 3 4 6 7");
  // Row 9 counts draws 2 to 8: the first draw has left the seven.
  EXPECT_EQ(rowTexts(g, 9, 1, 10), "1 3 1 1 3 3 1 1 4 3");
  EXPECT_EQ(rowTexts(g, 9, 12, 21), "8 1 4 5 9 0 2 3 6 7");
  for (int r = 1; r <= 7; ++r)
    EXPECT_TRUE(rowHasNoRankingOrPattern(g, r)) << "row " << r;
}

TEST(ColdWarmHot, FewerThanSevenDrawsRankNothing) {
  for (int n : {0, 1, 6}) {
    const ResultGrid g = chart(kColdWarmHot, history(QStringList(n, QStringLiteral("3 1 4")), kFirstLabel));
    ASSERT_EQ(g.rows(), n + 3) << n << " draws";
    for (int r = 1; r <= n + 2; ++r) {
      EXPECT_TRUE(rowHasNoRankingOrPattern(g, r)) << n << " draws, row " << r;
      for (int c = 15; c <= 18; ++c)
        EXPECT_EQ(g.backColor(r, c), kTint) << n << " draws, row " << r;
      for (int c : {1, 12, 14, 19, 23})
        EXPECT_EQ(g.backColor(r, c), 0u);
    }
    if (n > 0) {
      EXPECT_EQ(g.text(n, 0), QStringLiteral(" %1:314").arg(100 + n));
    }
  }
}

TEST(ColdWarmHot, PatternMarksAndColoursCellByCell) {
  // The eighth draw against the ranking 5 8 1 | 9 0 2 3 | 4 6 7 (columns 12..21).
  struct Case {
    const char *draw;
    const char *pattern;
    int patternCol;
    std::vector<std::pair<int, Rgb>> hits;  // ranked cells coloured
  };
  const Case cases[] = {
      {"4 4 9", "012", 26, {{15, kWarmHit}, {19, kColdHit}}},  // a repeated digit colours its cell once
      {"4 6 7", "003", 23, {{19, kColdHit}, {20, kColdHit}, {21, kColdHit}}},
      {"9 0 2", "030", 24, {{15, kWarmHit}, {16, kWarmHit}, {17, kWarmHit}}},
      {"5 5 5", "300", 25, {{12, kHotHit}}},
      {"2 3 7", "021", 27, {{17, kWarmHit}, {18, kWarmHit}, {21, kColdHit}}},
      {"1 6 4", "102", 28, {{14, kHotHit}, {19, kColdHit}, {20, kColdHit}}},
      {"3 8 0", "120", 29, {{13, kHotHit}, {16, kWarmHit}, {18, kWarmHit}}},
      {"5 8 4", "201", 30, {{12, kHotHit}, {13, kHotHit}, {19, kColdHit}}},
      {"1 1 9", "210", 31, {{14, kHotHit}, {15, kWarmHit}}},
      {"7 9 5", "111", 32, {{12, kHotHit}, {15, kWarmHit}, {21, kColdHit}}},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(tc.draw);
    const ResultGrid g = chart(kColdWarmHot, history(sevenDrawsAnd({QString::fromLatin1(tc.draw)}), kFirstLabel));
    ASSERT_EQ(rowTexts(g, 8, 12, 21), "5 8 1 9 0 2 3 4 6 7");
    for (int c = 12; c <= 21; ++c) {
      Rgb expected = c >= 15 && c <= 18 ? kTint : 0;
      for (auto [col, color] : tc.hits)
        if (col == c)
          expected = color;
      EXPECT_EQ(g.backColor(8, c), expected) << "column " << c;
    }
    for (int c = 23; c <= 32; ++c) {
      EXPECT_EQ(g.text(8, c), c == tc.patternCol ? QString::fromLatin1(tc.pattern) : QString()) << "column " << c;
      EXPECT_EQ(g.backColor(8, c), c == tc.patternCol ? kPatternBack : 0u) << "column " << c;
    }
    // Row 9 holds the ranking for the coming draw; it is never marked.
    EXPECT_EQ(rowTexts(g, 9, 23, 32), "         ");
    for (int c = 15; c <= 18; ++c)
      EXPECT_EQ(g.backColor(10, c), kTint);  // row N + 2 holds no data, only the tint
  }
}

TEST(ColdWarmHot, RecordWithADigitOutsideZeroToNineNeverReachesTheChart) {
  QByteArray data = history(sevenDrawsAnd(), kFirstLabel);
  data.insert(data.indexOf("104 "), "999 1 12 3\r\n555 1 a 3\r\n");
  const DrawHistory parsed = parseDrawHistory(data + "108 4 4 9\r\n");
  EXPECT_EQ(parsed.skippedCount, 2);
  const ResultGrid g = computeChart(registeredTool(kColdWarmHot), parsed);
  ASSERT_EQ(g.rows(), 8 + 3);
  EXPECT_EQ(rowTexts(g, 8, 1, 10), "1 3 1 1 1 6 1 1 4 2");
  EXPECT_EQ(rowTexts(g, 8, 12, 21), "5 8 1 9 0 2 3 4 6 7");
  EXPECT_EQ(g.text(8, 26), "012");
}

// ---------------------------------------------------------------------------
// Next box numbers

namespace {

const HotWarmColdRanking kWorkedExample{{5, 8, 1}, {9, 0, 2, 3}, {4, 6, 7}};

const char kWorkedExampleText[] =
    "003:\r\n467 446 447 466 667 477 677 444 666 777 \r\n\r\n"
    "030:\r\n023 029 039 239 002 003 009 022 223 229 033 233 339 099 299 399 000 222 333 999 \r\n\r\n"
    "300:\r\n158 115 118 155 558 188 588 111 555 888 \r\n\r\n"
    "012:\r\n469 046 246 346 479 047 247 347 679 067 267 367 449 044 244 344 669 066 266 366 779 077 277 377 "
    "\r\n\r\n"
    "021:\r\n049 024 034 249 234 349 069 026 036 269 236 369 079 027 037 279 237 379 "
    "499 004 224 334 699 006 226 336 799 007 227 337 \r\n\r\n"
    "102:\r\n456 457 567 468 478 678 146 147 167 445 566 577 448 668 778 144 166 177 \r\n\r\n"
    "120:\r\n059 025 035 259 235 359 089 028 038 289 238 389 019 012 013 129 123 139 "
    "599 005 225 335 899 008 228 338 199 001 122 133 \r\n\r\n"
    "201:\r\n458 145 148 568 156 168 578 157 178 455 488 114 556 688 116 557 788 117 \r\n\r\n"
    "210:\r\n589 159 189 058 015 018 258 125 128 358 135 138 559 889 119 055 088 011 255 288 112 355 388 113 "
    "\r\n\r\n"
    "111:\r\n459 569 579 045 056 057 245 256 257 345 356 357 489 689 789 048 068 078 248 268 278 348 368 378 "
    "149 169 179 014 016 017 124 126 127 134 136 137 \r\n\r\n";

QString patternOf(const QString &box, const HotWarmColdRanking &r) {
  int counts[3] = {0, 0, 0};
  for (QChar ch : box) {
    const int d = ch.digitValue();
    if (std::find(r.hot.begin(), r.hot.end(), d) != r.hot.end())
      ++counts[0];
    else if (std::find(r.warm.begin(), r.warm.end(), d) != r.warm.end())
      ++counts[1];
    else
      ++counts[2];
  }
  return QStringLiteral("%1%2%3").arg(counts[0]).arg(counts[1]).arg(counts[2]);
}

}  // namespace

TEST(NextBoxNumbers, WorkedExampleByteForByte) {
  EXPECT_EQ(nextBoxNumbersText(kWorkedExample), QString::fromLatin1(kWorkedExampleText));
}

TEST(NextBoxNumbers, ComesFromTheRowUnderTheLastDraw) {
  const ResultGrid g = chart(kColdWarmHot, history(sevenDrawsAnd(), kFirstLabel));
  const auto ranking = rankingOfRow(g, g.rows() - 2);
  ASSERT_TRUE(ranking.has_value());
  EXPECT_EQ(nextBoxNumbersText(ranking), QString::fromLatin1(kWorkedExampleText));
}

TEST(NextBoxNumbers, EveryBoxOnceUnderItsOwnPattern) {
  const HotWarmColdRanking rankings[] = {
      kWorkedExample, {{0, 1, 2}, {3, 4, 5, 6}, {7, 8, 9}}, {{9, 8, 7}, {6, 5, 4, 3}, {2, 1, 0}},
      {{3, 0, 7}, {8, 1, 9, 2}, {6, 4, 5}}};
  const char *const headings[] = {"003", "030", "300", "012", "021", "102", "120", "201", "210", "111"};
  const int sizes[] = {10, 20, 10, 24, 30, 18, 30, 18, 24, 36};
  for (const HotWarmColdRanking &r : rankings) {
    const QString text = nextBoxNumbersText(r);
    ASSERT_TRUE(text.endsWith(QStringLiteral(" \r\n\r\n")));
    const QStringList sections = text.chopped(4).split(QStringLiteral("\r\n\r\n"));
    ASSERT_EQ(sections.size(), 10);
    QSet<QString> seen;
    for (int i = 0; i < 10; ++i) {
      SCOPED_TRACE(headings[i]);
      const QStringList lines = sections[i].split(QStringLiteral("\r\n"));
      ASSERT_EQ(lines.size(), 2);
      EXPECT_EQ(lines[0], QString::fromLatin1(headings[i]) + QLatin1Char(':'));
      ASSERT_TRUE(lines[1].endsWith(QLatin1Char(' ')));
      const QStringList boxes = lines[1].chopped(1).split(QLatin1Char(' '));
      EXPECT_EQ(boxes.size(), sizes[i]);
      for (const QString &box : boxes) {
        ASSERT_EQ(box.size(), 3);
        EXPECT_TRUE(box[0] <= box[1] && box[1] <= box[2]) << box.toStdString();
        EXPECT_EQ(patternOf(box, r), QString::fromLatin1(headings[i])) << box.toStdString();
        EXPECT_FALSE(seen.contains(box)) << box.toStdString();
        seen.insert(box);
      }
    }
    EXPECT_EQ(seen.size(), 220);
  }
}

TEST(NextBoxNumbers, WithoutARankingSaysThereAreNotEnoughDraws) {
  for (int n : {0, 3, 6}) {
    const ResultGrid g = chart(kColdWarmHot, history(QStringList(n, QStringLiteral("2 7 1")), kFirstLabel));
    const auto ranking = rankingOfRow(g, g.rows() - 2);
    EXPECT_FALSE(ranking.has_value()) << n << " draws";
    EXPECT_EQ(nextBoxNumbersText(ranking), QString::fromLatin1(kNotEnoughDrawsText));
  }
  EXPECT_TRUE(QString::fromLatin1(kNotEnoughDrawsText).startsWith(QStringLiteral("Not enough draws")));
}

TEST(NextBoxNumbers, CaptionCycle) {
  NextBoxNumbersToggle toggle;
  EXPECT_EQ(toggle.caption(), "Next Box numbers ");
  EXPECT_FALSE(toggle.listShown());
  const std::pair<const char *, bool> afterClicks[] = {
      {"Hide Box numbers", true}, {"Next Box numbers", false}, {"Hide Box numbers", true}, {"Next Box numbers", false}};
  for (auto [caption, shown] : afterClicks) {
    toggle.click();
    EXPECT_EQ(toggle.caption(), QString::fromLatin1(caption));
    EXPECT_EQ(toggle.listShown(), shown);
  }
}

// ---------------------------------------------------------------------------
// The window's own controls

namespace {

const ToolDesign &coldWarmHot() { return registeredTool(kColdWarmHot).design; }

}  // namespace

TEST(ColdWarmHotWindow, ButtonsFromTheRightAndTheListOverTheGrid) {
  const ToolDesign &d = coldWarmHot();
  QStringList controls;
  for (const ControlDesign &c : d.controls)
    controls << c.name + ":" + c.caption;
  // "Exit" is Command1; there is no hidden reset button.
  EXPECT_EQ(controls, (QStringList{"MSFlexGrid1:", "Command1:Exit", "Command3:Help", "Command2:Next Box numbers ",
                                   "Text1:"}));
  EXPECT_EQ(d.control("Command1")->role, ControlRole::Exit);
  EXPECT_EQ(d.control("Command3")->role, ControlRole::Help);
  EXPECT_FALSE(d.showsLoadingCaption);
  EXPECT_EQ(d.highlight, rgb(43, 145, 255));

  FormGeometry g = designGeometry(d);
  formResizeLayout(d, g, 8000, 6000);
  EXPECT_EQ(g[kGridName], (TwipsRect{0, 0, 7790, 4800}));
  EXPECT_EQ(g["Text1"], (TwipsRect{0, 0, 8055, 5175}));
  EXPECT_EQ(g["Command1"], (TwipsRect{7790 - 1575, 5025, 1575, 375}));
  EXPECT_EQ(g["Command2"], (TwipsRect{7790 - 1575 - 100 - 1935, 5025, 1935, 375}));
  EXPECT_EQ(g["Command3"], (TwipsRect{7790 - 1575 - 100 - 1935 - 100 - 1335, 5025, 1335, 375}));

  // Too narrow: the grid's width fails, and the steps after it change nothing.
  const FormGeometry before = g;
  formResizeLayout(d, g, 100, 3000);
  EXPECT_EQ(g[kGridName], (TwipsRect{0, 0, 7790, 1800}));
  for (const char *name : {"Text1", "Command1", "Command2", "Command3"})
    EXPECT_EQ(g[name], before.at(name)) << name;
}

TEST(ColdWarmHotWindow, ListButtonShowsAndHidesTheList) {
  RecordingHost host;
  ToolSession window(registeredTool(kColdWarmHot), &host);
  window.load(parseDrawHistory(history(sevenDrawsAnd(), kFirstLabel)));
  const std::pair<const char *, bool> afterClicks[] = {
      {"Hide Box numbers", true}, {"Next Box numbers", false}, {"Hide Box numbers", true}};
  for (auto [caption, shown] : afterClicks) {
    window.click("Command2");
    EXPECT_EQ(window.state().control("Command2").text, QString::fromLatin1(caption));
    EXPECT_EQ(window.state().control("Text1").visible, shown);
    if (shown) {
      EXPECT_EQ(window.state().control("Text1").text, QString::fromLatin1(kWorkedExampleText));
    }
  }
  window.click("Command3");
  window.click("Command1");
  EXPECT_EQ(host.openedPages, QStringList{"\\help\\Cold_Warm_Hot.htm"});
  EXPECT_TRUE(host.closed);
}
