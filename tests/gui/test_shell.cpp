// The start-up window, the main window, its menus and the lottery actions,
// driven as a user would, with the scripted platform answering the dialogs.
#include "core/lottery.h"
#include "core/paths.h"
#include "core/programstate.h"
#include "charts/framework/tool.h"
#include "charts/framework/toolframe.h"
#include "tools/menus.h"
#include "gui/editor/draweditor.h"
#include "gui/editor/drawingsmodel.h"
#include "gui/mainwindow.h"
#include "gui/startwindow.h"
#include "gui/toolwindows.h"
#include "support/gui/menuwindows.h"
#include "support/gui/windows.h"
#include "support/core/diskfailure.h"
#include "support/core/menuitems.h"
#include "support/core/qtprint.h"
#include "support/core/testhome.h"
#include "support/gui/fakeplatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

using namespace corvessa;
using corvessa::test::FakePlatform;
using corvessa::test::TestHome;

namespace {

class Shell : public ::testing::Test {
 protected:
  void TearDown() override {
    test::destroyAllWindows();
  }
  MainWindow *openMain(ToolWindows &toolWindows = ToolWindows::instance()) {
    MainWindow *main = MainWindow::showMain(platform, toolWindows);
    EXPECT_TRUE(test::waitUntilOnScreen(main));
    return main;
  }
  QByteArray settingsBytes() const { return home.readFile(settingsFilePath()); }

  TestHome home;
  FakePlatform platform;
};

// The menu a category button pops up, with its entries as the user sees them:
// captions, "-" for a separator.
QStringList popUp(QPushButton *button) {
  QTest::mouseClick(button, Qt::LeftButton);
  auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
  if (!menu)
    return {QStringLiteral("<no popup>")};
  QStringList entries;
  for (QAction *action : menu->actions())
    entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
  menu->close();
  return entries;
}

}  // namespace

TEST_F(Shell, StartOpensTheMainWindowAndClosesTheWelcomeWindow) {
  QPointer<StartWindow> start = new StartWindow(platform);
  start->show();
  EXPECT_EQ(start->windowTitle(), "Welcome to use this software.");
  EXPECT_TRUE(start->Option1->isChecked());
  EXPECT_EQ(start->Option1->text(), "Pick3 Daily3 Cash3 Play3");
  EXPECT_EQ(start->Command1->text(), "Home Page");
  EXPECT_EQ(start->Command1->geometry(), QRect(16, 48, 105, 25));  // 240, 720, 1575, 375 twips

  QTest::mouseClick(start->Command1, Qt::LeftButton);
  QTest::mouseClick(start->Command1, Qt::LeftButton);
  EXPECT_EQ(platform.opened.size(), 2);  // each press asks again; the window stays
  EXPECT_TRUE(QFileInfo(platform.opened[0]).isFile()) << platform.opened[0].toStdString();
  EXPECT_TRUE(start->isVisible());

  QTest::mouseClick(start->Command2, Qt::LeftButton);
  QApplication::processEvents();
  ASSERT_NE(MainWindow::instance(), nullptr);
  EXPECT_TRUE(MainWindow::instance()->isVisible());
  EXPECT_EQ(MainWindow::instance()->windowTitle(), "Corvessa");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(start.isNull());
  EXPECT_EQ(programState().GameType, 0);
}

// When the start cannot make the user's folders, the message says why, over
// the main window alone: the welcome window is gone by then.
TEST_F(Shell, AFolderThatCannotBeMadeIsSaidOverTheMainWindowAlone) {
  home.writeFile("afile", "not a folder\r\n");
  qputenv("CORVESSA_HOME", QFile::encodeName(home.path() + "/afile/home"));
  QPointer<StartWindow> start = new StartWindow(platform);
  start->show();
  QTest::mouseClick(start->Command2, Qt::LeftButton);
  ASSERT_NE(MainWindow::instance(), nullptr);
  ASSERT_TRUE(test::waitUntilOnScreen(MainWindow::instance()));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().title, "Error:");
  EXPECT_EQ(platform.lastMessage().text, "Cannot create the data folder " + home.path() + "/afile/home/data/: " +
                                             home.path() + "/afile: Not a directory");
  EXPECT_EQ(platform.lastMessage().shownWindows, QStringList{"Corvessa"});
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(start.isNull());
  ASSERT_NE(MainWindow::instance(), nullptr);
  EXPECT_TRUE(MainWindow::instance()->isVisible());
  EXPECT_EQ(MainWindow::instance()->Label2->text(), "Lottery:Pick3.");
}

