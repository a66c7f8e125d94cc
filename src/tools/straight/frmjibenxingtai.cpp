// "Straight Number shape": every draw classified three ways, position by
// position (odd/even, big/small, prime/composite): one letter per position,
// the draw's three-letter pattern, and the pattern marked among the eight
// patterns of its classification.
#include "tools/straight/tools.h"

#include "charts/digitclasses.h"
#include "charts/drawrows.h"
#include "charts/palette.h"
#include "charts/standardwindow.h"

#include <array>
#include <string>

namespace corvessa::tools {
namespace {

using namespace charts;

// One classification: its block of columns from `first` (the pattern, the
// three letters, the eight patterns' chart), the letter a digit gets when it
// is in the class (coloured) and when it is not (left in the block's colour).
struct Classification {
  int first;
  const char *header;
  DigitClass digits;
  Rgb letterBack;
  Rgb markBack;
};
constexpr int kLetterCol = 1, kChartCol = 4;  // after the block's first column
constexpr int kPatterns = 8;

constexpr Classification kClassifications[] = {
    {1, "{OE}", kEvenOdd, kMint, rgb(212, 219, 225)},
    {14, "{BS}", kBigSmall, rgb(127, 176, 237), rgb(243, 140, 0)},
    {27, "{PC}", kPrimeComposite, rgb(236, 217, 136), rgb(40, 203, 0)},
};

// The chart's headers in column order: the letter not in the class first,
// so "OOO", "OOE", "OEO", ... "EEE".
constexpr std::array<std::array<const char *, kPatterns>, 3> kChartHeaders = {{
    {"OOO", "OOE", "OEO", "OEE", "EOO", "EOE", "EEO", "EEE"},
    {"BBB", "BBS", "BSB", "BSS", "SBB", "SBS", "SSB", "SSS"},
    {"PPP", "PPC", "PCP", "PCC", "CPP", "CPC", "CCP", "CCC"},
}};

constexpr int kDigitOffset = 39;  // H, T, U in the hidden columns 40..42
constexpr int kBandFirst = 14, kBandLast = 26;

// "Exit" is Command1; there is no hidden reset button and no "Help". The
// caption stays the same while the chart loads. A press on a cell toggles
// the highlight.
ToolDesign design() {
  return standardWindow({.id = {.windowName = "frmjibenxingtai", .caption = "Straight Number shape"},
                         .cols = 43,
                         // Each block's chart (from its first column, 1, 14 and 27) at 420 with its
                         // three letters at 255, the separators 13, 26 and 39, the hidden digits.
                         .widths = {{0, 0, 1204},
                                    {1, 12, 420},
                                    {2, 4, 255},
                                    {14, 25, 420},
                                    {15, 17, 255},
                                    {27, 38, 420},
                                    {28, 30, 255},
                                    {13, 13, 80},
                                    {26, 26, 80},
                                    {39, 39, 80},
                                    {kDigitOffset + 1, kDigitOffset + 3, 2}},
                         .reset = SpareRowReset::None,
                         .help = HelpButton::None,
                         .exitName = QStringLiteral("Command1"),
                         .highlight = kAzure,
                         .showsLoadingCaption = false});
}

void writeHeaders(ResultGrid &grid);
void writeShapeLetters(ResultGrid &grid, int drawCount);
void markShapePatterns(ResultGrid &grid, int drawCount);

void load(ToolWindowState &state, const DrawHistory &history) {
  ResultGrid &grid = state.grid;
  const int n = state.drawCount;
  writeHeaders(grid);
  startOffsetDrawRows(grid, n, history, kDigitOffset);
  // The band covers the two rows under the draws too.
  for (int r = 1; r < grid.rows(); ++r)
    for (int c = kBandFirst; c <= kBandLast; ++c)
      grid.setBackColor(r, c, kPeach);
  writeShapeLetters(grid, n);
  markShapePatterns(grid, n);
  grid.setRowHeight(0, 300);
  grid.setTopRow(grid.rows() - 1);
}

void writeHeaders(ResultGrid &grid) {
  for (std::size_t k = 0; k < std::size(kClassifications); ++k) {
    const Classification &cls = kClassifications[k];
    grid.setText(0, cls.first, cls.header);
    grid.setText(0, cls.first + kLetterCol, "H");
    grid.setText(0, cls.first + kLetterCol + 1, "T");
    grid.setText(0, cls.first + kLetterCol + 2, "U");
    for (int i = 0; i < kPatterns; ++i)
      grid.setText(0, cls.first + kChartCol + i, kChartHeaders[k][std::size_t(i)]);
  }
}

// The letters of each position, and the pattern in the block's first column.
void writeShapeLetters(ResultGrid &grid, int drawCount) {
  struct Texts {
    ResultGrid::TextId letter[2];   // [in class]
    ResultGrid::TextId pattern[8];  // by the letters' classes, H the highest bit
  };
  Texts texts[3];
  for (std::size_t k = 0; k < 3; ++k) {
    const Classification &cls = kClassifications[k];
    texts[k].letter[0] = grid.intern(cls.digits.letter(false));
    texts[k].letter[1] = grid.intern(cls.digits.letter(true));
    for (int bits = 0; bits < 8; ++bits) {
      std::string pattern;
      for (int shift = 2; shift >= 0; --shift)
        pattern += (bits >> shift & 1) ? cls.digits.inClass : cls.digits.otherwise;
      texts[k].pattern[bits] = grid.intern(pattern);
    }
  }
  for (int r = 1; r <= drawCount; ++r) {
    const std::optional<Digits> digits = readDrawDigits(grid, r, kDigitOffset + 1);
    if (!digits)
      continue;
    int bits[3] = {0, 0, 0};
    for (int p = 0; p < 3; ++p) {
      const int d = (*digits)[std::size_t(p)];
      for (std::size_t k = 0; k < 3; ++k) {
        const Classification &cls = kClassifications[k];
        const bool inClass = cls.digits.holds(d);
        const int c = cls.first + kLetterCol + p;
        grid.setTextId(r, c, texts[k].letter[inClass]);
        if (inClass)
          grid.setBackColor(r, c, cls.letterBack);
        bits[k] = bits[k] << 1 | int(inClass);
      }
    }
    for (std::size_t k = 0; k < 3; ++k)
      grid.setTextId(r, kClassifications[k].first, texts[k].pattern[bits[k]]);
  }
}

// The pattern is marked in the chart column whose header equals it.
void markShapePatterns(ResultGrid &grid, int drawCount) {
  for (int r = 1; r <= drawCount; ++r)
    for (const Classification &cls : kClassifications) {
      const ResultGrid::TextId pattern = grid.textId(r, cls.first);
      for (int c = cls.first + kChartCol; c < cls.first + kChartCol + kPatterns; ++c)
        if (grid.textId(0, c) == pattern) {
          grid.setTextId(r, c, pattern);
          grid.setBackColor(r, c, cls.markBack);
        }
    }
}

}  // namespace

ToolEntry frmjibenxingtai() { return {design(), load}; }

}  // namespace corvessa::tools
