// The Qt side of the platform layer, driven through the real dialogs.
#include "gui/platform/platform.h"
#include "support/core/qtprint.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace corvessa;

namespace {

// Runs `inspect` on the modal dialog once it is up, then lets `finish` close it.
void whenModal(std::function<void(QWidget *)> inspect) {
  QTimer::singleShot(0, [inspect] {
    QWidget *modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    inspect(modal);
  });
}

}  // namespace

TEST(QtPlatform, MessageBoxStylesTitlesAndAnswers) {
  QtPlatform platform;
  struct Case {
    MessageStyle style;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton press;
    MessageAnswer expected;
  };
  const Case cases[] = {
      {MessageStyle::YesNo, QMessageBox::NoIcon, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, MessageAnswer::Yes},
      {MessageStyle::YesNoWarning, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
       MessageAnswer::No},
      {MessageStyle::OkInformation, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok, MessageAnswer::Ok},
      {MessageStyle::OkWarning, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, MessageAnswer::Ok},
  };
  for (const Case &c : cases) {
    QString title, text;
    Qt::TextFormat format{};
    QMessageBox::Icon icon{};
    QMessageBox::StandardButtons buttons;
    whenModal([&](QWidget *modal) {
      auto *box = qobject_cast<QMessageBox *>(modal);
      ASSERT_NE(box, nullptr);
      title = box->windowTitle();
      text = box->text();
      format = box->textFormat();
      icon = box->icon();
      buttons = box->standardButtons();
      box->button(c.press)->click();
    });
    // A name in a message is shown as typed, never as markup.
    EXPECT_EQ(platform.message(nullptr, "You have selected <b>Bold.txt\r\nsecond line", c.style, "Friendship Tip:"),
              c.expected);
    EXPECT_EQ(title, "Friendship Tip:");
    EXPECT_EQ(text, "You have selected <b>Bold.txt\nsecond line");
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(icon, c.icon);
    EXPECT_EQ(buttons, c.buttons);
  }
}

// A title bar shortens a title it cannot show whole: a box is at least as
// wide as its title in the desktop's bold text beside the frame's icon and
// three buttons, the short "OK!" after a save and "Friendship Tip:" above it
// too.
TEST(QtPlatform, AMessageBoxIsAsWideAsItsTitle) {
  QtPlatform platform;
  QFont titleFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  titleFont.setBold(true);
  const struct {
    const char *title, *text;
  } cases[] = {{"Friendship Tip:", "OK!"}, {"Error:", "OK!"}, {"OK:", "You have selected NY.txt"}};
  for (const auto &c : cases) {
    int width = 0;
    whenModal([&](QWidget *modal) {
      width = modal->width();
      modal->close();
    });
    platform.message(nullptr, c.text, MessageStyle::OkInformation, c.title);
    EXPECT_GE(width, QFontMetrics(titleFont).horizontalAdvance(c.title) + 4 * 24) << c.title;
  }
}

// A window destroyed while its message box or file dialog is up takes the
// dialog with it; the dialog is not destroyed a second time, and the answer
// is No, or nothing chosen.
TEST(QtPlatform, ADialogGoesWithItsWindow) {
  QtPlatform platform;
  const auto destroyOwner = [](QWidget *modal) { delete modal->parentWidget(); };
  auto *window = new QWidget;
  window->show();
  whenModal(destroyOwner);
  EXPECT_EQ(platform.message(window, "Sure?", MessageStyle::YesNo, "Query:"), MessageAnswer::No);
  window = new QWidget;
  window->show();
  whenModal(destroyOwner);
  EXPECT_EQ(platform.openFileName(window, {"Select Lottery", "", "Lottery file|*.txt", QDir::tempPath()}),
            std::nullopt);
}

TEST(QtPlatform, InputBoxGivesTheTextOrEmptyOnCancel) {
  QtPlatform platform;
  whenModal([](QWidget *modal) {
    auto *dialog = qobject_cast<QInputDialog *>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "New Lottery:");
    EXPECT_EQ(dialog->labelText(), "Please enter a valid file name.");
    dialog->setTextValue("NY");
    dialog->accept();
  });
  EXPECT_EQ(platform.input(nullptr, "Please enter a valid file name.", "New Lottery:", ""), "NY");
  whenModal([](QWidget *modal) {
    qobject_cast<QInputDialog *>(modal)->setTextValue("typed, then cancelled");
    qobject_cast<QInputDialog *>(modal)->reject();
  });
  EXPECT_EQ(platform.input(nullptr, "p", "t", ""), "");
}

TEST(QtPlatform, FileDialogsUseTitleFilterAndFolder) {
  QtPlatform platform;
  QTemporaryDir dir;
  FileDialogRequest request{"Select Lottery", "", "Lottery file|*.txt", dir.path(), true};
  whenModal([&](QWidget *modal) {
    auto *dialog = qobject_cast<QFileDialog *>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Select Lottery");
    EXPECT_EQ(dialog->nameFilters(), QStringList{"Lottery file (*.txt)"});
    EXPECT_EQ(dialog->directory().path(), dir.path());
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_TRUE(dialog->filter() & QDir::Hidden);  // a lottery named with a leading dot is listed
    dialog->reject();
  });
  EXPECT_EQ(platform.openFileName(nullptr, request), std::nullopt);

  request = {"Please specify a folder.", "NY", "data file|*.txt", dir.path()};
  whenModal([&](QWidget *modal) {
    auto *dialog = qobject_cast<QFileDialog *>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_FALSE(dialog->filter() & QDir::Hidden);
    dialog->reject();
  });
  EXPECT_EQ(platform.saveFileName(nullptr, request), std::nullopt);
}

TEST(Platform, TwipsAndFilters) {
  EXPECT_EQ(twipsToPixels(15), 1);
  EXPECT_EQ(twipsToPixels(10035), 669);
  EXPECT_EQ(twipsToPixels(2), 0);
  EXPECT_EQ(twipsToPixels(30), 2);
  EXPECT_EQ(qtNameFilter("data file|*.txt"), "data file (*.txt)");
  EXPECT_EQ(qtNameFilter("A|*.a|B|*.b"), "A (*.a);;B (*.b)");
}
