// The program's end and its windows' messages, in the program's own event
// loop with the real dialogs, answered as a user answers them: the program
// ends once its last window has closed, whatever showed on the way, and a
// window's message shows over that window once it is on the screen.
#include "core/paths.h"
#include "gui/editor/draweditor.h"
#include "gui/frame/toolwindow.h"
#include "gui/mainwindow.h"
#include "gui/platform/platform.h"
#include "gui/startwindow.h"
#include "gui/toolwindows.h"
#include "gui/windowlife.h"
#include "support/core/testhome.h"
#include "support/gui/windows.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QHelpEvent>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace corvessa;
using corvessa::test::TestHome;

namespace {

// Runs `answer` on the modal dialog of type T once it is up.
template <typename T>
void whenUp(std::function<void(T *)> answer) {
  QTimer::singleShot(10, [answer] {
    if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget()))
      answer(dialog);
    else
      whenUp<T>(answer);
  });
}

// The program's platform with its real dialogs, each answered as a user
// answers it: a question by Yes, an input box and a file dialog by what the
// test queued. No browser starts, as on a computer without one.
class AnsweringPlatform final : public Platform {
 public:
  struct Shown {
    QString title;
    QString owner;  // its window's class
    bool ownerExposed = false;  // when the message was asked for
    bool ownerOnScreen = false;
    QPoint centre;       // of the box
    QRect ownerFrame;    // where its window is
  };
  std::vector<Shown> shown;
  std::deque<QString> inputs, files;

  MessageAnswer message(QWidget *parent, const QString &text, MessageStyle style, const QString &title) override {
    const bool exposed = parent && parent->window()->windowHandle() && parent->window()->windowHandle()->isExposed();
    whenUp<QMessageBox>([this, exposed, parent = QPointer<QWidget>(parent)](QMessageBox *box) {
      QWidget *owner = parent ? parent->window() : nullptr;
      shown.push_back({box->windowTitle(), owner ? QString::fromLatin1(owner->metaObject()->className()) : QString(),
                       exposed, owner && owner->isVisible(), box->frameGeometry().center(),
                       owner ? owner->frameGeometry() : QRect()});
      QAbstractButton *yes = box->button(QMessageBox::Yes);
      (yes ? yes : box->button(QMessageBox::Ok))->click();
    });
    return real_.message(parent, text, style, title);
  }
  QString input(QWidget *parent, const QString &prompt, const QString &title, const QString &text) override {
    whenUp<QInputDialog>([this](QInputDialog *box) {
      box->setTextValue(take(inputs));
      box->accept();
    });
    return real_.input(parent, prompt, title, text);
  }
  std::optional<QString> openFileName(QWidget *parent, const FileDialogRequest &request) override {
    chooseFile();
    return real_.openFileName(parent, request);
  }
  std::optional<QString> saveFileName(QWidget *parent, const FileDialogRequest &request) override {
    chooseFile();
    return real_.saveFileName(parent, request);
  }
  bool openInBrowser(QWidget *, const QString &) override { return false; }
  void setClipboardText(const QString &text) override { real_.setClipboardText(text); }
  QString clipboardText() override { return real_.clipboardText(); }

 private:
  static QString take(std::deque<QString> &queue) {
    const QString next = queue.empty() ? QString() : queue.front();
    if (!queue.empty())
      queue.pop_front();
    return next;
  }
  void chooseFile() {
    // Typed into its name box, whole, and Enter.
    whenUp<QFileDialog>([this](QFileDialog *dialog) {
      auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
      name->setText(take(files));
      QTest::keyClick(name, Qt::Key_Return);
    });
  }
  QtPlatform real_;
};

// A user's steps, one after another: each once the one before has done all
// it does (its messages answered), but for a step that opens a modal window,
// whose next steps are taken in that window. A step that finds what it
// waits for not there yet is tried again.
class Steps {
 public:
  void then(std::function<void()> step) { once([] { return true; }, std::move(step)); }
  void once(std::function<bool()> ready, std::function<void()> step, bool opensModalWindow = false) {
    steps_.push_back({std::move(ready), std::move(step), opensModalWindow});
  }
  bool done() const { return steps_.empty(); }
  void start() { next(generation_); }
  // Whatever steps are left are not taken.
  void stop() {
    ++generation_;
    steps_.clear();
    running_ = 0;
  }

