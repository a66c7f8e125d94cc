// The straight and box number enquiries: what the typed text becomes, the
// messages that refuse it, the columns each enquiry builds and rebuilds, the
// hits, and the statistics under the draws.
#include "tools/menus.h"
#include "chartdump/commandline.h"
#include "charts/framework/chartdump.h"
#include "charts/framework/toolsession.h"
#include "core/drawfile.h"
#include "support/core/chartcells.h"
#include "support/core/qtprint.h"

#include <QStringList>

#include <gtest/gtest.h>
#include <sstream>

using namespace corvessa;
using test::drawFile;
using test::registeredTool;

namespace {

const char *const kStraight = "frmzhixuanhaocx";
const char *const kBox = "frmzuxuanhaocx";

// A loaded enquiry window and what it showed.
struct Enquiry {
  RecordingHost host;
  ToolSession session;
  Enquiry(const char *window, const std::vector<std::string> &draws) : session(registeredTool(window), &host) {
    session.load(parseDrawHistory(drawFile(draws)));
    host.busyCaptions.clear();
  }
  const ResultGrid &grid() const { return session.state().grid; }
  QStringList headers() const {
    QStringList out;
    for (int c = 5; c < grid().cols(); ++c)
      out << grid().text(0, c);
    return out;
  }
  QStringList column(int col) const {
    QStringList out;
    for (int r = 1; r <= session.state().drawCount; ++r)
      out << grid().text(r, col);
    return out;
  }
  // Amount, Max Miss, Current Miss, Average.
  QStringList footer(int col) const {
    const int n = session.state().drawCount;
    return {grid().text(n + 2, col), grid().text(n + 3, col), grid().text(n + 4, col), grid().text(n + 5, col)};
  }
  QStringList messages() const {
    QStringList out;
    for (const RecordingHost::Message &m : host.messages)
      out << m.text;
    return out;
  }
};

QString numbers(int count, const QString &separator = QStringLiteral(" ")) {
  QStringList out;
  for (int i = 0; i < count; ++i)
    out << QStringLiteral("%1").arg(i % 1000, 3, 10, QLatin1Char('0'));
  return out.join(separator);
}

}  // namespace

TEST(Enquiries, GroupsOfThreeDigitsAcrossAnySeparators) {
  struct Case {
    QString text;
    QStringList entries;
  };
  const Case cases[] = {
      {"123", {"123", "Gather"}},
      {"12a3", {"123", "Gather"}},
      {"1 2 3", {"123", "Gather"}},
      {"1-2-3", {"123", "Gather"}},
      {"12 34 56", {"123", "456", "Gather"}},
      {"123 456", {"123", "456", "Gather"}},
      {"1,2,3,4,5,6", {"123", "456", "Gather"}},
      {"1234 56", {"123", "456", "Gather"}},
      {"012\r\n", {"012", "Gather"}},
      {"123\n123", {"123", "123", "Gather"}},
      // Digits of other scripts separate like letters.
      {QString::fromUtf8("\uff11\uff12\uff13 456"), {"456", "Gather"}},
      {QString::fromUtf8("7\u0661\u0662\u06638 9"), {"789", "Gather"}},
  };
  for (const char *window : {kStraight, kBox})
    for (const Case &tc : cases) {
      SCOPED_TRACE(std::string(window) + " " + tc.text.toStdString());
      Enquiry e(window, {"123"});
      e.session.enquire(tc.text);
      EXPECT_TRUE(e.host.messages.empty());
      EXPECT_EQ(e.headers(), tc.entries);
      EXPECT_EQ(e.session.state().control("Text1").text, tc.text);  // the window never writes into the input
    }
}

