#pragma once
#include <QWidget>
#include <map>
#include <optional>

class QLabel;
class QMenu;
class QPushButton;
class QTextBrowser;
class QFrame;

namespace corvessa {

class Platform;
class ToolWindows;
struct ToolMenuItem;

// The main window "Corvessa": the current lottery, the category buttons and
// their menus, the lottery buttons, help, exit and the local help page.
class MainWindow : public QWidget {
  Q_OBJECT
 public:
  // The menu items open their tools in `toolWindows`.
  explicit MainWindow(Platform &platform, ToolWindows &toolWindows, QWidget *parent = nullptr);

  // Creates the main window unless it exists, and shows it; its items open
  // the program's tool windows unless a test gives windows of its own tools.
  static MainWindow *showMain(Platform &platform);
  static MainWindow *showMain(Platform &platform, ToolWindows &toolWindows);
  static MainWindow *instance();

  QLabel *Label2 = nullptr;  // "Lottery:" and the current lottery
  QPushButton *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr, *Command5 = nullptr,
              *Command6 = nullptr, *Command7 = nullptr, *Command8 = nullptr, *Command9 = nullptr;
  QPushButton *Command11 = nullptr;  // "Help"
  QPushButton *Command12 = nullptr;  // "New Lottery": the lottery menu
  QPushButton *Command13 = nullptr;  // "Select Lottery"
  QPushButton *Command14 = nullptr;  // "Drawings"
  QPushButton *Command15 = nullptr;  // "Exit"
  QPushButton *Command16 = nullptr;  // "New": the news page
  QPushButton *Command1 = nullptr;   // "Exit" on the right
  QTextBrowser *WebBrowser1 = nullptr;
  QLabel *Label1 = nullptr;          // version
  QFrame *Shape1 = nullptr;

  // The hidden menus, by name ("caigaopin7ma", ..., "caixinjian").
  QMenu *menu(const QString &name) const;

  // Opening a tool from its menu item.
  void OpenToolFormWithWait(const QString &windowName);
  void OpenToolForm(const QString &windowName);

  // The lottery actions, also reachable from the menu and the buttons.
  void caixinjiancaipiao_Click();     // New Lottery
  void caixinjiancaipiaobzh_Click();  // New Lottery Help
  void Command13_Click();             // Select Lottery

 private:
  void Form_Load();
  void ReadCurrentLottery();
  void setLotteryLabel(const QString &text);
  void buildMenus();
  void ShowCategoryMenu(QMenu *menu);
  void runMenuItem(const ToolMenuItem &item);

  Platform &platform_;
  ToolWindows &toolWindows_;
  std::map<QString, QMenu *> menus_;
  std::optional<QString> startProblem_;  // said once the window shows
};

}  // namespace corvessa
