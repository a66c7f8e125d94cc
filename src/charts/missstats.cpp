#include "charts/missstats.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

namespace corvessa::charts {

long long leadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
    ++i;
  constexpr long long kMax = std::numeric_limits<long long>::max();
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const int digit = text[i] - '0';
    if (value > (kMax - digit) / 10)
      return kMax;  // a longer run of figures than any count: the largest number
    value = value * 10 + digit;
  }
  return value;
}

long long TextNumbers::read(ResultGrid::TextId id) {
  const long long number = leadingNumber(grid_.viewOf(id));
  if (!(id & ResultGrid::kMadeTextBit)) {  // a made text is read each time
    if (id >= known_.size())
      known_.resize(std::size_t(id) + 1, -1);
    known_[id] = number;
  }
  return number;
}

namespace {

// Whether a text is the footer's mark, and its number, read once for each
// text; a made text is read each time.
class TextFacts {
 public:
  TextFacts(const ResultGrid &grid, std::string_view mark) : number(grid), grid_(grid), mark_(mark) {}

  bool isMark(ResultGrid::TextId id) {
    if (id == 0)
      return false;
    if (id & ResultGrid::kMadeTextBit)
      return grid_.viewOf(id) == mark_;
    if (id >= isMark_.size())
      isMark_.resize(std::size_t(id) + 1, -1);
    if (isMark_[id] < 0)
      isMark_[id] = grid_.viewOf(id) == mark_;
    return isMark_[id] != 0;
  }

  TextNumbers number;