TEST_F(Shell, MainWindowLayoutAndHelpPage) {
  MainWindow *main = openMain();
  EXPECT_EQ(main->size(), QSize(669, 308));  // 10035 x 4620 twips
  EXPECT_EQ(main->Command8->text(), "Winning number from");
  EXPECT_EQ(main->Command8->geometry(), QRect(16, 184, 137, 17));
  EXPECT_EQ(main->Command4->text(), "Sum&&Width");
  EXPECT_EQ(main->Command15->geometry(), QRect(160, 232, 137, 17));
  EXPECT_EQ(main->WebBrowser1->geometry(), QRect(320, 16, 297, 273));
  EXPECT_EQ(main->Command16->text(), "New");
  EXPECT_EQ(main->Command16->toolTip(), "Click here,You may get the newest information about this software.");
  EXPECT_EQ(main->Command1->text(), "Exit");
  EXPECT_EQ(main->Label1->text(), "v15.1");
  // The page lies beside the program, not in the overridden program folder.
  EXPECT_EQ(programState().HelpPagePath, QCoreApplication::applicationDirPath() + "/help/Quillaro.htm");
  EXPECT_EQ(main->WebBrowser1->source().toLocalFile(), programState().HelpPagePath);
  EXPECT_FALSE(main->WebBrowser1->toPlainText().trimmed().isEmpty());

  // "New" replaces the page in the pane; "Help" still goes to the system's browser.
  QTest::mouseClick(main->Command16, Qt::LeftButton);
  EXPECT_EQ(main->WebBrowser1->source().toLocalFile(), helpFolder() + "News.htm");
  EXPECT_FALSE(main->WebBrowser1->toPlainText().trimmed().isEmpty());
  QTest::mouseClick(main->Command11, Qt::LeftButton);
  EXPECT_EQ(platform.opened, QStringList{helpFolder() + "Corvessa.htm"});
}

TEST_F(Shell, FirstStartMakesTheFoldersAFirstLotteryAndTheSettingsFile) {
  QDir(home.path()).removeRecursively();
  MainWindow *main = openMain();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(QFileInfo(home.path() + "/data/Pick3.txt").isFile());
  EXPECT_EQ(QFileInfo(home.path() + "/data/Pick3.txt").size(), 0);
  EXPECT_EQ(settingsBytes(), QByteArray("\"Pick3.txt\"\r\n"));
  EXPECT_EQ(main->Label2->text(), "Lottery:Pick3.");
  EXPECT_EQ(programState().DataFilePath, home.path() + "/data/Pick3.txt");
}

TEST_F(Shell, CurrentLotteryIsReadFromTheSettingsFile) {
  struct Case {
    QByteArray ini;
    QString label;
    QString dataFile;
  };
  const Case cases[] = {
      {"\"NY.txt\"\r\n", "Lottery:NY.", "NY.txt"},
      {"\"A.txt\"\r\n\"my.lot.txt\"\r\n", "Lottery:my.lot.", "my.lot.txt"},  // the last record counts
      {"\"Missing.txt\"\r\n", "Lottery:Missing.", "Missing.txt"},            // not checked here
  };
  for (const Case &c : cases) {
    home.writeFile("Varnel3/shujuwenjian.ini", c.ini);
    MainWindow *main = openMain();
    EXPECT_EQ(main->Label2->text(), c.label);
    EXPECT_EQ(programState().DataFilePath, home.path() + "/data/" + c.dataFile);
    delete main;
  }
}

