// The README's counts of the menus and of their tools are those of the menus'
// list, so a tool added to a menu cannot leave them behind.
#include "support/core/menuitems.h"
#include "support/core/qtprint.h"

#include <QFile>
#include <QRegularExpression>
#include <map>

#include <gtest/gtest.h>

using namespace corvessa;

namespace {

const QStringList kNumberWords = {"zero",   "one",     "two",      "three",    "four",    "five",     "six",
                                  "seven",  "eight",   "nine",     "ten",      "eleven",  "twelve",   "thirteen",
                                  "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen", "twenty"};

// A count as the README writes it: in figures, or a word up to twenty.
int countOf(const QString &text) {
  bool figures = false;
  const int n = text.toInt(&figures);
  return figures ? n : int(kNumberWords.indexOf(text.toLower()));
}

// The README as one line of text: its line breaks fall anywhere in a sentence.
QString readme() {
  QFile file(QStringLiteral(CORVESSA_SOURCE_DIR "/README.md"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return QString::fromUtf8(file.readAll()).simplified();
}

}  // namespace

TEST(Readme, ItsCountsOfMenusAndToolsAreTheMenus) {
  const QString text = readme();
  const QString count = "(\\d+|" + kNumberWords.join('|') + ")";

  const QRegularExpressionMatch items = QRegularExpression(QStringLiteral("\\((\\d+) items\\)")).match(text);
  ASSERT_TRUE(items.hasMatch());
  EXPECT_EQ(items.captured(1).toInt(), test::menuToolCount());
  int menuCounts = 0;
  for (const QRegularExpressionMatch &m :
       QRegularExpression("\\b" + count + " (category buttons|menus)\\b", QRegularExpression::CaseInsensitiveOption)
           .globalMatch(text)) {
    EXPECT_EQ(countOf(m.captured(1)), test::menuButtons().size()) << m.captured(0).toStdString();
    ++menuCounts;
  }
  EXPECT_GE(menuCounts, 1);

  // "The fourteen chart tools of the "Winning number from" menu": each
  // menu's tools, in one sentence or in parts that add up.
  std::map<QString, int> stated;
  for (const QRegularExpressionMatch &m :
       QRegularExpression("\\b" + count + "((?: [\\w-]+){0,2}) of the \"([^\"]+)\" menu",
                          QRegularExpression::CaseInsensitiveOption)
           .globalMatch(text))
    stated[m.captured(3)] += countOf(m.captured(1));
  for (const QString &button : test::menuButtons()) {
    int tools = 0;
    for (const test::MenuItemCase &c : test::menuTools())
      tools += button == QString::fromUtf8(c.menu);
    const QString shown = QString(button).replace(QStringLiteral("&&"), QStringLiteral("&"));
    EXPECT_EQ(stated[shown], tools) << "the README's count of the tools of the \"" << shown.toStdString() << "\" menu";
  }
}
