#include "support/gui/windows.h"

#include "gui/mainwindow.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
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

}  // namespace corvessa::test