// A settings file whose name cannot be used is said once, and the program goes
// on with the first lottery without ever reading or writing the named file.
TEST_F(Shell, ASettingsFileNameThatCannotBeUsedIsReportedOnceAndNeverOpened) {
  const QString victim = home.writeFile("outside/victim.cfg", "do not touch\r\n");
  home.writeLottery("Pick3", "1 1 2 3\r\n");  // the first lottery exists already: it is kept
  home.writeLottery("sub/NY", "2 4 5 6\r\n");
  struct Case {
    const char *name;
    QByteArray ini;
    QString said;  // what the message says is wrong
  };
  const Case cases[] = {
      {"leads out with ..", "\"../outside/victim.cfg\"\r\n",
       "names the lottery file \"../outside/victim.cfg\", which cannot be used: A lottery name cannot contain / or \\."},
      {"absolute path", "\"" + QFile::encodeName(victim) + "\"\r\n",
       "names the lottery file \"" + victim + "\", which cannot be used: A lottery name cannot contain / or \\."},
      {"empty name", "\"\"\r\n", "names no lottery file."},
      {"empty file", "", "names no lottery file."},
      {"path separator", "\"sub/NY.txt\"\r\n",
       "names the lottery file \"sub/NY.txt\", which cannot be used: A lottery name cannot contain / or \\."},
      {"the data folder itself", "\".\"\r\n",
       "names the lottery file \".\", which cannot be used: A lottery name cannot be dots only."},
      {"a save's temporary file", "\"X.txt.~abcde\"\r\n",
       "names the lottery file \"X.txt.~abcde\", which cannot be used: It is named as the temporary file of a save "
       "(NAME.txt.~ and five letters or figures), which the next save of that lottery removes."},
      {"not a .txt file", "\"X.txt.lock\"\r\n",
       "names the lottery file \"X.txt.lock\", which cannot be used: A lottery file's name ends in .txt."},
  };
  for (const Case &c : cases) {
    platform.messages.clear();
    home.writeFile("Varnel3/shujuwenjian.ini", c.ini);
    MainWindow *main = openMain();
    ASSERT_EQ(platform.messages.size(), 1u) << c.name;
    EXPECT_EQ(platform.lastMessage().title, "Error:") << c.name;
    // Over the main window on the screen, not alone in a corner of it.
    EXPECT_TRUE(platform.lastMessage().ownerShown) << c.name;
    EXPECT_EQ(platform.lastMessage().ownerCaption, "Corvessa") << c.name;
    EXPECT_EQ(platform.lastMessage().text, "The settings file " + settingsFilePath() + " " + c.said +
                                               "\r\nCorvessa goes on as at a first start, with the lottery Pick3.")
        << c.name;
    EXPECT_EQ(main->Label2->text(), "Lottery:Pick3.") << c.name;
    EXPECT_EQ(programState().DataFilePath, home.dataFile("Pick3")) << c.name;
    EXPECT_EQ(settingsBytes(), "\"Pick3.txt\"\r\n") << c.name;

    // Save in the draw editor goes to the first lottery, never to the named file.
    DrawEditor editor(platform);
    EXPECT_EQ(editor.model().text(0, 0), "1") << c.name;
    for (int column = 0; column < 4; ++column)
      editor.model().setText(1, column, "2");
    editor.SaveDrawings();
    EXPECT_EQ(platform.lastMessage().text, "OK!") << c.name;
    EXPECT_EQ(home.readFile(home.dataFile("Pick3")), "1 1 2 3\r\n2 2 2 2\r\n") << c.name;
    home.writeLottery("Pick3", "1 1 2 3\r\n");
    delete main;
  }
  EXPECT_EQ(home.readFile(victim), "do not touch\r\n");
  EXPECT_EQ(home.readFile(home.dataFile("sub/NY")), "2 4 5 6\r\n");
  EXPECT_EQ(QDir(home.path() + "/outside").entryList(QDir::Files), QStringList{"victim.cfg"});

  // The next start finds the settings file sound again.
  platform.messages.clear();
  openMain();
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Shell, ASettingsFileThatCannotBeReadIsReportedOnce) {
  QDir().mkpath(settingsFilePath());  // a folder in its place
  MainWindow *main = openMain();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().title, "Error:");
  EXPECT_TRUE(platform.lastMessage().ownerShown);
  EXPECT_TRUE(platform.lastMessage().text.startsWith("Cannot read the settings file " + settingsFilePath() +
                                                     ": It is not a file.\r\nCorvessa goes on as at a first start"))
      << platform.lastMessage().text.toStdString();
  EXPECT_TRUE(platform.lastMessage().text.contains("Cannot write the settings file " + settingsFilePath()));
  EXPECT_EQ(main->Label2->text(), "Lottery:Pick3.");
  EXPECT_EQ(programState().DataFilePath, home.dataFile("Pick3"));
  EXPECT_TRUE(QFileInfo(home.dataFile("Pick3")).isFile());
}

TEST_F(Shell, CategoryMenusHoldTheirItemsInOrder) {
  MainWindow *main = openMain();
  const QStringList buttons = test::menuButtons();
  EXPECT_EQ(buttons.size(), int(toolMenus().size()));
  for (const QString &caption : buttons) {
    SCOPED_TRACE(caption.toStdString());
    QPushButton *button = test::categoryButton(main, caption);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(popUp(button), test::menuEntries(caption));
  }
  EXPECT_EQ(popUp(main->Command12), (QStringList{"New Lottery", "New Lottery Help"}));

  // "&&" shows one ampersand.
  EXPECT_EQ(main->Command4->text().replace("&&", "&"), "Sum&Width");

  // The program's menu table, entry by entry: the menu, the caption, the
  // tool's window and whether it opens with the wait caption; one window per item.
  std::size_t entry = 0;
  QSet<QString> windows;
  for (const ToolMenu &m : toolMenus())
    for (const ToolMenuItem &item : m.items) {
      ASSERT_LT(entry, std::size(test::kMenuEntries));
      const test::MenuItemCase &c = test::kMenuEntries[entry++];
      SCOPED_TRACE(item.name);
      EXPECT_STREQ(m.buttonCaption, c.menu);
      EXPECT_STREQ(item.caption, c.caption);
      EXPECT_EQ(item.isSeparator(), c.isSeparator());
      if (item.isSeparator())
        continue;
      EXPECT_EQ(item.windowName(), c.window);
      EXPECT_EQ(item.opening == Opening::WithWait, c.waitCaption);
      windows.insert(item.windowName());
    }
  EXPECT_EQ(entry, std::size(test::kMenuEntries));
  EXPECT_EQ(windows.size(), test::menuToolCount());
}

TEST_F(Shell, EveryMenuItemIsEnabled) {
  MainWindow *main = openMain();
  int items = 0;
  for (const ToolMenu &m : toolMenus())
    for (const ToolMenuItem &item : m.items)
      if (!item.isSeparator()) {
        EXPECT_TRUE(main->menu(m.name)->findChild<QAction *>(item.name)->isEnabled()) << item.name;
        ++items;
      }
  EXPECT_EQ(items, test::menuToolCount());
}

