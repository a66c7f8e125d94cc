#pragma once
// Miss counts between the hits of a mark column, and the footer rows under
// the draws ("Amount", "Max Miss", "Current Miss", "Average") in the forms
// the windows use.
#include "core/resultgrid.h"

#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace corvessa::charts {

// The number a text starts with, leading blanks skipped; 0 when it starts with none.
long long leadingNumber(std::string_view text);

// leadingNumber of a grid's texts by id, each text read once: the cells of a
// long history repeat a few hundred texts, the miss counts most of all.
class TextNumbers {
 public:
  explicit TextNumbers(const ResultGrid &grid) : grid_(grid) {}
  long long operator()(ResultGrid::TextId id) {
    if (id < known_.size() && known_[id] >= 0)
      return known_[id];
    return read(id);
  }

 private:
  long long read(ResultGrid::TextId id);
  const ResultGrid &grid_;
  std::vector<long long> known_;  // by text id; -1: not read yet
};

// Every empty cell of draw rows 1..N in columns first..last gets the number of
// draws since the column's last hit (any non-empty cell ends a run), in the
// text colour given (0: the grid's own).
void fillMissCounts(ResultGrid &grid, int drawCount, int firstCol, int lastCol, Rgb textColor = 0);

// The pale grey of shaded miss counts, among which the marks stand out.
inline constexpr Rgb kShadedMissCount = rgb(188, 194, 182);
// fillMissCounts in that grey. The grid's current cell ends on the last count
// written, taking the columns one after another; it stays where it was when
// no cell was empty.
void fillMissCountsShaded(ResultGrid &grid, int drawCount, int firstCol, int lastCol);

enum class FooterRow { Blank, Amount, MaxMiss, CurrentMiss, Average };

enum class MaxMissRule {
  LargestCount,      // the largest miss count over draw rows 1..N, so never below Current Miss
  LongestClosedRun,  // the longest run that a hit ended; the run open at the last draw is not counted
};

enum class AverageForm {
  EmptyWhenNoHit,  // "Average" stays empty in a column without hits
  DrawCount,       // a column without hits shows N
};

inline constexpr Rgb kFooterBack = rgb(231, 225, 239);
inline constexpr Rgb kFooterFore = rgb(0, 0, 255);

// One form of the footer. A hit is a draw cell whose text is exactly `mark`,
// or, where `hitBack` is set, a cell of that back colour.
struct FooterForm {
  int firstCol = 5;
  int lastCol = 5;
  std::string_view mark{};
  Rgb hitBack = 0;
  // The rows from N + 2 down, each labelled in column 0; the grid gets
  // N + 2 + rows.size() rows and scrolls to its last.
  std::vector<FooterRow> rows = {FooterRow::Amount, FooterRow::MaxMiss, FooterRow::CurrentMiss, FooterRow::Average};
  MaxMissRule maxMiss = MaxMissRule::LargestCount;
  AverageForm average = AverageForm::EmptyWhenNoHit;
  bool tinted = true;   // columns 1..lastCol of every footer row in kFooterBack and kFooterFore
  Rgb valueFore = 0;    // the values' text colour where the footer is not tinted
};

// Writes the footer for columns firstCol..lastCol. With no draws every value
// is 0 and "Average" follows its form.
void appendFooter(ResultGrid &grid, int drawCount, const FooterForm &form);

// How the miss counts of fillMissCountsAndFooter are written.
enum class MissCountShade {
  Plain,   // as fillMissCounts, in the grid's own text colour
  Shaded,  // as fillMissCountsShaded, the current cell included
};

// fillMissCounts over the footer's columns, then appendFooter, in one walk
// over the draw rows: the footer's figures are gathered while the counts are
// written. Give the grid room for the footer's rows before its draw rows are
// filled (reserveRows), so it is not copied when the footer comes.
void fillMissCountsAndFooter(ResultGrid &grid, int drawCount, const FooterForm &form,
                             MissCountShade shade = MissCountShade::Plain);

// Mark columns whose hits each draw row names (a row's hits depend on its
// key, a few hundred at most), written in one pass that writes every cell
// once: a hit gets `mark`, every other cell of draw rows 1..N in columns
// first..last the miss count that fillMissCounts would give it. The columns
// are empty before. `onHit` (if any) learns each hit after its row is
// written, with the row of the column's hit before (0: none).
using RowHits = std::function<std::span<const int>(int row)>;
using OnHit = std::function<void(int row, int col, int previousHit)>;
void markHitsWithMissCounts(ResultGrid &grid, int drawCount, int firstCol, int lastCol, std::string_view mark,
                            const RowHits &hitsOf, const OnHit &onHit = {});
// The same with the footer of `form` (its columns, mark and rules; no
// colour of hits) under the draws, its figures taken from the hits.
void markHitsWithMissCountsAndFooter(ResultGrid &grid, int drawCount, const FooterForm &form, const RowHits &hitsOf);

// The labels of the rows.
std::string_view footerLabel(FooterRow row);

}  // namespace corvessa::charts
