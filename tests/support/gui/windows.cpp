#include "support/gui/windows.h"

#include "gui/frame/gridview.h"
#include "gui/frame/toolwindow.h"
#include "gui/mainwindow.h"

#include <QApplication>
#include <QColor>
#include <QHeaderView>
#include <QPointer>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace corvessa::test {

bool waitUntilOnScreen(QWidget *window) {
  if (!QTest::qWaitForWindowExposed(window))
    return false;
  QCoreApplication::sendPostedEvents();
  return true;
}

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

// Where grid cell (row, col) lies, scrolled into view: the widget and the
// centre of the cell in it. Row 0 lies in the header across, column 0 in
// the header down.
std::pair<QWidget *, QPoint> cellCentre(GridView *view, int row, int col) {
  if (row == 0) {
    QHeaderView *across = view->horizontalHeader();
    view->scrollTo(view->model()->index(0, col - 1));
    return {across->viewport(),
            QPoint(across->sectionViewportPosition(col - 1) + across->sectionSize(col - 1) / 2, across->height() / 2)};
  }
  const QModelIndex cell = view->model()->index(row - 1, std::max(col - 1, 0));
  view->scrollTo(cell);
  if (col == 0) {
    QHeaderView *down = view->verticalHeader();
    return {down->viewport(), QPoint(down->width() / 2, view->visualRect(cell).center().y())};
  }
  return {view->viewport(), view->visualRect(cell).center()};
}

}  // namespace

void pressCell(ToolWindow *window, int row, int col) {
  const auto [widget, at] = cellCentre(window->gridView(), row, col);
  QTest::mousePress(widget, Qt::LeftButton, {}, at);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

void doubleClickCell(ToolWindow *window, int row, int col) {
  const auto [widget, at] = cellCentre(window->gridView(), row, col);
  QTest::mousePress(widget, Qt::LeftButton, {}, at);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
  QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
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