TEST(Enquiries, RefusedTextsShowTheirMessageAndChangeNothing) {
  const QString straightTooMany = "The Straight Number you want to enquire cannot be more than 400 Tickets.!";
  const QString boxTooMany = "The Box Number you want to enquire cannot be more than 70 Tickets!";
  const QString notThrees = "There are errors in the input.Please check the input and try again!";
  struct Case {
    const char *window;
    QString text, message;  // an empty message: accepted
    int entries;
  };
  const Case cases[] = {
      {kStraight, "", "You did not enter the Straight Number!", 0},
      {kStraight, " abc\r\n\t-+.", "You did not enter the Straight Number!", 0},
      {kStraight, "1234", notThrees, 0},
      {kStraight, "12", notThrees, 0},
      {kStraight, numbers(400), "", 400},
      {kStraight, numbers(400) + "5", notThrees, 0},  // the count of digits is tested before the limit
      {kStraight, numbers(401), straightTooMany, 0},
      {kStraight, numbers(400, QString(100, QLatin1Char(' '))), "", 400},  // over 41,000 characters, read whole
      {kBox, "", "You did not enter the Box Number!", 0},
      {kBox, "12345", notThrees, 0},
      {kBox, numbers(70), "", 70},
      {kBox, numbers(71), boxTooMany, 0},
      {kBox, numbers(70, QString(500, QLatin1Char('\n'))), "", 70},
  };
  for (const Case &tc : cases) {
    SCOPED_TRACE(std::string(tc.window) + " " + tc.text.left(30).toStdString() + " (" +
                 std::to_string(tc.text.size()) + " characters)");
    Enquiry e(tc.window, {"000", "123"});
    e.session.enquire("123");  // an earlier enquiry's result stays when a text is refused
    const std::string before = charts::chartDumpText(e.grid(), true);
    e.host.busyCaptions.clear();
    e.host.messages.clear();
    e.session.enquire(tc.text);
    if (tc.message.isEmpty()) {
      EXPECT_TRUE(e.host.messages.empty());
      EXPECT_EQ(e.grid().cols(), 5 + tc.entries + 1);
      EXPECT_EQ(e.headers().size(), tc.entries + 1);
      continue;
    }
    ASSERT_EQ(e.messages(), QStringList{tc.message});
    const RecordingHost::Message &m = e.host.messages.front();
    EXPECT_EQ(m.title, "Information");
    EXPECT_EQ(m.style, MessageStyle::OkInformation);
    EXPECT_FALSE(m.busy);
    EXPECT_TRUE(e.host.busyCaptions.empty());
    EXPECT_EQ(charts::chartDumpText(e.grid(), true), before);
  }
}

TEST(Enquiries, WorksUnderTheBusyCaption) {
  const std::pair<const char *, QString> windows[] = {{kStraight, "Straight Number Enquire"},
                                                      {kBox, "Box Number Enquire"}};
  for (const auto &[window, title] : windows) {
    Enquiry e(window, {"123"});
    EXPECT_EQ(e.session.state().caption, title);
    e.session.enquire("123");
    EXPECT_EQ(e.host.busyCaptions,
              (std::vector<std::pair<bool, QString>>{{true, "Please wait......"}, {false, title}}));
  }
}

TEST(Enquiries, StraightNumbersMatchTheDigitsInTheirOrder) {
  Enquiry e(kStraight, {"123", "321", "213", "012", "123", "505"});
  EXPECT_EQ(e.column(4), QStringList({"123", "321", "213", "012", "123", "505"}));
  EXPECT_EQ(e.grid().text(4, 0), " 4:012");
  e.session.enquire("123 012 055 123");
  EXPECT_EQ(e.headers(), QStringList({"123", "012", "055", "123", "Gather"}));
  EXPECT_EQ(e.column(5), QStringList({"***", "1", "2", "3", "***", "1"}));
  EXPECT_EQ(e.column(6), QStringList({"1", "2", "3", "***", "1", "2"}));
  EXPECT_EQ(e.column(7), QStringList({"1", "2", "3", "4", "5", "6"}));
  EXPECT_EQ(e.column(8), e.column(5));  // the same number twice: two equal columns
  EXPECT_EQ(e.column(9), QStringList({"***", "1", "2", "***", "***", "1"}));
  for (int r = 1; r <= 6; ++r)
    for (int c = 5; c <= 9; ++c)
      EXPECT_EQ(e.grid().backColor(r, c), 0u);  // the text alone marks a hit
}

TEST(Enquiries, BoxNumbersMatchTheSortedDigitsAsTyped) {
  Enquiry e(kBox, {"505", "550", "055", "210", "777", "123", "321"});
  EXPECT_EQ(e.column(4), QStringList({"055", "055", "055", "012", "777", "123", "123"}));
  EXPECT_EQ(e.grid().text(4, 0), " 4:210");
  EXPECT_EQ(QStringList({e.grid().text(4, 1), e.grid().text(4, 2), e.grid().text(4, 3)}),
            QStringList({"2", "1", "0"}));
  e.session.enquire("055 505 550 777 123 321");
  const QStringList hits[] = {
      {"***", "***", "***", "1", "2", "3", "4"},  // 055
      {"1", "2", "3", "4", "5", "6", "7"},        // 505
      {"1", "2", "3", "4", "5", "6", "7"},        // 550
      {"1", "2", "3", "4", "***", "1", "2"},      // 777
      {"1", "2", "3", "4", "5", "***", "***"},    // 123
      {"1", "2", "3", "4", "5", "6", "7"},        // 321
      {"***", "***", "***", "1", "***", "***", "***"},  // Gather
  };
  for (int i = 0; i < 7; ++i)
    EXPECT_EQ(e.column(5 + i), hits[i]) << e.grid().text(0, 5 + i).toStdString();
}