 private:
  struct Step {
    std::function<bool()> ready;
    std::function<void()> run;
    bool opensModalWindow;
  };
  void next(int generation) {
    if (generation != generation_)
      return;
    QTimer::singleShot(20, [this, generation] { next(generation); });
    if (steps_.empty() || running_ > 0 || !steps_.front().ready())
      return;
    const Step step = steps_.front();
    steps_.pop_front();
    running_ += step.opensModalWindow ? 0 : 1;
    step.run();
    running_ -= step.opensModalWindow ? 0 : 1;
  }
  std::deque<Step> steps_;
  int running_ = 0;
  int generation_ = 0;
};

template <typename T>
T *modal() {
  return qobject_cast<T *>(QApplication::activeModalWidget());
}

ToolWindow *toolWindow(const char *name) {
  return qobject_cast<ToolWindow *>(ToolWindows::instance().openInstance(QString::fromLatin1(name)));
}

// Closes the window as the desktop's close box and Alt+F4 do.
void closeBox(QWidget *window) { window->windowHandle()->close(); }

class ProgramEnd : public ::testing::Test {
 public:  // the cases below drive it from their own steps
  void TearDown() override { test::destroyAllWindows(); }

  // Runs the steps in the program's event loop, from its welcome window on,
  // with the program's rule for its end. True when the program ended by
  // itself once the steps were done; false when it ended before them or
  // went on with no window to close.
  bool endsAfterSteps() {
    EndWithTheLastWindow rule;
    auto *welcome = new StartWindow(platform);
    welcome->show();
    steps.start();
    bool stillRunning = false;
    QTimer watchdog;  // far longer than any step takes
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
      stillRunning = true;
      for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
          ADD_FAILURE() << "still shown: " << w->metaObject()->className() << " \""
                        << w->windowTitle().toStdString() << "\"";
      QCoreApplication::exit(1);
    });
    watchdog.start(10000);
    QApplication::exec();
    const bool done = steps.done();
    steps.stop();
    EXPECT_TRUE(done) << "the program ended before the user was done";
    return !stillRunning && done;
  }

  // Steps that press "Start" and wait for the main window.
  void start() {
    steps.once([] { return MainWindow::instance() && MainWindow::instance()->isVisible(); }, [] {});
  }
  void startFrom(const QString &lotteryName) {
    home.selectLottery(lotteryName);
    steps.once([] { return welcomeWindow() != nullptr; },
               [] { QTest::mouseClick(welcomeWindow()->Command2, Qt::LeftButton); });
    start();
  }
  static StartWindow *welcomeWindow() {
    for (QWidget *w : QApplication::topLevelWidgets())
      if (auto *welcome = qobject_cast<StartWindow *>(w); welcome && welcome->isVisible())
        return welcome;
    return nullptr;
  }
  // Steps that choose a menu item as a user does: its category button, then
  // the item in the menu that pops up.
  void choose(QPushButton *MainWindow::*button, const char *item) {
    click([button] { return MainWindow::instance()->*button; });
    steps.once([] { return QApplication::activePopupWidget() != nullptr; }, [item] {
      auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
      menu->setActiveAction(menu->findChild<QAction *>(QString::fromLatin1(item)));
      QTest::keyClick(menu, Qt::Key_Return);
    });
  }
  // Nothing under a modal window takes a click.
  void click(std::function<QPushButton *()> button, bool opensModalWindow = false) {
    steps.once([] { return modal<QWidget>() == nullptr; }, [button] { QTest::mouseClick(button(), Qt::LeftButton); },
               opensModalWindow);
  }
  void openEditor() { click([] { return MainWindow::instance()->Command14; }, true); }
  void closeWhenFree(const char *window) {
    steps.once([] { return modal<QWidget>() == nullptr; }, [window] { closeBox(toolWindow(window)); });
  }
  // A step in the draw editor, with no message over it.
  void inEditor(std::function<void(DrawEditor *)> step) {
    steps.once([] { return modal<DrawEditor>() != nullptr; }, [step] { step(modal<DrawEditor>()); });
  }

  TestHome home;
  AnsweringPlatform platform;
  Steps steps;
};

QByteArray someDraws(int count) {
  QByteArray draws;
  for (int i = 1; i <= count; ++i)
    draws += QByteArray::number(i) + (i % 7 == 3 ? " 5 0 5\r\n" : i % 5 ? " 1 2 3\r\n" : " 4 4 9\r\n");
  return draws;
}

}  // namespace