// Tool windows are stand-ins here, tools of the test's own registry that the
// menu items open: each load is counted, and what the main window showed
// while it ran is recorded.
struct StandInTools {
  explicit StandInTools(std::initializer_list<const char *> windowNames) {
    for (const char *name : windowNames) {
      ToolDesign d;
      d.windowName = d.caption = QString::fromLatin1(name);
      d.cols = 1;
      d.controls = {charts::gridControl()};
      d.showsLoadingCaption = false;  // the busy pointer seen is the main window's
      registry.add({d, [this](ToolWindowState &, const DrawHistory &) {
                      ++created;
                      captionDuringLoad = MainWindow::instance()->windowTitle();
                      busyDuringLoad = QApplication::overrideCursor() &&
                                       QApplication::overrideCursor()->shape() == Qt::WaitCursor;
                    }});
    }
  }
  QWidget *window(const char *windowName) const { return windows.openInstance(windowName); }

  ToolRegistry registry;
  ToolWindows windows{registry};
  int created = 0;
  QString captionDuringLoad;
  bool busyDuringLoad = false;
};

QAction *menuAction(MainWindow *main, const char *menuName, const char *item) {
  return main->menu(menuName)->findChild<QAction *>(item);
}

TEST_F(Shell, WithWaitItemsShowTheWaitCaptionThenCorvessaAgain) {
  StandInTools tools{"frm4qufenge", "frmzuxuan4"};  // with wait, plain
  MainWindow *main = openMain(tools.windows);
  main->setWindowTitle("changed meanwhile");
  menuAction(main, "caigaopin7ma", "cai1234daima")->trigger();
  EXPECT_EQ(tools.captionDuringLoad, "Loading......Please wait......");
  EXPECT_TRUE(tools.busyDuringLoad);
  EXPECT_EQ(main->windowTitle(), "Corvessa");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  main->setWindowTitle("unchanged by a plain item");
  menuAction(main, "caigaopin7ma", "caiwan4")->trigger();
  EXPECT_EQ(tools.captionDuringLoad, "unchanged by a plain item");
  EXPECT_FALSE(tools.busyDuringLoad);
  EXPECT_EQ(main->windowTitle(), "unchanged by a plain item");
}

TEST_F(Shell, AnOpenToolIsBroughtForwardAClosedOneLoadsAfresh) {
  StandInTools tools{"frm4qufenge"};
  MainWindow *main = openMain(tools.windows);
  QAction *item = menuAction(main, "caigaopin7ma", "cai1234daima");
  item->trigger();
  QPointer<QWidget> first = tools.window("frm4qufenge");
  item->trigger();
  EXPECT_EQ(tools.created, 1);
  EXPECT_EQ(tools.window("frm4qufenge"), first.data());
  EXPECT_TRUE(first->isVisible());
  // A window the user minimised comes back as it was before, in front.
  for (const Qt::WindowStates before : {Qt::WindowStates(Qt::WindowNoState), Qt::WindowStates(Qt::WindowMaximized)}) {
    first->setWindowState(before | Qt::WindowMinimized);
    item->trigger();
    EXPECT_EQ(tools.created, 1);
    EXPECT_FALSE(first->windowState() & Qt::WindowMinimized) << int(before);
    EXPECT_EQ(first->windowState() & Qt::WindowMaximized, before & Qt::WindowMaximized);
    EXPECT_TRUE(first->isVisible());
  }

  first->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
  item->trigger();
  EXPECT_EQ(tools.created, 2);
  EXPECT_NE(tools.window("frm4qufenge"), nullptr);
}

