#include "gui/frame/gridview.h"

#include "core/largearray.h"
#include "gui/platform/platform.h"

#include <QAbstractButton>
#include <QColor>
#include <QEvent>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <optional>

namespace corvessa {

namespace {

bool looksNumeric(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ')
    ++i;
  if (i < text.size() && (text[i] == '-' || text[i] == '+'))
    ++i;
  bool digits = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    digits = true;
  if (i < text.size() && text[i] == '.')
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
      digits = true;
  return digits && i == text.size();
}

QVariant colour(Rgb rgb) {
  if (rgb == 0)
    return {};
  return QColor(int(rgb >> 16 & 0xFF), int(rgb >> 8 & 0xFF), int(rgb & 0xFF));
}

Qt::Alignment alignmentOf(const QVariant &value) {
  return value.isValid() ? value.value<Qt::Alignment>() : Qt::AlignLeft | Qt::AlignVCenter;
}

QColor colourOr(const QVariant &value, QRgb otherwise) {
  return value.isValid() ? value.value<QColor>() : QColor(otherwise);
}

// A number as a count or a statistic is written: an optional sign, digits,
// and an optional decimal point with digits after it. Nothing else (a
// label, a mark, a blank) shrinks.
bool isPlainNumber(QStringView text) {
  qsizetype i = 0;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
    ++i;
  const auto digitsFrom = [&](qsizetype from) {
    qsizetype end = from;
    while (end < text.size() && text[end] >= u'0' && text[end] <= u'9')
      ++end;
    return end;
  };
  qsizetype end = digitsFrom(i);
  if (end == i)
    return false;
  if (end < text.size() && text[end] == u'.') {
    const qsizetype fraction = end + 1;
    end = digitsFrom(fraction);
    if (end == fraction)
      return false;
  }
  return end == text.size();
}

// The grid's font, or a smaller size of it, in which the text fits the
// width; nothing when it does not fit even at the smallest size that still
// reads.
std::optional<QFont> fittingFont(const QString &text, const QFont &font, qreal width) {
  if (QFontMetricsF(font).horizontalAdvance(text) <= width)
    return font;
  QFont smaller = font;
  for (int pixels = QFontInfo(font).pixelSize() - 1; pixels > 0; --pixels) {
    smaller.setPixelSize(pixels);
    const QFontMetricsF metrics(smaller);
    if (metrics.tightBoundingRect(QStringLiteral("0123456789")).height() < kSmallestDigitPixels)
      break;
    if (metrics.horizontalAdvance(text) <= width)
      return smaller;
  }
  return std::nullopt;
}

// A cell's text as the grid control draws it: a pixel of margin each side,
// never shortened. A text wider than the cell is cut at the cell's edge,
// but a number is never cut, as some of its digits would read as another
// number: it is drawn whole in a smaller size, or shown as the mark.
void drawCellText(QPainter *painter, const QRect &cell, const QString &text, Qt::Alignment alignment,
                  const QColor &colour, const QFont &font) {
  if (text.isEmpty() || cell.width() <= 0 || cell.height() <= 0)
    return;
  const QRect space = cell.adjusted(kCellTextMargin, 0, -kCellTextMargin, 0);
  QString shown = text;
  QFont shownFont = font;
  if (isPlainNumber(text)) {
    std::optional<QFont> fitting = fittingFont(text, font, space.width());
    if (!fitting) {
      shown = QString::fromLatin1(kNumberTooWideMark);
      fitting = fittingFont(shown, font, space.width());
    }
    if (!fitting)
      return;  // not even the mark fits: the cell stays blank rather than show a part of it
    shownFont = *fitting;
  }
  painter->save();
  painter->setClipRect(cell, painter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
  painter->setFont(shownFont);
  painter->setPen(colour);
  painter->drawText(space, int(alignment) | Qt::TextSingleLine | Qt::TextDontClip, shown);
  painter->restore();
}

// A fixed cell: the header face of the style, in the cell's own colours when
// it has any, with the text drawn as in every other cell.
void drawFixedCell(QPainter *painter, const QWidget *widget, QStyleOptionHeader &option, const QFont &font) {
  const QString text = option.text;
  option.text.clear();
  option.icon = QIcon();
  painter->save();  // the style may leave a clip behind
  painter->setBrushOrigin(option.rect.topLeft());  // a cell's own colour starts at the cell
  widget->style()->drawControl(QStyle::CE_Header, &option, painter, widget);
  painter->restore();
  // The style's edge lines take the last column and row of pixels, as the grid lines do in the cells.
  drawCellText(painter, option.rect.adjusted(0, 0, -1, -1), text, option.textAlignment,
               option.palette.color(QPalette::ButtonText), font);
}

// The grid's cells: white unless a cell has a colour of its own, a grey line
// on the right and at the bottom of each. No focus or hover tint covers the
// colours a chart's marks are made of; the current cell has a dotted frame
// while the grid has the focus. A range of cells that the user selected
// shows in the style's highlight colours; a single cell only has the frame.
class GridCellDelegate final : public QStyledItemDelegate {
 public:
  explicit GridCellDelegate(GridView *view) : QStyledItemDelegate(view), view_(view) {}

  void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override {
    const QRect &area = option.rect;
    if (area.width() <= 0 || area.height() <= 0)
      return;
    const QRect cell = area.adjusted(0, 0, -1, -1);
    const bool inRange = option.state & QStyle::State_Selected && view_->hasSelectedRange();
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : option.state & QStyle::State_Active ? QPalette::Active
                                                                             : QPalette::Inactive;
    painter->save();
    painter->fillRect(cell, inRange ? option.palette.color(group, QPalette::Highlight)
                                    : colourOr(index.data(Qt::BackgroundRole), kGridCellColour));
    painter->setPen(QColor(kGridLineColour));
    painter->drawLine(area.topRight(), area.bottomRight());
    painter->drawLine(area.bottomLeft(), area.bottomRight());
    const QColor textColour = inRange ? option.palette.color(group, QPalette::HighlightedText)
                                      : colourOr(index.data(Qt::ForegroundRole), kGridTextColour);
    drawCellText(painter, cell, index.data().toString(), alignmentOf(index.data(Qt::TextAlignmentRole)), textColour,
                 option.font);
    if (option.state & QStyle::State_HasFocus && cell.width() > 1 && cell.height() > 1) {
      painter->setPen(QPen(textColour, 0, Qt::DotLine));
      painter->drawRect(cell.adjusted(0, 0, -1, -1));
    }
    painter->restore();
  }

 private:
  const GridView *view_;
};

// The fixed row or column: each section is a fixed cell of the grid.
class GridHeader final : public QHeaderView {
 public:
  using QHeaderView::QHeaderView;

  // The toolkit's header walks every section of a changed range to find
  // where to repaint: a million of them when a handler has run on a long
  // history. The grid's header repaints what it shows instead, once its
  // measures are forgotten (by a change of one section).
  void setModel(QAbstractItemModel *model) override {
    if (QAbstractItemModel *before = this->model())
      disconnect(before, &QAbstractItemModel::headerDataChanged, this, nullptr);
    QHeaderView::setModel(model);
    if (!model)
      return;
    disconnect(model, SIGNAL(headerDataChanged(Qt::Orientation, int, int)), this,
               SLOT(headerDataChanged(Qt::Orientation, int, int)));
    connect(model, &QAbstractItemModel::headerDataChanged, this, [this](Qt::Orientation changed, int first, int) {
      if (changed != orientation() || first < 0 || first >= count())
        return;
      headerDataChanged(changed, first, first);
      viewport()->update();
    });
  }

 protected:
  void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override {
    if (!rect.isValid())
      return;
    QStyleOptionHeader option;
    initStyleOption(&option);
    initStyleOptionForIndex(&option, logicalIndex);
    option.rect = rect;
    drawFixedCell(painter, this, option, font());
  }

  // Beside the fixed row and under the fixed column, past the last cell,
  // lies the grid's background like everywhere beyond its cells.
  //
  // The sections are painted for the part of the event's area that they
  // cover: the toolkit's header paints every section, from the first row of
  // a long history to its last, when the area lies wholly past the last one
  // (as the strip under the last row of a grid scrolled to its end does).
  void paintEvent(QPaintEvent *event) override {
    const int end = length() - offset();
    QRect sections = event->rect();
    QRect beyond = viewport()->rect();
    if (orientation() == Qt::Horizontal) {
      sections.setRight(std::min(sections.right(), end - 1));
      beyond.setLeft(end);
    } else {
      sections.setBottom(std::min(sections.bottom(), end - 1));
      beyond.setTop(end);
    }
    if (sections == event->rect()) {
      QHeaderView::paintEvent(event);
    } else if (sections.isValid()) {
      QPaintEvent part(sections);
      QHeaderView::paintEvent(&part);
    }
    if (beyond.isValid()) {
      QPainter painter(viewport());
      painter.fillRect(beyond, QColor(kGridBeyondColour));
    }
  }
};

}  // namespace

bool viewHasRoomFor(std::int64_t rows, std::int64_t cols) {
  return heapHasRoomFor(std::size_t(std::max<std::int64_t>(rows, 0) + std::max<std::int64_t>(cols, 0)) *
                        kViewBytesPerSection);
}

Qt::Alignment cellAlignment(ColumnAlignment alignment, std::string_view text) {
  const int code = int(alignment);  // across in thirds, up and down within each third
  if (code < 0 || code > 8)
    return (looksNumeric(text) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
  static constexpr Qt::AlignmentFlag kHorizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
  static constexpr Qt::AlignmentFlag kVertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
  return kHorizontal[code / 3] | kVertical[code % 3];
}

void GridModel::setGrid(const ResultGrid *grid) {
  beginResetModel();
  grid_ = grid;
  takeShape();
  endResetModel();
}

int GridModel::gridFixedRows() const { return grid_ ? std::min(grid_->fixedRows(), grid_->rows()) : 0; }
int GridModel::gridFixedCols() const { return grid_ ? std::min(grid_->fixedCols(), grid_->cols()) : 0; }

void GridModel::takeShape() {
  fixedRows_ = gridFixedRows();
  fixedCols_ = gridFixedCols();
  rows_ = grid_ ? grid_->rows() - fixedRows_ : 0;
  cols_ = grid_ ? grid_->cols() - fixedCols_ : 0;
}

bool GridModel::showShape() {
  if (gridFixedRows() != fixedRows_ || gridFixedCols() != fixedCols_) {
    beginResetModel();
    takeShape();
    endResetModel();
    return true;
  }
  const int rows = grid_ ? grid_->rows() - fixedRows_ : 0;
  const int cols = grid_ ? grid_->cols() - fixedCols_ : 0;
  const bool changed = rows != rows_ || cols != cols_;
  if (cols < cols_) {
    beginRemoveColumns({}, cols, cols_ - 1);
    cols_ = cols;
    endRemoveColumns();
  } else if (cols > cols_) {
    beginInsertColumns({}, cols_, cols - 1);
    cols_ = cols;
    endInsertColumns();
  }
  if (rows < rows_) {
    beginRemoveRows({}, rows, rows_ - 1);
    rows_ = rows;
    endRemoveRows();
  } else if (rows > rows_) {
    beginInsertRows({}, rows_, rows - 1);
    rows_ = rows;
    endInsertRows();
  }
  return changed;
}

void GridModel::refresh() {
  if (rowCount() > 0 && columnCount() > 0)
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  if (columnCount() > 0)
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
  if (rowCount() > 0)
    Q_EMIT headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

int GridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : rows_; }

int GridModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : cols_; }

QVariant GridModel::cellData(int row, int col, int role) const {
  if (!grid_ || row < 0 || col < 0 || row >= grid_->rows() || col >= grid_->cols())
    return {};
  switch (role) {
    case Qt::DisplayRole:
      return grid_->isEmpty(row, col) ? QVariant() : QVariant(grid_->text(row, col));
    case Qt::ForegroundRole:
      return colour(grid_->foreColor(row, col));
    case Qt::BackgroundRole:
      return colour(grid_->backColor(row, col));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(cellAlignment(grid_->colAlignment(col), grid_->textView(row, col)));
    default:
      return {};
  }
}

QVariant GridModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid())
    return {};
  return cellData(gridRow(index.row()), gridCol(index.column()), role);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  // The fixed row and column are the headers: row 0 across, column 0 down.
  if (orientation == Qt::Horizontal)
    return fixedRows() > 0 ? cellData(0, gridCol(section), role) : QVariant();
  return fixedCols() > 0 ? cellData(gridRow(section), 0, role) : QVariant();
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

GridView::GridView(QWidget *parent) : QTableView(parent) {
  setObjectName(QStringLiteral("MSFlexGrid1"));
  setHorizontalHeader(new GridHeader(Qt::Horizontal, this));
  setVerticalHeader(new GridHeader(Qt::Vertical, this));
  setEditTriggers(NoEditTriggers);
  // A range as a grid control selects one: a drag, or Shift with the keys.
  setSelectionMode(ContiguousSelection);
  setSelectionBehavior(SelectItems);
  setVerticalScrollMode(ScrollPerItem);
  setHorizontalScrollMode(ScrollPerItem);
  // Tab goes on to the window's next control, as from any other control.
  setTabKeyNavigation(false);
  setWordWrap(false);
  setShowGrid(false);  // the cells draw the grid's lines in its own colour
  setItemDelegate(new GridCellDelegate(this));
  QPalette beyond = viewport()->palette();
  beyond.setColor(QPalette::Base, QColor(kGridBeyondColour));
  viewport()->setPalette(beyond);
  for (QHeaderView *header : {horizontalHeader(), verticalHeader()}) {
    header->setMinimumSectionSize(0);  // columns of a few twips stay nearly hidden
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
  }
  verticalHeader()->setDefaultSectionSize(twipsToPixels(kDefaultRowTwips));
  horizontalHeader()->setDefaultSectionSize(twipsToPixels(kDefaultColumnTwips));
  corner_ = findChild<QAbstractButton *>();
  if (corner_)
    corner_->installEventFilter(this);
}

void GridView::setGridModel(GridModel *model) {
  model_ = model;
  setModel(model);
  if (!model)
    return;
  // A new shape clears the selection without a word, and the sizes are set afresh.
  connect(model, &QAbstractItemModel::modelReset, this, [this] {
    selectedRange_ = false;
    appliedSizes_.reset();
  });
  const auto reshaped = [this] {
    clearSelection();
    selectedRange_ = false;
    appliedSizes_.reset();
  };
  connect(model, &QAbstractItemModel::rowsInserted, this, reshaped);
  connect(model, &QAbstractItemModel::rowsRemoved, this, reshaped);
  connect(model, &QAbstractItemModel::columnsInserted, this, reshaped);
  connect(model, &QAbstractItemModel::columnsRemoved, this, reshaped);
  if (QItemSelectionModel *selection = selectionModel())
    connect(selection, &QItemSelectionModel::selectionChanged, this, [this, selection] {
      const QItemSelection ranges = selection->selection();
      const bool range = ranges.size() > 1 || (ranges.size() == 1 && (ranges.first().width() > 1 ||
                                                                       ranges.first().height() > 1));
      // A single cell and a range paint differently, so the cell a range started from changes too.
      if (range != selectedRange_) {
        selectedRange_ = range;
        viewport()->update();
      }
    });
}

void GridView::applyGridSizes() {
  const ResultGrid *grid = model_ ? model_->grid() : nullptr;
  if (!grid || appliedSizes_ == grid->sizeChanges())
    return;
  appliedSizes_ = grid->sizeChanges();
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(grid->fontPoints());
  setFont(font);
  // The headers do not always inherit the view's font (a theme may give
  // them one of their own), yet they are grid cells like the rest.
  horizontalHeader()->setFont(font);
  verticalHeader()->setFont(font);
  if (corner_)
    corner_->setFont(font);

  const auto widthPx = [&](int col) {
    const int twips = grid->colWidth(col);
    return twipsToPixels(twips < 0 ? kDefaultColumnTwips : twips);
  };
  const auto heightPx = [&](int row) {
    const int twips = grid->rowHeight(row);
    return twipsToPixels(twips < 0 ? kDefaultRowTwips : twips);
  };

  QHeaderView *across = horizontalHeader();
  QHeaderView *down = verticalHeader();
  across->setVisible(model_->fixedRows() > 0);
  down->setVisible(model_->fixedCols() > 0);
  if (model_->fixedRows() > 0)
    across->setFixedHeight(heightPx(0));
  if (model_->fixedCols() > 0)
    down->setFixedWidth(widthPx(0));
  for (int c = 0; c < model_->columnCount(); ++c)
    across->resizeSection(c, widthPx(model_->gridCol(c)));
  // Rows keep the default height unless the tool set heights of its own, so
  // a long history costs nothing here.
  if (grid->hasRowHeights())
    for (int r = 0; r < model_->rowCount(); ++r)
      down->resizeSection(r, heightPx(model_->gridRow(r)));
}

void GridView::scrollToTopRow() {
  const ResultGrid *grid = model_ ? model_->grid() : nullptr;
  if (!grid)
    return;
  updateGeometries();  // the scroll range for the current size
  verticalScrollBar()->setValue(std::max(grid->topRow() - model_->fixedRows(), 0));
}

int GridView::topRow() const {
  // Rows scroll whole and none is hidden, so the scroll value counts the rows above.
  return verticalScrollBar()->value() + (model_ ? model_->fixedRows() : 0);
}

void GridView::showCurrentCell() {
  const ResultGrid *grid = model_ ? model_->grid() : nullptr;
  if (!grid || !selectionModel())
    return;
  // Invalid on the fixed row or column.
  const QModelIndex cell =
      model_->index(grid->currentRow() - model_->fixedRows(), grid->currentCol() - model_->fixedCols());
  if (cell == currentIndex())
    return;
  // Setting the current cell does not scroll: only the top row does.
  const bool scrolls = hasAutoScroll();
  setAutoScroll(false);
  if (cell.isValid())
    selectionModel()->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
  else
    selectionModel()->clearCurrentIndex();
  setAutoScroll(scrolls);
}

void showCurrentCellAfterKey(QAbstractItemView *view, const QKeyEvent *event) {
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      if (view->currentIndex().isValid())
        view->scrollTo(view->currentIndex());
      break;
    default:
      break;
  }
}

