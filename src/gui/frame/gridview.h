#pragma once
// The result grid on screen: a model that only adapts a ResultGrid (texts,
// colours, alignment) and a table view that keeps the grid's fixed row and
// column in view as its headers, with sizes taken from the grid's twips.
//
// The view paints the grid as a grid control does: white cells with grey
// lines between them, the area beyond the last cell dark grey, and each text
// with one pixel of margin, never shortened: a text that fits its column
// shows whole, a wider one is cut at the cell's edge, and a number too wide
// for its cell is drawn smaller or as a mark, never in part. It scrolls by
// whole rows and columns, and its current cell is the grid's. A drag or
// Shift with the keys selects a range, shown in the highlight colours; the
// cells' own colours stay as they are.
#include "core/resultgrid.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QKeyEvent>
#include <QTableView>
#include <cstdint>
#include <optional>
#include <string_view>

namespace corvessa {

// Sizes for what a design leaves to the grid, the same in every window.
inline constexpr int kDefaultColumnTwips = ResultGrid::kDefaultColumnTwips;
inline constexpr int kDefaultRowTwips = ResultGrid::kDefaultRowTwips;

// The grid's own colours: a cell without a colour of its own, its text, the
// lines between cells, and the area beyond the last column and row.
inline constexpr QRgb kGridCellColour = qRgb(255, 255, 255);
inline constexpr QRgb kGridTextColour = qRgb(0, 0, 0);
inline constexpr QRgb kGridLineColour = qRgb(192, 192, 192);
inline constexpr QRgb kGridBeyondColour = qRgb(128, 128, 128);
// Pixels between a cell's text and its left and right edges.
inline constexpr int kCellTextMargin = 1;
// A number wider than its cell is drawn in a smaller size of the grid's
// font, no smaller than digits whose ink is this many pixels high; one that
// does not fit even then shows this mark, which no one reads as a figure.
inline constexpr int kSmallestDigitPixels = 5;
inline constexpr char kNumberTooWideMark[] = "#";

class GridModel final : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit GridModel(QObject *parent = nullptr) : QAbstractTableModel(parent) {}

  // The grid must outlive the model or be replaced first. The views start
  // over, as with a grid they have not seen.
  void setGrid(const ResultGrid *grid);
  const ResultGrid *grid() const { return grid_; }
  // After a change of the grid's row or column count: the rows and columns
  // that came or went at the end are inserted or removed as such, so a view
  // keeps its place and sizes; only a change of the fixed rows or columns
  // starts the views over. False when the counts are as they were.
  bool showShape();
  // Around any change of the grid's shape, the views start over.
  void beginGridReset() { beginResetModel(); }
  void endGridReset() {
    takeShape();
    endResetModel();
  }
  // Every cell may have changed, but not the counts.
  void refresh();

  int rowCount(const QModelIndex &parent = {}) const override;
  int columnCount(const QModelIndex &parent = {}) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;

  int fixedRows() const { return fixedRows_; }
  int fixedCols() const { return fixedCols_; }
  // Model position to grid position.
  int gridRow(int modelRow) const { return modelRow + fixedRows(); }
  int gridCol(int modelCol) const { return modelCol + fixedCols(); }

  // What a grid cell shows for a role; the corner cell uses it too.
  QVariant cellData(int row, int col, int role) const;

 private:
  // The counts the views were told of, which a change of the grid's shape
  // leaves behind until showShape() tells them.
  void takeShape();
  int gridFixedRows() const;
  int gridFixedCols() const;

  const ResultGrid *grid_ = nullptr;
  int rows_ = 0, cols_ = 0, fixedRows_ = 0, fixedCols_ = 0;
};

class GridView final : public QTableView {
  Q_OBJECT
 public:
  explicit GridView(QWidget *parent = nullptr);

  void setGridModel(GridModel *model);
  GridModel *gridModel() const { return model_; }

  // Column widths, row heights, header sizes and font from the grid, when
  // they have changed since they were last set (or the view started over).
  void applyGridSizes();
  // Shows the grid's top row at the top, or the last rows when there are
  // too few rows under it to fill the view.
  void scrollToTopRow();
  // The grid row on top of the rows that scroll.
  int topRow() const;
  // Makes the grid's current cell the view's, where the view stands. A cell
  // of the fixed row or column leaves the view without one: a key then
  // starts from the top left cell in view.
  void showCurrentCell();
  // The user has selected more than one cell: the selection shows.
  bool hasSelectedRange() const { return selectedRange_; }

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
  void scrollContentsBy(int dx, int dy) override;
  void updateGeometries() override;

 private:
  // Qt lines the last row up with the bottom edge, and the last column with
  // the right edge, at the end of the scroll range, which leaves the first
  // row or column beside the fixed ones partly hidden; the grid keeps them
  // whole (and the last ones too, as the range ends where they fit).
  void keepFirstRowAndColumnWhole();

  GridModel *model_ = nullptr;
  bool selectedRange_ = false;
  // The grid's sizeChanges() when its sizes were set; none after a start over.
  std::optional<std::uint64_t> appliedSizes_;
  QWidget *corner_ = nullptr;  // the table's corner button, painted as grid cell (0, 0)
};

// After a key that moves a grid's current cell (the arrows, Home, End, the
// page keys, with Ctrl or Shift too): the cell in view, whether it moved or
// not. The toolkit scrolls only to a cell that changed, so End in the last
// column of a window made narrower left that column out of sight.
void showCurrentCellAfterKey(QAbstractItemView *view, const QKeyEvent *event);

// A table view keeps a few bytes for each row and column in its headers
// (8 in Qt 6), in one block of the heap that grows to the next power of
// two; the toolkit cannot say when that memory runs out, and ends the
// program. True when a view can take this many rows and columns now.
inline constexpr std::size_t kViewBytesPerSection = 16;
bool viewHasRoomFor(std::int64_t rows, std::int64_t cols);

// A column's alignment for a cell's text: General puts numbers right and
// other texts left.
Qt::Alignment cellAlignment(ColumnAlignment alignment, std::string_view text);

}  // namespace corvessa
