#pragma once
// The eight category menus of the main window and the tool window behind each
// item, in menu order. Captions are written as the menus show them, with "&&"
// for one ampersand.
#include <vector>

namespace corvessa {

enum class Opening { WithWait, Plain };

struct ToolMenuItem {
  const char *name;        // "caizu31"; separators are named bar...
  const char *caption;     // "-" for a separator
  const char *windowName;  // nullptr for a separator
  Opening opening = Opening::Plain;
  bool isSeparator() const { return windowName == nullptr; }
};

struct ToolMenu {
  const char *name;           // the hidden menu, "ruanjianji"
  const char *buttonName;     // the category button that pops it up, "Command7"
  const char *buttonCaption;  // "3 Way Box"
  std::vector<ToolMenuItem> items;
};

// In the order of the buttons down the main window's left column.
const std::vector<ToolMenu> &toolMenus();

}  // namespace corvessa
