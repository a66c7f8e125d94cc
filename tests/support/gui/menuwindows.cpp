#include "support/gui/menuwindows.h"

#include "tools/menus.h"
#include "gui/frame/gridview.h"
#include "gui/toolwindows.h"
#include "support/gui/windows.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace corvessa::test {

void MenuWindowTest::TearDown() { destroyAllWindows(); }

void MenuWindowTest::startWith(const QByteArray &draws) {
  home.writeLottery("L", draws);
  home.selectLottery("L");
  main = MainWindow::showMain(platform);
}

ToolWindow *MenuWindowTest::chooseItem(const char *item) {
  if (!main)
    main = MainWindow::showMain(platform);
  for (const ToolMenu &menu : toolMenus())
    for (const ToolMenuItem &entry : menu.items)
      if (!entry.isSeparator() && QLatin1String(entry.name) == QLatin1String(item)) {
        QAction *action = main->menu(menu.name)->findChild<QAction *>(item);
        EXPECT_TRUE(action && action->isEnabled()) << item;
        if (!action)
          return nullptr;
        action->trigger();
        auto *tool = qobject_cast<ToolWindow *>(ToolWindows::instance().openInstance(entry.windowName()));
        EXPECT_NE(tool, nullptr) << entry.windowName().toStdString();
        if (tool) {
          EXPECT_TRUE(waitUntilOnScreen(tool));
        }
        return tool;
      }
  ADD_FAILURE() << "no menu item " << item;
  return nullptr;
}

QPushButton *categoryButton(MainWindow *main, const QString &caption) {
  for (QPushButton *button : main->findChildren<QPushButton *>())
    if (button->text() == caption)
      return button;
  return nullptr;
}

QVariant shown(ToolWindow *window, int row, int col, int role) {
  const QAbstractItemModel *model = window->gridView()->model();
  return model->data(model->index(row - 1, col - 1), role);
}

bool showsLastRowWhole(GridView *view) {
  const int last = view->model()->rowCount() - 1;
  const QRect rect = view->visualRect(view->model()->index(last, 0));
  return last >= 0 && rect.top() >= 0 && rect.bottom() < view->viewport()->height();
}

bool topRowIsWhole(GridView *view) {
  const int top = view->rowAt(0);
  return top >= 0 && view->rowViewportPosition(top) == 0;
}

}  // namespace corvessa::test
