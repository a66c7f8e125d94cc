// Drives an installed Corvessa through its first start without a screen:
// loaded into the program with LD_PRELOAD under the offscreen platform
// (scripts/install-check.sh), it presses "Start" on the welcome window, and
// ends the program with status 0 when the main window opened without a
// message box, its help page read from the installation and its window icon
// set; otherwise it prints what it found to stderr and ends with status 1.
// The program itself has nothing of this: the driver finds its windows as a
// user sees them.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTextBrowser>
#include <QTimer>
#include <cstdio>

namespace {

QStringList problems;

void problem(const QString &text) { problems << text; }

QWidget *shownTopLevel(const QString &objectName) {
  for (QWidget *widget : QApplication::topLevelWidgets())
    if (widget->objectName() == objectName && widget->isVisible())
      return widget;
  return nullptr;
}

// A message box is modal: the load that shows it waits in the box's own
// event loop, where this timer takes it down.
void closeMessageBoxes() {
  for (QWidget *widget : QApplication::topLevelWidgets())
    if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible()) {
      problem(QStringLiteral("a message \"%1\": %2").arg(box->windowTitle(), box->text()));
      box->done(QMessageBox::Ok);
    }
}

void checkMainWindow() {
  QWidget *main = shownTopLevel(QStringLiteral("Form1xingc"));
  if (!main) {
    problem(QStringLiteral("no main window after \"Start\""));
    return;
  }
  if (main->windowTitle() != QStringLiteral("Corvessa"))
    problem(QStringLiteral("the main window's title is \"%1\"").arg(main->windowTitle()));
  if (main->windowIcon().availableSizes().isEmpty())
    problem(QStringLiteral("the main window has no icon"));
  auto *browser = main->findChild<QTextBrowser *>(QStringLiteral("WebBrowser1"));
  const QString page = browser ? browser->source().toLocalFile() : QString();
  const QString installedHelp = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/corvessa/help");
  if (!QFileInfo(page).isFile() || QFileInfo(page).absolutePath() != installedHelp)
    problem(QStringLiteral("the help page \"%1\" is not a page of %2").arg(page, installedHelp));
  else if (browser->document()->isEmpty())
    problem(QStringLiteral("the help page %1 shows nothing").arg(page));
  else
    std::printf("help page: %s\n", qPrintable(page));
}

void firstStart() {
  QWidget *welcome = shownTopLevel(QStringLiteral("Form2shuoming"));
  auto *start = welcome ? welcome->findChild<QPushButton *>(QStringLiteral("Command2")) : nullptr;
  if (!start || start->text() != QStringLiteral("Start")) {
    problem(QStringLiteral("no welcome window with \"Start\""));
  } else {
    auto *watch = new QTimer(qApp);
    QObject::connect(watch, &QTimer::timeout, closeMessageBoxes);
    watch->start(20);
    start->click();
    closeMessageBoxes();
    checkMainWindow();
  }
  for (const QString &text : problems)
    std::fprintf(stderr, "first start: %s\n", qPrintable(text));
  std::fflush(stdout);
  QCoreApplication::exit(problems.isEmpty() ? 0 : 1);
}

// Runs when the program makes its application object, so the first turn of
// its event loop finds the welcome window shown.
void armFirstStart() { QTimer::singleShot(0, firstStart); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(armFirstStart)
