#include "charts/nextboxnumbers.h"

#include "charts/hotwarmcold.h"

#include <algorithm>
#include <span>
#include <string>
#include <utility>

namespace corvessa::charts {

std::optional<HotWarmColdRanking> rankingOfRow(const ResultGrid &grid, int row) {
  if (row < 0 || row >= grid.rows() || grid.cols() <= kLastRankCol)
    return std::nullopt;
  int digits[10];
  bool seen[10] = {};
  for (int i = 0; i < 10; ++i) {
    const std::string_view text = grid.textView(row, kFirstHotCol + i);
    if (text.size() != 1 || text[0] < '0' || text[0] > '9' || seen[text[0] - '0'])
      return std::nullopt;
    digits[i] = text[0] - '0';
    seen[digits[i]] = true;
  }
  HotWarmColdRanking ranking;
  std::copy_n(digits, 3, ranking.hot.begin());
  std::copy_n(digits + 3, 4, ranking.warm.begin());
  std::copy_n(digits + 7, 3, ranking.cold.begin());
  return ranking;
}

namespace {

using Digits = std::span<const int>;

class ListWriter {
 public:
  void heading(const char *pattern) {
    out_ += pattern;
    out_ += ":\r\n";
  }
  void box(int a, int b, int c) {
    int d[3] = {a, b, c};
    std::sort(d, d + 3);
    for (int x : d)
      out_ += char('0' + x);
    out_ += ' ';
  }
  void endSection() { out_ += "\r\n\r\n"; }
  QString text() const { return QString::fromLatin1(out_.data(), qsizetype(out_.size())); }

 private:
  std::string out_;
};

template <std::size_t N>
std::array<int, N> ascending(std::array<int, N> digits) {
  std::sort(digits.begin(), digits.end());
  return digits;
}

// All three digits from one class: the sets of three different digits, then
// each doubled digit with every other digit, then the triples.
void oneClass(ListWriter &w, Digits s) {
  const std::size_t n = s.size();
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = i + 1; j < n; ++j)
      for (std::size_t k = j + 1; k < n; ++k)
        w.box(s[i], s[j], s[k]);
  for (std::size_t twice = 0; twice < n; ++twice)
    for (std::size_t other = 0; other < n; ++other)
      if (other != twice)
        w.box(s[twice], s[twice], s[other]);
  for (int d : s)
    w.box(d, d, d);
}

// One digit of the single class with two of the pair class: the different
// pairs first (taken once, by digit order), then each pair digit doubled.
void twoAndOne(ListWriter &w, Digits single, Digits pair) {
  for (int s : single)
    for (int pi : pair)
      for (int pj : pair)
        if (pj > pi)
          w.box(s, pi, pj);
  for (int s : single)
    for (int p : pair)
      w.box(s, p, p);
}

}  // namespace

QString nextBoxNumbersText(const std::optional<HotWarmColdRanking> &ranking) {
  if (!ranking)
    return QString::fromLatin1(kNotEnoughDrawsText);
  const auto &[hot, warm, cold] = *ranking;
  ListWriter w;

  // All three digits from one class, each class's digits ascending.
  const std::array<int, 3> coldUp = ascending(cold), hotUp = ascending(hot);
  const std::array<int, 4> warmUp = ascending(warm);
  const std::pair<const char *, Digits> oneClassSections[] = {{"003", coldUp}, {"030", warmUp}, {"300", hotUp}};
  for (const auto &[pattern, digits] : oneClassSections) {
    w.heading(pattern);
    oneClass(w, digits);
    w.endSection();
  }

  // One warm digit with each cold pair, the pairs by rank position.
  w.heading("012");
  const std::pair<int, int> coldPairs[] = {{0, 1}, {0, 2}, {1, 2}, {0, 0}, {1, 1}, {2, 2}};
  for (auto [i, j] : coldPairs)
    for (int wd : warm)
      w.box(wd, cold[std::size_t(i)], cold[std::size_t(j)]);
  w.endSection();

  // The other mixes of two classes: one digit of the single class, two of the pair class.
  struct TwoAndOneSection {
    const char *pattern;
    Digits single, pair;
  };
  const TwoAndOneSection twoAndOneSections[] = {
      {"021", cold, warm}, {"102", hot, cold}, {"120", hot, warm}, {"201", cold, hot}, {"210", warm, hot}};
  for (const TwoAndOneSection &section : twoAndOneSections) {
    w.heading(section.pattern);
    twoAndOne(w, section.single, section.pair);
    w.endSection();
  }

  w.heading("111");
  for (int h : hot)
    for (int wd : warm)
      for (int c : cold)
        w.box(h, wd, c);
  w.endSection();
  return w.text();
}

QString NextBoxNumbersToggle::caption() const {
  if (clicks_ == 0)
    return QStringLiteral("Next Box numbers ");
  return listShown() ? QStringLiteral("Hide Box numbers") : QStringLiteral("Next Box numbers");
}

}  // namespace corvessa::charts
