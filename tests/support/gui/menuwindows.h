#pragma once
// Window tests that open tools as a user does: through their items in the
// main window's menus, on a lottery of the test's own.
#include "gui/frame/toolwindow.h"
#include "gui/mainwindow.h"
#include "support/core/testhome.h"
#include "support/gui/fakeplatform.h"

#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <gtest/gtest.h>

class QPushButton;

namespace corvessa {
class GridView;
}

namespace corvessa::test {

class MenuWindowTest : public ::testing::Test {
 protected:
  void TearDown() override;
  // Makes these draws the current lottery "L" and shows the main window.
  void startWith(const QByteArray &draws);
  // Chooses the menu item (its name, "caiwan4") in the menu that holds it,
  // after checking that it is enabled, and returns the tool window it shows.
  // Shows the main window first if no test step has.
  ToolWindow *chooseItem(const char *item);

  TestHome home;
  FakePlatform platform;
  MainWindow *main = nullptr;
};

// The main window's category button with this caption, or nullptr.
QPushButton *categoryButton(MainWindow *main, const QString &caption);

// Grid cell (row, col) as the window shows it; row 0 and column 0 are its headers.
QVariant shown(ToolWindow *window, int row, int col, int role = Qt::DisplayRole);

// The grid's last row lies wholly in the view.
bool showsLastRowWhole(GridView *view);
// The row at the top of the view is whole, not half under the fixed row.
bool topRowIsWhole(GridView *view);

}  // namespace corvessa::test
