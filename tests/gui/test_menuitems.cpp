// Every item of the eight category menus, chosen as a user chooses it: the
// main window's category button, then the item in the menu it pops up. The
// window it shows has its name and its title, and shows its registered
// design: each control of its kind, with the caption, visibility and state
// that the same load leaves headless.
#include "charts/framework/toolsession.h"
#include "core/drawfile.h"
#include "core/paths.h"
#include "core/programstate.h"
#include "gui/frame/gridview.h"
#include "gui/frame/toolwindow.h"
#include "gui/mainwindow.h"
#include "gui/toolwindows.h"
#include "support/core/menuitems.h"
#include "support/gui/menuwindows.h"
#include "tools/menus.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

using namespace corvessa;

namespace {

// The text a control shows, or nothing for a widget of another kind than the design's.
std::optional<QString> shownText(QWidget *widget, ControlKind kind) {
  switch (kind) {
    case ControlKind::Button:
      if (auto *button = qobject_cast<QPushButton *>(widget))
        return button->text();
      break;
    case ControlKind::Label:
      if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
      break;
    case ControlKind::TextBox:
      if (auto *text = qobject_cast<QPlainTextEdit *>(widget))
        return text->toPlainText();
      break;
    case ControlKind::Frame:
      if (auto *frame = qobject_cast<QGroupBox *>(widget))
        return frame->title();
      break;
    case ControlKind::Grid:
      break;
  }
  return std::nullopt;
}

// The items of the menu that the category button pops up, separators left out.
QList<QAction *> popUpItems(MainWindow *main, const char *buttonCaption) {
  QPushButton *button = test::categoryButton(main, QString::fromUtf8(buttonCaption));
  if (!button)
    return {};
  QTest::mouseClick(button, Qt::LeftButton);
  auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
  QList<QAction *> items;
  if (menu)
    for (QAction *action : menu->actions())
      if (!action->isSeparator())
        items << action;
  return items;
}

class MenuItems : public test::MenuWindowTest {};

}  // namespace

TEST_F(MenuItems, EveryItemOpensItsWindowWithItsTitleAndDesign) {
  QByteArray draws;
  for (int i = 1; i <= 60; ++i)  // more draws than a window shows at once
    draws += QByteArray::number(i) + ' ' + QByteArray::number(i % 10) + ' ' + QByteArray::number(i * 7 % 10) + ' ' +
             QByteArray::number(i * 3 % 10) + "\r\n";
  startWith(draws);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
  const DrawHistory history = readDrawHistory(programState().DataFilePath);

  QString menuBefore;
  int inMenu = 0;
  for (const test::MenuItemCase &c : test::menuTools()) {
    SCOPED_TRACE(std::string(c.menu) + " / " + c.caption);
    inMenu = QString::fromUtf8(c.menu) == menuBefore ? inMenu + 1 : 0;
    menuBefore = QString::fromUtf8(c.menu);
    const QList<QAction *> items = popUpItems(main, c.menu);
    ASSERT_LT(inMenu, items.size());
    QAction *item = items[inMenu];
    EXPECT_EQ(item->text(), QString::fromUtf8(c.caption));
    EXPECT_TRUE(item->isEnabled());
    QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());

    QPointer<ToolWindow> w = qobject_cast<ToolWindow *>(ToolWindows::instance().openInstance(c.window));
    ASSERT_FALSE(w.isNull());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    EXPECT_EQ(w->objectName(), c.window);
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8(c.title));
    EXPECT_EQ(main->windowTitle(), "Corvessa");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(test::showsLastRowWhole(w->gridView()));

    // The registered design, loaded headless on the same draws.
    const ToolEntry *tool = toolRegistry().find(c.window);
    ASSERT_NE(tool, nullptr);
    ToolSession session(*tool);
    session.load(history, programState().GameType);
    EXPECT_EQ(session.state().caption, w->windowTitle());
    EXPECT_EQ(w->grid().rows(), session.state().grid.rows());
    EXPECT_EQ(w->grid().cols(), session.state().grid.cols());
    for (const ControlDesign &design : tool->design.controls) {
      SCOPED_TRACE(design.name.toStdString());
      QWidget *widget = w->control(design.name);
      ASSERT_NE(widget, nullptr);
      EXPECT_EQ(widget->parentWidget()->objectName(), design.parent.isEmpty() ? QString(c.window) : design.parent);
      if (design.kind == ControlKind::Grid) {
        EXPECT_EQ(widget, w->gridView());
        continue;
      }
      const ControlState &state = session.state().control(design.name);
      EXPECT_EQ(shownText(widget, design.kind), state.text);
      EXPECT_EQ(!widget->isHidden(), state.visible);
      EXPECT_EQ(widget->isEnabled(), state.enabled);
      // A Help button opens the design's page; without one it does nothing.
      if (design.role == ControlRole::Help && state.visible) {
        platform.opened.clear();
        QTest::mouseClick(qobject_cast<QPushButton *>(widget), Qt::LeftButton);
        EXPECT_EQ(platform.opened, tool->design.helpPage.isEmpty() ? QStringList()
                                                                   : QStringList{helpPagePath(tool->design.helpPage)});
      }
    }
    // Its "Exit" closes it; a window without one is closed as a window.
    const auto exit = std::find_if(tool->design.controls.begin(), tool->design.controls.end(),
                                   [](const ControlDesign &d) { return d.role == ControlRole::Exit; });
    if (exit != tool->design.controls.end() && w->button(exit->name)->isVisible())
      QTest::mouseClick(w->button(exit->name), Qt::LeftButton);
    else
      w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
    EXPECT_TRUE(platform.messages.empty());
  }
}