TEST_F(Shell, ExitClosesTheMainWindowOnly) {
  StandInTools tools{"frmzuxuan4"};
  for (const char *exitButton : {"Command15", "Command1"}) {
    MainWindow *main = openMain(tools.windows);
    menuAction(main, "caigaopin7ma", "caiwan4")->trigger();
    QPointer<QWidget> tool = tools.window("frmzuxuan4");
    QPointer<MainWindow> guard = main;
    QTest::mouseClick(main->findChild<QPushButton *>(exitButton), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull()) << exitButton;
    ASSERT_FALSE(tool.isNull());
    EXPECT_TRUE(tool->isVisible());
    tool->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

// New Lottery: each path of the input box, with its message, title and style.
TEST_F(Shell, NewLotteryMessagesForEachPath) {
  home.writeLottery("Old", "1 1 2 3\r\n");
  home.writeFile("Varnel3/shujuwenjian.ini", "\"Old.txt\"\r\n");
  MainWindow *main = openMain();
  struct Case {
    const char *name;
    std::optional<QString> typed;  // nullopt: cancel
    QString message;
    QString title;
  };
  const QString tip = "Friendship Tip:";
  const QString invisible =
      "A lottery name cannot contain an invisible format character, such as a direction mark or a zero-width "
      "space.\r\nPlease enter a valid file name.";
  const Case cases[] = {
      {"cancel", std::nullopt, "You have not entered a name.", tip},
      {"blanks only", "   ", "You have not entered a name.", tip},
      {"existing name", "Old", "This lottery already exists.Please rename.", tip},
      {"existing name with blanks", "  Old ", "This lottery already exists.Please rename.", tip},
      {"path separator", "a/b", "A lottery name cannot contain / or \\.\r\nPlease enter a valid file name.", tip},
      {"backslash", "a\\b", "A lottery name cannot contain / or \\.\r\nPlease enter a valid file name.", tip},
      {"two dots", "..", "A lottery name cannot be dots only.\r\nPlease enter a valid file name.", tip},
      {"double quote", "a\"b", "A lottery name cannot contain a double quote.\r\nPlease enter a valid file name.", tip},
      {"control character", "a\tb", "A lottery name cannot contain a control character.\r\nPlease enter a valid file name.",
       tip},
      {"one dot", ".", "A lottery name cannot be dots only.\r\nPlease enter a valid file name.", tip},
      {"right-to-left override", QString::fromUtf8("NY\u202eabc"), invisible, tip},
      {"zero-width space", QString::fromUtf8("N\u200bY"), invisible, tip},
      // Read by code point: format characters beyond the Basic Multilingual Plane too.
      {"tag letter U+E0041", QString::fromUtf8("NY\U000E0041"), invisible, tip},
      {"musical begin beam U+1D173", QString::fromUtf8("\U0001D173NY"), invisible, tip},
      {"unpaired surrogate", QStringLiteral("NY") + QChar(0xD834),
       "A lottery name cannot contain an unpaired surrogate, which is no character.\r\nPlease enter a valid file "
       "name.",
       tip},
      {"245 bytes", QString(245, 'x'),
       "A lottery name can be at most 244 bytes long; this one has 245.\r\nPlease enter a valid file name.", tip},
      {"251 bytes in UTF-8", QString(2, 'x') + QString::fromUtf8("彩").repeated(83),
       "A lottery name can be at most 244 bytes long; this one has 251.\r\nPlease enter a valid file name.", tip},
  };
  for (const Case &c : cases) {
    platform.messages.clear();
    if (c.typed)
      platform.inputs.push_back(*c.typed);
    main->caixinjiancaipiao_Click();
    ASSERT_EQ(platform.messages.size(), 1u) << c.name;
    EXPECT_EQ(platform.lastMessage().text, c.message) << c.name;
    EXPECT_EQ(platform.lastMessage().title, c.title) << c.name;
    EXPECT_EQ(platform.lastMessage().style, MessageStyle::OkInformation) << c.name;
    EXPECT_EQ(main->Label2->text(), "Lottery:Old.") << c.name;
    EXPECT_EQ(settingsBytes(), QByteArray("\"Old.txt\"\r\n")) << c.name;
  }
  EXPECT_EQ(platform.inputRequests.back().prompt, "Please enter a valid file name.");
  EXPECT_EQ(platform.inputRequests.back().title, "New Lottery:");
  EXPECT_EQ(platform.inputRequests.back().defaultText, "");
  EXPECT_EQ(home.readFile(home.dataFile("Old")), QByteArray("1 1 2 3\r\n"));  // never truncated
  EXPECT_EQ(QDir(home.path() + "/data").entryList(QDir::Files), QStringList{"Old.txt"});
}

TEST_F(Shell, NewLotteryCreatesAndSelectsTheTrimmedName) {
  MainWindow *main = openMain();
  platform.inputs.push_back("  NY  ");
  QTest::mouseClick(main->Command12, Qt::LeftButton);  // the lottery menu pops up
  auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
  ASSERT_NE(popup, nullptr);
  popup->findChild<QAction *>("caixinjiancaipiao")->trigger();
  popup->close();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().text,
            "Lottery have been created and selected.Next, you can click Drawings button to edit it.");
  EXPECT_EQ(platform.lastMessage().title, "Friendship Tip:");
  EXPECT_EQ(settingsBytes(), QByteArray("\"NY.txt\"\r\n"));
  EXPECT_EQ(main->Label2->text(), "Lottery:NY.");
  EXPECT_EQ(programState().DataFilePath, home.path() + "/data/NY.txt");
  EXPECT_TRUE(QFileInfo(home.dataFile("NY")).isFile());
  EXPECT_EQ(QFileInfo(home.dataFile("NY")).size(), 0);

  main->caixinjiancaipiaobzh_Click();
  EXPECT_EQ(platform.opened.back(), helpFolder() + "New_Lottery.htm");
}

// Whatever New Lottery makes, the next start keeps and Select Lottery takes
// again: dots anywhere in the name, a leading dot (the dialog lists such
// files), commas and blanks, characters beyond the Basic Multilingual Plane.
TEST_F(Shell, WhatNewLotteryMakesTheNextStartKeepsAndSelectLotteryTakes) {
  home.writeLottery("Other", "");
  for (const char *typed : {"NY.", "x..y", ".NY", "...NY", "Pick 3,A", "\U0001F600", "\U00020000"}) {
    const QString name = QString::fromUtf8(typed);
    MainWindow *main = openMain();
    platform.messages.clear();
    platform.inputs = {name};
    main->caixinjiancaipiao_Click();
    ASSERT_EQ(platform.messages.size(), 1u) << typed;
    ASSERT_EQ(platform.lastMessage().text,
              "Lottery have been created and selected.Next, you can click Drawings button to edit it.")
        << typed << ": " << platform.lastMessage().text.toStdString();
    EXPECT_EQ(main->Label2->text(), "Lottery:" + name + ".") << typed;
    delete main;

    main = openMain();  // the next start
    EXPECT_EQ(platform.messages.size(), 1u) << typed << ": " << platform.lastMessage().text.toStdString();
    EXPECT_EQ(main->Label2->text(), "Lottery:" + name + ".") << typed;
    EXPECT_EQ(programState().DataFilePath, home.dataFile(name)) << typed;

    // Away to another lottery and back.
    platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    platform.openFiles = {home.dataFile("Other"), home.dataFile(name)};
    main->Command13_Click();
    main->Command13_Click();
    EXPECT_EQ(platform.lastMessage().text, "You have selected " + name + ".txt") << typed;
    EXPECT_EQ(settingsBytes(), "\"" + (name + ".txt").toUtf8() + "\"\r\n") << typed;
    EXPECT_EQ(main->Label2->text(), "Lottery:" + name + ".") << typed;
    EXPECT_TRUE(platform.openRequests.back().showHiddenFiles);
    delete main;
  }
}

TEST_F(Shell, TheLongestNameNewLotteryTakesCanBeSavedAndImported) {
  MainWindow *main = openMain();
  const QString name = QString(2, 'x') + QString::fromUtf8("彩").repeated(80) + QString(2, 'y');  // 244 bytes
  platform.inputs.push_back(name);
  main->caixinjiancaipiao_Click();
  ASSERT_EQ(platform.lastMessage().title, "Friendship Tip:") << platform.lastMessage().text.toStdString();
  ASSERT_EQ(programState().DataFilePath, home.dataFile(name));

  DrawEditor editor(platform);
  for (int column = 0; column < 4; ++column)
    editor.model().setText(0, column, column == 0 ? "125" : "1");
  editor.SaveDrawings();
  EXPECT_EQ(platform.lastMessage().text, "OK!");
  EXPECT_EQ(home.readFile(home.dataFile(name)), "125 1 1 1\r\n");
  platform.answers.push_back(MessageAnswer::Yes);
  platform.openFiles.push_back(home.writeFile("elsewhere/in.txt", "7 1 1 1\r\n"));
  editor.ImportDrawings();
  EXPECT_EQ(platform.lastMessage().text, "The program has been imported.");
  EXPECT_EQ(home.readFile(home.dataFile(name)), "7 1 1 1\r\n");
}

TEST_F(Shell, NewLotteryReportsAFileItCannotCreate) {
  MainWindow *main = openMain();
  // A plain file in place of the data folder: no lottery file can be made there, even by root.
  QDir(home.path() + "/data").removeRecursively();
  home.writeFile("data", "");
  platform.inputs.push_back("NY");
  main->caixinjiancaipiao_Click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().title, "Error:");
  EXPECT_TRUE(platform.lastMessage().text.startsWith("Cannot create the lottery file " + home.path() + "/data/NY.txt"))
      << platform.lastMessage().text.toStdString();
  EXPECT_EQ(main->Label2->text(), "Lottery:Pick3.");
  EXPECT_EQ(settingsBytes(), QByteArray("\"Pick3.txt\"\r\n"));
}

