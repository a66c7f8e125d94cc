#pragma once
// The eight category menus of the main window, in menu order, and the tool
// behind each item. This table is also the registration: the registry holds
// every item's tool, in menu order. Captions are written as the menus show
// them, with "&&" for one ampersand.
#include "charts/framework/tool.h"

#include <vector>

namespace corvessa {

enum class Opening { WithWait, Plain };

struct ToolMenuItem {
  const char *name;             // "caizu31"; separators are named bar...
  const char *caption;          // "-" for a separator
  ToolEntry (*entry)();         // the tool's entry (tools/<menu>/tools.h); nullptr for a separator
  Opening opening = Opening::Plain;
  bool isSeparator() const { return entry == nullptr; }
  // The window name of the item's tool, as its design gives it; empty for a separator.
  QString windowName() const;
};

struct ToolMenu {
  const char *name;           // the hidden menu, "ruanjianji"
  const char *buttonName;     // the category button that pops it up, "Command7"
  const char *buttonCaption;  // "3 Way Box"
  std::vector<ToolMenuItem> items;
};

// In the order of the buttons down the main window's left column.
const std::vector<ToolMenu> &toolMenus();

// Every tool of the menus, built once from the table on first use. A tool
// that two items name is a fault in the table: the registry throws
// std::logic_error naming it.
const ToolRegistry &toolRegistry();

}  // namespace corvessa