 private:
  const ResultGrid &grid_;
  std::string_view mark_;
  std::vector<signed char> isMark_;  // by text id; -1: not read yet
};

// One mark column as the walk leaves it.
struct ColumnTally {
  int run = 1;            // the miss count that the next empty cell gets
  int lastCountRow = 0;   // the last row given a count; 0: none
  // The footer's figures.
  int amount = 0;
  long long maxMiss = 0;
  bool hit = true;        // the last row walked is a hit; row 0 counts as one: no run before the first draw
  long long number = 0;   // its number, where it is no hit
};

// The footer's figures of columns first..last, gathered from the cells of
// draw rows 1..N as they stand, row by row since a row's cells lie side by side.
std::vector<ColumnTally> tallyFooter(const ResultGrid &grid, int n, const FooterForm &footer) {
  const int first = footer.firstCol, last = footer.lastCol;
  std::vector<ColumnTally> tally(std::size_t(std::max(last - first + 1, 0)));
  if (tally.empty() || n < 1)
    return tally;
  (void)grid.textId(0, last);  // the columns lie in the grid
  TextFacts facts(grid, footer.mark);
  const bool largestCount = footer.maxMiss == MaxMissRule::LargestCount;
  for (int r = 1; r <= n; ++r) {
    const std::span<const ResultGrid::TextId> row = grid.rowTextIds(r);
    for (int c = first; c <= last; ++c) {
      ColumnTally &t = tally[std::size_t(c - first)];
      const ResultGrid::TextId id = row[std::size_t(c)];
      const bool hit = footer.hitBack != 0 ? grid.backColor(r, c) == footer.hitBack : facts.isMark(id);
      if (hit) {
        ++t.amount;
        if (!largestCount && !t.hit)
          t.maxMiss = std::max(t.maxMiss, t.number);
      } else {
        t.number = facts.number(id);
        if (largestCount)
          t.maxMiss = std::max(t.maxMiss, t.number);
      }
      t.hit = hit;
    }
  }
  return tally;
}

// The walk that long charts spend their time in: the counts written, and a
// footer (if any) whose hits are the cells of its mark's text, which no count
// has. An empty cell only gets its count; the figures of a run are taken
// where it ends, at the next non-empty cell or after the last row.
template <bool kFooter, bool kColour>
std::vector<ColumnTally> countMisses(ResultGrid &grid, int n, int first, int last, Rgb countColor,
                                     const FooterForm *footer) {
  std::vector<ColumnTally> tally(std::size_t(std::max(last - first + 1, 0)));
  if (tally.empty() || n < 1)
    return tally;
  (void)grid.textId(0, last);  // the columns lie in the grid
  const std::size_t columns = tally.size();
  const std::uint8_t countColorIndex = kColour ? grid.paletteIndex(countColor) : 0;
  const ResultGrid::TextId markId = kFooter && !footer->mark.empty() ? grid.intern(footer->mark) : 0;
  TextFacts facts(grid, kFooter ? footer->mark : std::string_view());
  const bool largestCount = kFooter && footer->maxMiss == MaxMissRule::LargestCount;
  // Each column's run: the count its next empty cell gets; above 1, the cell
  // above holds a count.
  std::vector<std::uint32_t> runs(columns, 1);
  // Where the cell above holds no count: whether it is a hit (row 0 counts
  // as one: no run before the first draw), else its number.
  std::vector<char> hitAbove(columns, 1);
  std::vector<long long> numberAbove(columns, 0);
  std::vector<int> lastCountRow(columns, 0);
  // The texts of the counts, each interned once as the longest run grows.
  std::vector<ResultGrid::TextId> countIds(1, 0);

  for (int r = 1; r <= n; ++r) {
    ResultGrid::TextId *const cells = grid.rowTextIds(r).data() + first;
    for (std::size_t i = 0; i < columns; ++i) {
      const ResultGrid::TextId id = cells[i];
      const std::uint32_t run = runs[i];
      if (id == 0) {
        if (run >= countIds.size()) [[unlikely]]
          countIds.push_back(grid.internNumber(run));
        cells[i] = countIds[run];
        runs[i] = run + 1;
        if constexpr (kColour)
          grid.setForeColorIndex(r, first + int(i), countColorIndex);
        continue;
      }
      runs[i] = 1;
      if (run > 1)
        lastCountRow[i] = r - 1;
      if constexpr (kFooter) {
        ColumnTally &t = tally[i];
        const bool countAbove = run > 1;
        if (countAbove && largestCount)
          t.maxMiss = std::max(t.maxMiss, (long long)(run - 1));
        if (id == markId || facts.isMark(id)) {
          ++t.amount;
          if (!largestCount && (countAbove || !hitAbove[i]))
            t.maxMiss = std::max(t.maxMiss, countAbove ? (long long)(run - 1) : numberAbove[i]);
          hitAbove[i] = 1;
        } else {
          numberAbove[i] = facts.number(id);
          if (largestCount)
            t.maxMiss = std::max(t.maxMiss, numberAbove[i]);
          hitAbove[i] = 0;
        }
      }
    }
  }
  for (std::size_t i = 0; i < columns; ++i) {
    ColumnTally &t = tally[i];
    const bool countLast = runs[i] > 1;
    t.run = int(runs[i]);
    t.lastCountRow = countLast ? n : lastCountRow[i];
    t.hit = !countLast && hitAbove[i];
    if (countLast && largestCount)
      t.maxMiss = std::max(t.maxMiss, (long long)(runs[i] - 1));
  }
  return tally;
}

template <bool kFooter>
std::vector<ColumnTally> countMisses(ResultGrid &grid, int n, int first, int last, Rgb countColor,
                                     const FooterForm *footer) {
  return countColor != 0 ? countMisses<kFooter, true>(grid, n, first, last, countColor, footer)
                         : countMisses<kFooter, false>(grid, n, first, last, countColor, footer);
}

// Whether a text is one that a miss count can have: a whole number from 1 on.
bool isCountText(std::string_view text) {
  return !text.empty() && text.size() <= 10 && text[0] != '0' &&
         std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

// The grid's current cell on the last count written: the lowest of the last
// column that got one. It stays where it was when no cell got one.
void endOnLastCount(ResultGrid &grid, int first, const std::vector<ColumnTally> &tally) {
  for (std::size_t i = tally.size(); i-- > 0;)
    if (tally[i].lastCountRow > 0) {
      grid.setCurrentCell(tally[i].lastCountRow, first + int(i));
      return;
    }
}

void writeFooter(ResultGrid &grid, int n, const FooterForm &form, const std::vector<ColumnTally> &tally) {
  const int first = form.firstCol, last = form.lastCol;
  const int footerRows = int(form.rows.size());
  grid.setVisible(false);
  grid.setRows(n + 2 + footerRows);
  for (int i = 0; i < footerRows; ++i)
    grid.setText(n + 2 + i, 0, footerLabel(form.rows[std::size_t(i)]));
  grid.setTopRow(grid.rows() - 1);

  const std::uint8_t valueFore = !form.tinted && form.valueFore != 0 ? grid.paletteIndex(form.valueFore) : 0;
  for (int k = 0; k < footerRows; ++k) {
    const int row = n + 2 + k;
    for (int c = first; c <= last; ++c) {
      const ColumnTally &t = tally[std::size_t(c - first)];
      switch (form.rows[std::size_t(k)]) {
        case FooterRow::Amount:
          grid.setNumber(row, c, t.amount);
          break;
        case FooterRow::MaxMiss:
          grid.setNumber(row, c, t.maxMiss);
          break;
        case FooterRow::CurrentMiss:
          if (n == 0 || t.hit)
            grid.setNumber(row, c, 0);
          else
            grid.setTextId(row, c, grid.textId(n, c));
          break;
        case FooterRow::Average:
          if (t.amount > 0)
            grid.setNumber(row, c, n / t.amount);
          else if (form.average == AverageForm::DrawCount)
            grid.setNumber(row, c, n);
          break;
        case FooterRow::Blank:
          continue;
      }
      if (valueFore != 0)
        grid.setForeColorIndex(row, c, valueFore);
    }
  }

  if (form.tinted) {
    const std::uint8_t back = grid.paletteIndex(kFooterBack), fore = grid.paletteIndex(kFooterFore);
    for (int r = n + 2; r < grid.rows(); ++r)
      for (int c = 1; c <= last; ++c) {
        grid.setBackColorIndex(r, c, back);
        grid.setForeColorIndex(r, c, fore);
      }
  }
  grid.setVisible(true);
}

// The one pass of markHitsWithMissCounts. A cell's count is the draws since
// its column's last hit, so a row's counts are read off the rows of those
// hits, and no cell is read before it is written. Where a footer is given,
// its figures are taken from the hits: a run's longest count is the draws
// between two hits, or after the last one.
std::vector<ColumnTally> writeHitsAndCounts(ResultGrid &grid, int n, int first, int last, std::string_view mark,
                                            const RowHits &hitsOf, const OnHit &onHit, const FooterForm *footer) {
  std::vector<ColumnTally> tally(std::size_t(std::max(last - first + 1, 0)));
  if (tally.empty() || n < 1)
    return tally;
  (void)grid.textId(0, last);  // the columns lie in the grid
  const std::size_t columns = tally.size();
  const ResultGrid::TextId markId = grid.intern(mark);
  const bool largestCount = footer && footer->maxMiss == MaxMissRule::LargestCount;
  std::vector<int> lastHit(columns, 0);  // 0: none yet; row 0 counts as a hit, no run before the first draw
  // The texts of the counts, each interned once as the longest run grows;
  // a count of 0 is a hit.
  std::vector<ResultGrid::TextId> countIds(1, markId);
  std::vector<std::pair<int, int>> rowHits;  // a row's hit columns and the rows of their hits before
  int oldestHit = 0;  // the least of lastHit: a row's longest count is r - oldestHit

  for (int r = 1; r <= n; ++r) {
    rowHits.clear();
    bool oldestMoved = false;
    for (const int c : hitsOf(r)) {
      if (c < first || c > last) [[unlikely]]
        throw std::out_of_range("a hit in column " + std::to_string(c) + ", outside the mark columns");
      int &before = lastHit[std::size_t(c - first)];
      if (before == r)
        continue;  // named twice
      ColumnTally &t = tally[std::size_t(c - first)];
      ++t.amount;
      if (r - before > 1)
        t.maxMiss = std::max(t.maxMiss, (long long)(r - before - 1));
      rowHits.emplace_back(c, before);
      oldestMoved |= before == oldestHit;
      before = r;
    }
    if (oldestMoved)
      oldestHit = *std::min_element(lastHit.begin(), lastHit.end());
    while (countIds.size() <= std::size_t(r - oldestHit))
      countIds.push_back(grid.internNumber((long long)countIds.size()));
    // The loop that the time goes to: nothing in it but the count's text.
    ResultGrid::TextId *const cells = grid.rowTextIds(r).data() + first;
    const int *const lasts = lastHit.data();
    const ResultGrid::TextId *const ids = countIds.data();
    for (std::size_t i = 0; i < columns; ++i)
      cells[i] = ids[r - lasts[i]];  // a count of 0 is this row's hit
    if (onHit)
      for (const auto &[c, before] : rowHits)
        onHit(r, c, before);
  }
  for (std::size_t i = 0; i < columns; ++i) {
    ColumnTally &t = tally[i];
    t.hit = lastHit[i] == n;
    t.run = n - lastHit[i] + 1;
    if (largestCount)
      t.maxMiss = std::max(t.maxMiss, (long long)(n - lastHit[i]));
  }
  return tally;
}

}  // namespace

void fillMissCounts(ResultGrid &grid, int drawCount, int firstCol, int lastCol, Rgb textColor) {
  if (lastCol < firstCol || drawCount < 1)
    return;
  countMisses<false>(grid, drawCount, firstCol, lastCol, textColor, nullptr);
}

void fillMissCountsShaded(ResultGrid &grid, int drawCount, int firstCol, int lastCol) {
  if (lastCol < firstCol || drawCount < 1)
    return;
  endOnLastCount(grid, firstCol, countMisses<false>(grid, drawCount, firstCol, lastCol, kShadedMissCount, nullptr));
}

std::string_view footerLabel(FooterRow row) {
  switch (row) {
    case FooterRow::Amount:
      return "Amount";
    case FooterRow::MaxMiss:
      return "Max Miss";
    case FooterRow::CurrentMiss:
      return "Current Miss";
    case FooterRow::Average:
      return "Average";
    case FooterRow::Blank:
      break;
  }
  return {};
}

void appendFooter(ResultGrid &grid, int n, const FooterForm &form) {
  writeFooter(grid, n, form, tallyFooter(grid, n, form));
}

void fillMissCountsAndFooter(ResultGrid &grid, int n, const FooterForm &form, MissCountShade shade) {
  const bool shaded = shade == MissCountShade::Shaded;
  // Hits by colour, or a mark that a count could equal, cannot be told while
  // the counts are written: the counts first, then the footer's own walk.
  if (form.hitBack != 0 || isCountText(form.mark)) {
    if (shaded)
      fillMissCountsShaded(grid, n, form.firstCol, form.lastCol);
    else
      fillMissCounts(grid, n, form.firstCol, form.lastCol);
    appendFooter(grid, n, form);
    return;
  }
  const std::vector<ColumnTally> tally =
      countMisses<true>(grid, n, form.firstCol, form.lastCol, shaded ? kShadedMissCount : 0, &form);
  if (shaded)
    endOnLastCount(grid, form.firstCol, tally);
  writeFooter(grid, n, form, tally);
}

void markHitsWithMissCounts(ResultGrid &grid, int n, int firstCol, int lastCol, std::string_view mark,
                            const RowHits &hitsOf, const OnHit &onHit) {
  writeHitsAndCounts(grid, n, firstCol, lastCol, mark, hitsOf, onHit, nullptr);
}

void markHitsWithMissCountsAndFooter(ResultGrid &grid, int n, const FooterForm &form, const RowHits &hitsOf) {
  writeFooter(grid, n, form, writeHitsAndCounts(grid, n, form.firstCol, form.lastCol, form.mark, hitsOf, {}, &form));
}

}  // namespace corvessa::charts
