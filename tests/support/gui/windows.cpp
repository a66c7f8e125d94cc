#include "support/gui/windows.h"

#include "gui/frame/gridview.h"
#include "gui/frame/toolwindow.h"
#include "gui/mainwindow.h"

#include <QApplication>
#include <QColor>
#include <QPointer>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace corvessa::test {

void destroyAllWindows() {
  delete MainWindow::instance();
  // Guarded: deleting one window may take others (its popups) with it.
  std::vector<QPointer<QWidget>> windows;
  for (QWidget *w : QApplication::topLevelWidgets())
    windows.emplace_back(w);
  for (QPointer<QWidget> &w : windows)
    delete w.data();
}

namespace {

// The centre of grid cell (row, col), scrolled into view, in the viewport.
QPoint cellCentre(GridView *view, int row, int col) {
  const QModelIndex cell = view->model()->index(row - 1, col - 1);
  view->scrollTo(cell);
  return view->visualRect(cell).center();
}

}  // namespace

void pressCell(ToolWindow *window, int row, int col) {
  GridView *view = window->gridView();
  const QPoint at = cellCentre(view, row, col);
  QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
}

void doubleClickCell(ToolWindow *window, int row, int col) {
  GridView *view = window->gridView();
  const QPoint at = cellCentre(view, row, col);
  QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
}

void expectPressTogglesHighlight(ToolWindow *window, int row, int col, const QColor &highlight) {
  const QAbstractItemModel *model = window->gridView()->model();
  const QModelIndex cell = model->index(row - 1, col - 1);
  const QString text = model->data(cell).toString();
  pressCell(window, row, col);
  EXPECT_EQ(model->data(cell, Qt::BackgroundRole).value<QColor>(), highlight) << "after the first press";
  pressCell(window, row, col);
  EXPECT_FALSE(model->data(cell, Qt::BackgroundRole).isValid()) << "after the second press";
  EXPECT_EQ(model->data(cell).toString(), text);
}

QStyleOptionSlider scrollBarOption(QScrollBar *bar) {
  QStyleOptionSlider option;
  option.initFrom(bar);
  option.orientation = bar->orientation();
  if (bar->orientation() == Qt::Horizontal)
    option.state |= QStyle::State_Horizontal;
  option.minimum = bar->minimum();
  option.maximum = bar->maximum();
  option.sliderPosition = bar->sliderPosition();
  option.sliderValue = bar->value();
  option.singleStep = bar->singleStep();
  option.pageStep = bar->pageStep();
  option.subControls = QStyle::SC_All;
  return option;
}

}  // namespace corvessa::test