// When the settings file cannot be written, New Lottery removes the empty file
// it made: the folder agrees with the message, and a retry says the same.
TEST_F(Shell, NewLotteryThatCannotWriteTheSettingsFileLeavesNoFile) {
  enum class Fault { SettingsFileLink, SettingsFolderLink, FullDisk };
  for (Fault fault : {Fault::SettingsFileLink, Fault::SettingsFolderLink, Fault::FullDisk}) {
    TestHome fresh;
    MainWindow *main = openMain();
    std::optional<test::FailingWrites> full;
    QString reason;
    switch (fault) {
      case Fault::SettingsFileLink:
        QFile::remove(settingsFilePath());
        ASSERT_TRUE(QFile::link(fresh.writeFile("outside/shujuwenjian.ini", "\"Pick3.txt\"\r\n"), settingsFilePath()));
        reason = "It is a symbolic link";
        break;
      case Fault::SettingsFolderLink:
        ASSERT_TRUE(QDir(fresh.path()).mkdir("outside"));
        ASSERT_TRUE(QDir(fresh.path()).rename("Varnel3", "outside/Varnel3"));
        ASSERT_TRUE(QFile::link(fresh.path() + "/outside/Varnel3", fresh.path() + "/Varnel3"));
        reason = "Its folder " + fresh.path() + "/Varnel3 is a symbolic link";
        break;
      case Fault::FullDisk:
        full.emplace();
        reason = "File too large";
        break;
    }
    for (int attempt = 1; attempt <= 2; ++attempt) {
      platform.messages.clear();
      platform.inputs = {"NY"};
      main->caixinjiancaipiao_Click();
      ASSERT_EQ(platform.messages.size(), 1u) << int(fault);
      EXPECT_EQ(platform.lastMessage().title, "Error:") << int(fault);
      const QString said = platform.lastMessage().text;
      EXPECT_TRUE(said.startsWith("Cannot write the settings file " + settingsFilePath() + ": " + reason))
          << said.toStdString();
      EXPECT_TRUE(said.endsWith("\r\nThe current lottery stays as it was.")) << said.toStdString();
      EXPECT_EQ(QDir(fresh.path() + "/data").entryList(QDir::Files | QDir::Hidden), QStringList{"Pick3.txt"})
          << int(fault) << " attempt " << attempt;
      EXPECT_EQ(main->Label2->text(), "Lottery:Pick3.");
      EXPECT_EQ(programState().DataFilePath, fresh.dataFile("Pick3"));
    }
    delete main;
  }
}

