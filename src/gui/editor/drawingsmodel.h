#pragma once
// The draw editor's grid as a Qt model: it adapts the editor's rows (one a
// line of the file, four cells each) and holds the header row's captions. A
// cell's shown text is cut, with an ellipsis, to what a screen could show;
// text() and rows() give it whole.
#include "core/editorrows.h"

#include <QAbstractTableModel>
#include <array>

namespace corvessa {

class DrawingsModel final : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit DrawingsModel(QObject *parent = nullptr);

  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  int columnCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;

  const EditorRows &rows() const { return rows_; }
  void setRows(EditorRows rows);
  QString text(int row, int column) const;
  void setText(int row, int column, const QString &text);
  void setHeaderTexts(const std::array<QString, 4> &texts);

  void insertBlankRow(int row);  // before `row`; rowCount() appends
  void removeRowAt(int row);
  void clearRow(int row);

 private:
  EditorRows rows_;
  std::array<QString, 4> headers_;
};

}  // namespace corvessa