// The session of the report that once left the program running: a new
// lottery, an import, a save, help without a browser, the pair charts with
// many double-clicks, three charts left open, the editor's delete, save,
// export and download, closed by its close box, Select Lottery twice, the
// main window's "Exit", and the three charts closed as Alt+F4 closes them.
TEST_F(ProgramEnd, TheLongSessionEndsWithItsLastWindow) {
  home.writeLottery("Pick3", "1 1 2 3\r\n");
  const QString imported = home.writeFile("import.txt", someDraws(300));
  home.selectLottery("Pick3");
  platform.inputs = {"NY"};
  platform.files = {imported, home.path() + "/exported.txt", home.dataFile("Pick3"), home.dataFile("NY")};
  startFrom("Pick3");
  choose(&MainWindow::Command12, "caixinjiancaipiao");  // New Lottery, its name, its message
  openEditor();
  inEditor([](DrawEditor *e) { QTest::mouseClick(e->Command17, Qt::LeftButton); });  // Import: question, file, message
  inEditor([](DrawEditor *e) { QTest::mouseClick(e->Command13, Qt::LeftButton); });  // Save: "OK!"
  inEditor([](DrawEditor *e) { QTest::mouseClick(e->Command10, Qt::LeftButton); });  // Exit: "Query:" Yes
  click([] { return MainWindow::instance()->Command11; });  // Help: no browser, "Error:"
  for (const char *item : {"caizusanleixing2", "caizu3zoushi"}) {
    choose(&MainWindow::Command7, item);
    steps.once([] { return modal<QWidget>() == nullptr; }, [item] {
      ToolWindow *w = toolWindow(item == std::string("caizusanleixing2") ? "frmzu3leixing2" : "Form1zu3zh");
      for (int col : {8, 9, 13, 17, 19})
        for (int row : {0, 1, 40, 150})
          test::doubleClickCell(w, row, col);
      test::doubleClickCell(w, 40, 0);
      QTest::mouseClick(w->button("Command2"), Qt::LeftButton);  // "Exit"
    });
  }
  choose(&MainWindow::Command3, "cai3dliangma");      // "Pairs"
  choose(&MainWindow::Command4, "caixingtai3dhe");    // "Sum-Sum Units"
  choose(&MainWindow::Command6, "cai3weizoushi");     // "Tundred Ten Units Trend"
  openEditor();
  inEditor([](DrawEditor *e) { QTest::mouseClick(e->Command12, Qt::LeftButton); });  // delete a row
  inEditor([](DrawEditor *e) { QTest::mouseClick(e->Command13, Qt::LeftButton); });  // Save
  inEditor([](DrawEditor *e) { QTest::mouseClick(e->Command16, Qt::LeftButton); });  // Export
  inEditor([](DrawEditor *e) { QTest::mouseClick(e->Command14, Qt::LeftButton); });  // Download: "Error:"
  inEditor([](DrawEditor *e) { closeBox(e); });                                       // "Query:" Yes
  for (int i = 0; i < 2; ++i)
    click([] { return MainWindow::instance()->Command13; });  // Select Lottery: question, file, "OK:"
  click([] { return MainWindow::instance()->Command15; });    // "Exit"
  for (const char *window : {"frm3weizoushi", "frmxingtai3dhe", "frm3dliangma"})
    closeWhenFree(window);
  EXPECT_TRUE(endsAfterSteps());
  QStringList titles;
  for (const AnsweringPlatform::Shown &m : platform.shown)
    titles << m.title;
  EXPECT_EQ(titles.join(",").toStdString(), "Friendship Tip:,Friendship Tip:,Friendship Tip:,Friendship Tip:,Query:,Error:,"
                              "Friendship Tip:,Friendship Tip:,Friendship Tip:,Error:,Query:,"
                              "Friendship Tip:,OK:,Friendship Tip:,OK:");
  EXPECT_EQ(home.readFile(home.path() + "/exported.txt"), home.readFile(home.dataFile("NY")));
}