void GridView::keyPressEvent(QKeyEvent *event) {
  QTableView::keyPressEvent(event);
  showCurrentCellAfterKey(this, event);
}

QModelIndex GridView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
  // Without a current cell a key starts where the user is looking, not at the first draw.
  if (!currentIndex().isValid() && model_) {
    const QModelIndex topLeft = model_->index(rowAt(0), columnAt(0));
    if (topLeft.isValid())
      return topLeft;
  }
  return QTableView::moveCursor(cursorAction, modifiers);
}

void GridView::scrollContentsBy(int dx, int dy) {
  QTableView::scrollContentsBy(dx, dy);
  keepFirstRowAndColumnWhole();
}

void GridView::updateGeometries() {
  QTableView::updateGeometries();
  keepFirstRowAndColumnWhole();
}

void GridView::keepFirstRowAndColumnWhole() {
  bool moved = false;
  for (auto [header, bar] : {std::pair{verticalHeader(), verticalScrollBar()},
                             std::pair{horizontalHeader(), horizontalScrollBar()}}) {
    const int offset = header->offset();
    header->setOffsetToSectionPosition(bar->value());
    moved |= header->offset() != offset;
  }
  if (moved)
    viewport()->update();
}

bool GridView::eventFilter(QObject *watched, QEvent *event) {
  // The corner is grid cell (0, 0): paint its text and colours like a header.
  // The view watches other widgets too (its scroll bars); they paint themselves.
  if (watched != corner_)
    return QTableView::eventFilter(watched, event);
  // A fixed cell, not a button that selects every cell.
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      return true;
    default:
      break;
  }
  if (event->type() != QEvent::Paint || !model_ || model_->fixedRows() == 0 || model_->fixedCols() == 0)
    return QTableView::eventFilter(watched, event);
  QWidget *corner = corner_;
  QStyleOptionHeader option;
  option.initFrom(corner);
  option.state |= QStyle::State_Raised;
  option.rect = corner->rect();
  option.position = QStyleOptionHeader::OnlyOneSection;
  option.text = model_->cellData(0, 0, Qt::DisplayRole).toString();
  option.textAlignment = alignmentOf(model_->cellData(0, 0, Qt::TextAlignmentRole));
  const QVariant back = model_->cellData(0, 0, Qt::BackgroundRole);
  const QVariant fore = model_->cellData(0, 0, Qt::ForegroundRole);
  if (back.isValid()) {
    option.palette.setColor(QPalette::Button, back.value<QColor>());
    option.palette.setColor(QPalette::Window, back.value<QColor>());
  }
  if (fore.isValid())
    option.palette.setColor(QPalette::ButtonText, fore.value<QColor>());
  QPainter painter(corner);
  drawFixedCell(&painter, corner, option, corner->font());
  return true;
}

}  // namespace corvessa
