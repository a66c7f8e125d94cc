#include "gui/editor/drawingsmodel.h"

#include <QColor>

namespace corvessa {

namespace {

// A cell shows at most this much of its text: more than the widest screen
// holds of the narrowest characters, so painting a cell never depends on
// how long its text is. The text itself is kept whole.
constexpr qsizetype kShownCharacters = 2000;

// The cell's first characters, one more than are shown, to tell whether
// there are more.
QString cellStart(const EditorRows &rows, int row, int column) {
  return rows.textStart(row, column, kShownCharacters + 1);
}

QString shownText(const QString &start) {
  if (start.size() <= kShownCharacters)
    return start;
  return start.left(kShownCharacters) + QChar(0x2026);
}

// General alignment: numbers to the right, other texts to the left, so the
// labels and digits of a column line up by their last figure. A text too long
// to show whole is left-aligned, so its beginning is what shows.
bool looksNumeric(const QString &text) {
  if (text.size() > kShownCharacters)
    return false;
  bool ok = false;
  text.trimmed().toDouble(&ok);
  return ok;
}

}  // namespace

DrawingsModel::DrawingsModel(QObject *parent) : QAbstractTableModel(parent) {}

int DrawingsModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : rows_.rowCount(); }

int DrawingsModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : 4; }

QVariant DrawingsModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid())
    return {};
  if (role == Qt::DisplayRole)
    return shownText(cellStart(rows_, index.row(), index.column()));
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(Qt::AlignVCenter | (looksNumeric(cellStart(rows_, index.row(), index.column()))
                                                       ? Qt::AlignRight
                                                       : Qt::AlignLeft));
  if (role == Qt::BackgroundRole)
    return QColor(Qt::white);  // the view's own background shows beyond the cells
  return {};
}

QVariant DrawingsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= 4)
    return {};
  if (role == Qt::DisplayRole)
    return headers_[std::size_t(section)];
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(Qt::AlignVCenter | Qt::AlignLeft);
  return {};
}

Qt::ItemFlags DrawingsModel::flags(const QModelIndex &index) const {
  // Cells change only through the edit box laid over them.
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void DrawingsModel::setRows(EditorRows rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

QString DrawingsModel::text(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= 4)
    return {};
  return rows_.text(row, column);
}

void DrawingsModel::setText(int row, int column, const QString &text) {
  if (row < 0 || row >= rowCount() || column < 0 || column >= 4)
    return;
  rows_.setText(row, column, text);
  const QModelIndex cell = index(row, column);
  Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole, Qt::TextAlignmentRole});
}

void DrawingsModel::setHeaderTexts(const std::array<QString, 4> &texts) {
  headers_ = texts;
  Q_EMIT headerDataChanged(Qt::Horizontal, 0, 3);
}

void DrawingsModel::insertBlankRow(int row) {
  row = std::clamp(row, 0, rowCount());
  rows_.makeRoomForRow();  // what may fail comes before the views hear of the row
  beginInsertRows(QModelIndex(), row, row);
  rows_.insertBlankRow(row);
  endInsertRows();
}

void DrawingsModel::removeRowAt(int row) {
  if (row < 0 || row >= rowCount())
    return;
  beginRemoveRows(QModelIndex(), row, row);
  rows_.removeRow(row);
  endRemoveRows();
}

void DrawingsModel::clearRow(int row) {
  if (row < 0 || row >= rowCount())
    return;
  rows_.clearRow(row);
  Q_EMIT dataChanged(index(row, 0), index(row, 3), {Qt::DisplayRole, Qt::TextAlignmentRole});
}

}  // namespace corvessa