TEST_F(Shell, SelectLotteryMessagesForEachPath) {
  home.writeLottery("Old", "");
  home.writeLottery("B", "1 1 2 3\r\n");
  home.writeFile("data/sub/C.txt", "");
  home.writeFile("other/D.txt", "");
  home.writeLottery("a\"b", "");
  home.writeLottery("X", "1 1 2 3\r\n");
  home.writeFile("data/X.txt.~abcde", "1 1 2 3\r\n2 4 5 6\r\n");
  home.writeFile("data/X.txt.lock", "");
  home.writeLottery(" B", "");
  home.writeFile("Varnel3/shujuwenjian.ini", "\"Old.txt\"\r\n");
  MainWindow *main = openMain();
  const QString data = home.path() + "/data/";
  const QString wrongFolder = "You must select lottery of the " + data + "\r\nPlease select again!";
  struct Case {
    const char *name;
    MessageAnswer answer;
    std::optional<QString> chosen;
    QString message;  // empty: no message
    QString title;
  };
  QString upper = data + "B.txt";
  upper.replace("/data/", "/DATA/");
  const Case cases[] = {
      {"answered No", MessageAnswer::No, data + "B.txt", "", ""},
      {"dialog cancelled", MessageAnswer::Yes, std::nullopt, "", ""},
      {"subfolder of data", MessageAnswer::Yes, data + "sub/C.txt", wrongFolder, "Error:"},
      {"other folder", MessageAnswer::Yes, home.path() + "/other/D.txt", wrongFolder, "Error:"},
      {"other letter case", MessageAnswer::Yes, upper, wrongFolder, "Error:"},
      {"a name the next start would refuse", MessageAnswer::Yes, data + "a\"b.txt",
       "A lottery name cannot contain a double quote.\r\nPlease select again!", "Error:"},
      // The next save of X would remove it, draws and all.
      {"a save's temporary file", MessageAnswer::Yes, data + "X.txt.~abcde",
       "It is named as the temporary file of a save (NAME.txt.~ and five letters or figures), which the next save "
       "of that lottery removes.\r\nPlease select again!",
       "Error:"},
      {"not a .txt file", MessageAnswer::Yes, data + "X.txt.lock",
       "A lottery file's name ends in .txt.\r\nPlease select again!", "Error:"},
      // The settings file gives names back trimmed: the next start would open B.txt.
      {"a leading blank", MessageAnswer::Yes, data + " B.txt",
       "A lottery name cannot begin with a blank.\r\nPlease select again!", "Error:"},
  };
  for (const Case &c : cases) {
    platform.messages.clear();
    platform.answers.push_back(c.answer);
    platform.openFiles.push_back(c.chosen);
    main->Command13_Click();
    ASSERT_FALSE(platform.messages.empty()) << c.name;
    EXPECT_EQ(platform.messages[0].text, "Are you sure you want to select lottery?");
    EXPECT_EQ(platform.messages[0].title, "Friendship Tip:");
    EXPECT_EQ(platform.messages[0].style, MessageStyle::YesNoWarning);
    if (c.message.isEmpty()) {
      EXPECT_EQ(platform.messages.size(), 1u) << c.name;
    } else {
      ASSERT_EQ(platform.messages.size(), 2u) << c.name;
      EXPECT_EQ(platform.messages[1].text, c.message) << c.name;
      EXPECT_EQ(platform.messages[1].title, c.title) << c.name;
      EXPECT_EQ(platform.messages[1].style, MessageStyle::OkInformation) << c.name;
    }
    EXPECT_EQ(main->Label2->text(), "Lottery:Old.") << c.name;
    EXPECT_EQ(settingsBytes(), QByteArray("\"Old.txt\"\r\n")) << c.name;
    platform.openFiles.clear();
  }
  // The dialog as the user sees it.
  const FileDialogRequest &request = platform.openRequests.back();
  EXPECT_EQ(request.title, "Select Lottery");
  EXPECT_EQ(request.filter, "Lottery file|*.txt");
  EXPECT_EQ(request.initialFolder, home.path() + "/data");
  EXPECT_EQ(request.fileName, "");

  platform.messages.clear();
  platform.answers.push_back(MessageAnswer::Yes);
  platform.openFiles.push_back(data + "B.txt");
  QTest::mouseClick(main->Command13, Qt::LeftButton);
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text, "You have selected B.txt");
  EXPECT_EQ(platform.messages[1].title, "OK:");
  EXPECT_EQ(settingsBytes(), QByteArray("\"B.txt\"\r\n"));
  EXPECT_EQ(main->Label2->text(), "Lottery:B.");
  EXPECT_EQ(programState().DataFilePath, data + "B.txt");
}

