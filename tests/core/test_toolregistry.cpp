// The registry: the program's is built from its menu table, one tool per
// item in menu order; a window name given twice is refused, never replaced.
#include "charts/framework/tool.h"
#include "charts/framework/toolframe.h"
#include "support/core/menuitems.h"
#include "tools/menus.h"

#include <QStringList>
#include <stdexcept>

#include <gtest/gtest.h>

using namespace corvessa;

namespace {

ToolEntry tool(const char *windowName, const char *caption) {
  ToolDesign d;
  d.windowName = windowName;
  d.caption = caption;
  d.cols = 1;
  d.controls = {charts::gridControl()};
  return {d, [](ToolWindowState &, const DrawHistory &) {}};
}

}  // namespace

TEST(ToolRegistry, AWindowNameGivenTwiceIsRefusedAndTheFirstToolKept) {
  ToolRegistry registry;
  registry.add(tool("frmone", "first"));
  registry.add(tool("frmtwo", "second"));
  try {
    registry.add(tool("frmone", "again"));
    ADD_FAILURE() << "no exception";
  } catch (const std::logic_error &e) {
    EXPECT_NE(std::string(e.what()).find("frmone"), std::string::npos) << e.what();
  }
  ASSERT_EQ(registry.entries().size(), 2u);
  EXPECT_EQ(registry.find("frmone")->design.caption, "first");
  EXPECT_EQ(registry.find("frmthree"), nullptr);
}

TEST(ToolRegistry, TheProgramsHoldsEveryMenuItemsToolInMenuOrder) {
  QStringList fromMenus;
  for (const ToolMenu &menu : toolMenus())
    for (const ToolMenuItem &item : menu.items) {
      EXPECT_EQ(item.isSeparator(), item.windowName().isEmpty()) << item.name;
      if (!item.isSeparator())
        fromMenus << item.windowName();
    }
  QStringList expected;
  for (const test::MenuItemCase &c : test::menuTools())
    expected << QString::fromUtf8(c.window);
  QStringList registered;
  for (const ToolEntry &entry : toolRegistry().entries())
    registered << entry.design.windowName;
  EXPECT_EQ(fromMenus, expected);
  EXPECT_EQ(registered, expected);
}
