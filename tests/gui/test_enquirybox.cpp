// The enquiry windows' input box as a user fills it: a paste takes the
// clipboard's text once, and its length limit holds for typing too.
#include "gui/frame/gridview.h"
#include "gui/frame/toolwindow.h"
#include "support/core/qtprint.h"
#include "support/gui/menuwindows.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace corvessa;

namespace {

class EnquiryBox : public test::MenuWindowTest {};

// Clipboard data of a program that answers one request for its text and
// then quits: every later request finds it gone.
class AnswersOnce final : public QMimeData {
 public:
  AnswersOnce(QString text, bool &askedAfterGone) : text_(std::move(text)), askedAfterGone_(askedAfterGone) {}
  QStringList formats() const override { return {QStringLiteral("text/plain")}; }
  bool hasFormat(const QString &format) const override { return format == QLatin1String("text/plain"); }

 protected:
  QVariant retrieveData(const QString &format, QMetaType type) const override {
    if (format != QLatin1String("text/plain"))
      return {};
    if (answered_) {
      askedAfterGone_ = true;
      return {};
    }
    answered_ = true;
    return type == QMetaType::fromType<QByteArray>() ? QVariant(text_.toUtf8()) : QVariant(text_);
  }

 private:
  QString text_;
  bool &askedAfterGone_;
  mutable bool answered_ = false;
};

}  // namespace

TEST_F(EnquiryBox, APasteReadsTheClipboardOnceAndInsertsThatText) {
  startWith("1 1 2 3\r\n2 4 5 6\r\n");
  for (const char *item : {"caizuxuanhaocx", "caizhixuanhaocx"}) {
    SCOPED_TRACE(item);
    ToolWindow *w = chooseItem(item);
    ASSERT_NE(w, nullptr);
    QPlainTextEdit *box = w->textBox("Text1");
    box->setPlainText("012 ");
    box->moveCursor(QTextCursor::End);
    box->setFocus();
    bool askedAfterGone = false;
    QGuiApplication::clipboard()->setMimeData(new AnswersOnce("123 456", askedAfterGone));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->toPlainText(), "012 123 456");
    EXPECT_FALSE(askedAfterGone) << "the clipboard was asked again after it had answered";
    EXPECT_TRUE(platform.messages.empty());

    // What was pasted is enquired.
    QTest::mouseClick(w->button("Command2"), Qt::LeftButton);
    EXPECT_EQ(w->gridView()->model()->headerData(5, Qt::Horizontal).toString(), "123");
  }
}

// Typed text stops at the limit a paste has, whatever the key: a character
// or Enter. A key that replaces a selection of its length is taken.
TEST_F(EnquiryBox, TypingStopsAtTheBoxsLimit) {
  startWith("1 1 2 3\r\n");
  ToolWindow *w = chooseItem("caizuxuanhaocx");
  ASSERT_NE(w, nullptr);
  QPlainTextEdit *box = w->textBox("Text1");
  box->setFocus();
  QGuiApplication::clipboard()->setText(QString(65536 - 3, '7'));
  QTest::keyClicks(box, "12 ");
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(box->toPlainText().size(), 65536);
  QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(box, "99999");
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(box->toPlainText().size(), 65536);
  EXPECT_TRUE(box->toPlainText().endsWith("777"));

  QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);  // the last 7, selected
  QTest::keyClicks(box, "9");
  EXPECT_EQ(box->toPlainText().size(), 65536);
  EXPECT_TRUE(box->toPlainText().endsWith("779"));
  QTest::keyClick(box, Qt::Key_Backspace);
  QTest::keyClicks(box, "56");  // room for one
  EXPECT_TRUE(box->toPlainText().endsWith("775"));
  EXPECT_EQ(box->toPlainText().size(), 65536);
  EXPECT_TRUE(platform.messages.empty());
}