TEST_F(Shell, SelectLotteryReportsASettingsFileItCannotWrite) {
  home.writeLottery("Old", "");
  home.writeLottery("B", "");
  home.writeFile("Varnel3/shujuwenjian.ini", "\"Old.txt\"\r\n");
  MainWindow *main = openMain();
  // A folder in place of the settings file cannot be replaced, even by root.
  QFile::remove(settingsFilePath());
  QDir().mkpath(settingsFilePath());
  platform.answers.push_back(MessageAnswer::Yes);
  platform.openFiles.push_back(home.path() + "/data/B.txt");
  main->Command13_Click();
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].title, "Error:");
  EXPECT_TRUE(platform.messages[1].text.startsWith("Cannot write the settings file " + settingsFilePath()))
      << platform.messages[1].text.toStdString();
  EXPECT_EQ(main->Label2->text(), "Lottery:Old.");
  EXPECT_EQ(programState().DataFilePath, home.path() + "/data/Old.txt");
}

// The data folder is found by where it is, however the program folder is
// written: relative to the working folder, or with ".." in it.
TEST_F(Shell, SelectLotteryUnderARelativeOrRoundaboutHome) {
  home.writeLottery("B", "1 1 2 3\r\n");
  home.writeFile("other/D.txt", "");
  const QString relative = QDir::current().relativeFilePath(home.path());
  ASSERT_TRUE(QDir::isRelativePath(relative));
  for (const QString &written : {relative, home.path() + "/data/.."}) {
    qputenv("CORVESSA_HOME", QFile::encodeName(written));
    MainWindow *main = openMain();
    platform.messages.clear();
    platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    platform.openFiles = {home.path() + "/other/D.txt", home.path() + "/data/B.txt"};
    main->Command13_Click();
    ASSERT_EQ(platform.messages.size(), 2u) << written.toStdString();
    EXPECT_EQ(platform.messages[1].text, "You must select lottery of the " + dataFolder() + "\r\nPlease select again!");
    main->Command13_Click();
    ASSERT_EQ(platform.messages.size(), 4u) << written.toStdString();
    EXPECT_EQ(platform.messages[3].text, "You have selected B.txt") << written.toStdString();
    EXPECT_EQ(main->Label2->text(), "Lottery:B.");
    EXPECT_EQ(settingsBytes(), QByteArray("\"B.txt\"\r\n"));
    EXPECT_EQ(QFileInfo(programState().DataFilePath).canonicalFilePath(),
              QFileInfo(home.dataFile("B")).canonicalFilePath());
    test::destroyAllWindows();
    QFile::remove(settingsFilePath());
  }
}

// With the settings file a symbolic link, New Lottery and Select Lottery say
// so once, and the file the link points to stays as it was.
TEST_F(Shell, NewAndSelectLotteryWriteNoSettingsThroughALink) {
  home.writeLottery("B", "");
  const QString outside = home.writeFile("outside/victim.txt", "victim\r\n");
  MainWindow *main = openMain();
  QFile::remove(settingsFilePath());
  ASSERT_TRUE(QFile::link(outside, settingsFilePath()));
  const QString refusal = "Cannot write the settings file " + settingsFilePath() + ": It is a symbolic link, and "
                          "Corvessa writes no file through a link; the file it points to was left as it was.\r\n"
                          "The current lottery stays as it was.";
  platform.messages.clear();
  platform.inputs = {"NY"};
  main->caixinjiancaipiao_Click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.lastMessage().title, "Error:");
  EXPECT_EQ(platform.lastMessage().text, refusal);

  platform.messages.clear();
  platform.answers = {MessageAnswer::Yes};
  platform.openFiles = {home.path() + "/data/B.txt"};
  main->Command13_Click();
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.lastMessage().text, refusal);
  EXPECT_EQ(main->Label2->text(), "Lottery:Pick3.");
  EXPECT_EQ(home.readFile(outside), "victim\r\n");
}

// A name is shown as typed, never read as markup: in the main window's label
// and the editor's, and in every other label the two windows show. (The
// message boxes show their texts so too: the platform's own test.)
TEST_F(Shell, ANameIsShownAsTyped) {
  MainWindow *main = openMain();
  platform.inputs = {"<b>Bold"};
  main->caixinjiancaipiao_Click();
  ASSERT_EQ(platform.lastMessage().title, "Friendship Tip:") << platform.lastMessage().text.toStdString();
  DrawEditor editor(platform);
  EXPECT_EQ(main->Label2->text(), "Lottery:<b>Bold.");
  EXPECT_EQ(editor.Label6->text(), "Lottery:<b>Bold.");
  for (QWidget *window : {static_cast<QWidget *>(main), static_cast<QWidget *>(&editor)})
    for (const QLabel *label : window->findChildren<QLabel *>()) {
      if (label->isVisibleTo(window)) {
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
      }
    }

  platform.answers = {MessageAnswer::Yes};
  platform.openFiles = {home.dataFile("<b>Bold")};
  main->Command13_Click();
  EXPECT_EQ(platform.lastMessage().text, "You have selected <b>Bold.txt");
  EXPECT_EQ(platform.lastMessage().title, "OK:");
}