TEST(Enquiries, FootersOfTheWorkedCases) {
  // Ten draws, 123 at draws 3 and 8; 999 at the last; 000 at the first only; 555 never.
  Enquiry e(kStraight, {"000", "111", "123", "111", "111", "111", "111", "123", "111", "999"});
  e.session.enquire("123 999 000 555");
  EXPECT_EQ(e.column(5), QStringList({"1", "2", "***", "1", "2", "3", "4", "***", "1", "2"}));
  EXPECT_EQ(e.footer(5), QStringList({"2", "4", "2", "5"}));
  EXPECT_EQ(e.footer(6), QStringList({"1", "9", "0", "10"}));   // hit by the last draw
  EXPECT_EQ(e.footer(7), QStringList({"1", "0", "9", "10"}));   // hit by draw 1 only: no run before it
  EXPECT_EQ(e.footer(8), QStringList({"0", "0", "10", ""}));    // never: Average stays empty
  EXPECT_EQ(e.footer(9), QStringList({"4", "4", "0", "2"}));    // Gather
  const int n = 10;
  ASSERT_EQ(e.grid().rows(), n + 6);
  EXPECT_EQ(QStringList({e.grid().text(n + 2, 0), e.grid().text(n + 3, 0), e.grid().text(n + 4, 0),
                         e.grid().text(n + 5, 0)}),
            QStringList({"Amount", "Max Miss", "Current Miss", "Average"}));
  for (int r = n + 1; r <= n + 5; ++r) {
    EXPECT_EQ(e.grid().backColor(r, 0), 0u);
    for (int c = 1; c <= 9; ++c) {
      EXPECT_EQ(e.grid().backColor(r, c), r == n + 1 ? 0 : rgb(231, 225, 239)) << r << "," << c;
      EXPECT_EQ(e.grid().foreColor(r, c), r == n + 1 ? 0 : rgb(0, 0, 255)) << r << "," << c;
    }
  }
  EXPECT_EQ(e.grid().topRow(), n + 5);
}

TEST(Enquiries, EachEnquiryRebuildsTheColumns) {
  Enquiry e(kStraight, {"123", "456", "789"});
  EXPECT_EQ(e.grid().cols(), 5);
  EXPECT_EQ(e.grid().rows(), 5);
  e.session.enquire("123 456 789 321");
  ASSERT_EQ(e.grid().cols(), 10);
  EXPECT_EQ(e.grid().rows(), 9);
  e.session.enquire("789");
  ASSERT_EQ(e.grid().cols(), 7);
  EXPECT_EQ(e.headers(), QStringList({"789", "Gather"}));
  EXPECT_EQ(e.column(5), QStringList({"1", "2", "***"}));
  EXPECT_EQ(e.footer(5), QStringList({"1", "2", "0", "3"}));
  EXPECT_EQ(e.grid().colWidth(5), 372);
  EXPECT_EQ(e.grid().colWidth(6), 620);
  EXPECT_EQ(e.grid().rows(), 9);
  // Widening again brings back none of the texts of the first enquiry.
  e.session.enquire("000 000 000 000");
  ASSERT_EQ(e.grid().cols(), 10);
  for (int c = 5; c <= 8; ++c) {
    EXPECT_EQ(e.grid().text(0, c), "000");
    EXPECT_EQ(e.column(c), QStringList({"1", "2", "3"}));
    EXPECT_EQ(e.grid().colWidth(c), 372);
  }
  EXPECT_EQ(e.grid().colWidth(9), 620);
}

TEST(Enquiries, AnEmptyHistoryShowsZeros) {
  for (const char *window : {kStraight, kBox}) {
    SCOPED_TRACE(window);
    Enquiry e(window, {});
    ASSERT_EQ(e.grid().rows(), 2);
    e.session.enquire("123 456");
    ASSERT_EQ(e.grid().rows(), 6);
    for (int c = 5; c <= 7; ++c)
      EXPECT_EQ(e.footer(c), QStringList({"0", "0", "0", ""})) << "column " << c;
  }
}

TEST(Enquiries, TheChartDumperTypesAndPresses) {
  const std::string file = std::string(CORVESSA_FIXTURES_DIR) + "/draws/short.txt";
  std::ostringstream loaded, refused, err;
  ASSERT_EQ(runChartDump(toolRegistry(), {kBox, file}, loaded, err), 0);
  ASSERT_EQ(runChartDump(toolRegistry(), {"--input", "1234", "--input", "", kBox, file}, refused, err), 0) << err.str();
  EXPECT_EQ(refused.str(),
            "MESSAGE: There are errors in the input.Please check the input and try again!\n"
            "MESSAGE: You did not enter the Box Number!\n" +
                loaded.str());
  std::ostringstream twice;
  ASSERT_EQ(runChartDump(toolRegistry(), {"--input", "123 456", "--input", "277", kBox, file}, twice, err), 0);
  const std::string out = twice.str();
  EXPECT_EQ(out.substr(0, out.find('\n')), "\tH\tT\tU\t\t277\tGather");
  EXPECT_NE(out.find(" 3:727\t7\t2\t7\t277\t***\t***\n"), std::string::npos) << out;
}