// Shorter sessions, and what shows on the way as the last window closes: a
// tool tip whose pointer had rested on "New", a menu that pops up as its
// window closes, a message over a window that has gone, a window hidden
// rather than closed, one destroyed while shown. The toolkit's own rule
// leaves the program running after the last five.
TEST_F(ProgramEnd, EveryWayTheLastWindowGoesEndsTheProgram) {
  home.writeLottery("Pick3", someDraws(40));
  struct Case {
    const char *name;
    std::function<void(ProgramEnd &)> steps;
  };
  const auto mainWindow = [] { return MainWindow::instance(); };
  const Case cases[] = {
      {"Start, then Exit", [](ProgramEnd &t) { t.click([] { return MainWindow::instance()->Command15; }); }},
      {"a chart outlives the main window",
       [](ProgramEnd &t) {
         t.choose(&MainWindow::Command3, "cai3dliangma");
         t.steps.then([] { closeBox(MainWindow::instance()); });
         t.closeWhenFree("frm3dliangma");
       }},
      {"the editor, help and the right-hand Exit",
       [](ProgramEnd &t) {
         t.openEditor();
         t.inEditor([](DrawEditor *e) { QTest::mouseClick(e->Command10, Qt::LeftButton); });
         t.click([] { return MainWindow::instance()->Command11; });
         t.click([] { return MainWindow::instance()->Command1; });
       }},
      {"a tool tip shows as the last window closes",
       [mainWindow](ProgramEnd &t) {
         t.steps.then([mainWindow] {
           QPushButton *news = mainWindow()->Command16;
           QTest::mouseClick(mainWindow()->Command1, Qt::LeftButton);
           // What the toolkit sends once the pointer has rested on "New".
           QHelpEvent rested(QEvent::ToolTip, QPoint(4, 4), news->mapToGlobal(QPoint(4, 4)));
           QApplication::sendEvent(news, &rested);
         });
       }},
      {"a menu pops up as its window closes",
       [mainWindow](ProgramEnd &t) {
         t.steps.then([mainWindow] {
           QMenu *menu = mainWindow()->menu("ruanjianji");
           closeBox(mainWindow());
           menu->popup(QPoint(20, 20));
         });
       }},
      {"a message over a chart that has gone",
       [](ProgramEnd &t) {
         t.choose(&MainWindow::Command7, "caizusanleixing2");
         t.click([] { return MainWindow::instance()->Command15; });
         t.steps.once([] { return modal<QWidget>() == nullptr; }, [&t] {
           QPointer<ToolWindow> chart = toolWindow("frmzu3leixing2");
           closeBox(chart);
           t.platform.message(chart, "Left over.", MessageStyle::OkInformation, "Error:");
         });
       }},
      {"the main window hidden", [mainWindow](ProgramEnd &t) { t.steps.then([mainWindow] { mainWindow()->hide(); }); }},
      {"the main window destroyed", [mainWindow](ProgramEnd &t) { t.steps.then([mainWindow] { delete mainWindow(); }); }},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    startFrom("Pick3");
    c.steps(*this);
    EXPECT_TRUE(endsAfterSteps());
    test::destroyAllWindows();
  }
}

// The settings file names no usable lottery, and the draw history of the
// lottery it falls back to ends at its blank second line: the main window,
// the editor and a chart each say so over their window once the desktop
// has placed it on the screen, not before it, nor where it was first put.
TEST_F(ProgramEnd, AWindowsMessageShowsOverItOnceItIsOnTheScreen) {
  home.writeLottery("Pick3", "1 1 2 3\r\n\r\n3 4 5 6\r\n");
  startFrom("Pick3");
  home.writeFile("Varnel3/shujuwenjian.ini", "\"../x.txt\"\r\n");
  openEditor();
  inEditor([](DrawEditor *e) { QTest::mouseClick(e->Command10, Qt::LeftButton); });
  choose(&MainWindow::Command3, "cai3dliangma");
  closeWhenFree("frm3dliangma");
  click([] { return MainWindow::instance()->Command15; });
  EXPECT_TRUE(endsAfterSteps());
  const std::vector<std::pair<QString, const char *>> expected = {{"Error:", "corvessa::MainWindow"},
                                                                   {"Error:", "corvessa::DrawEditor"},
                                                                   {"Query:", "corvessa::DrawEditor"},
                                                                   {"Error:", "corvessa::ToolWindow"}};
  ASSERT_EQ(platform.shown.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const AnsweringPlatform::Shown &m = platform.shown[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(m.title, expected[i].first);
    EXPECT_EQ(m.owner, expected[i].second);
    EXPECT_TRUE(m.ownerExposed);
    EXPECT_TRUE(m.ownerOnScreen);
    EXPECT_TRUE(m.ownerFrame.contains(m.centre)) << "a box centred at " << m.centre.x() << "," << m.centre.y();
  }
}
