#pragma once
// Every entry of the eight category menus as a user reads them, separators
// included, written out here rather than taken from the program's menu table,
// so the tests that walk the menus compare the program with an independent
// list. Every count of menus, tools and separators in the tests is taken
// from this list.
#include <QString>
#include <QStringList>
#include <algorithm>
#include <iterator>
#include <vector>

namespace corvessa::test {

struct MenuItemCase {
  const char *menu;              // the category button's caption
  const char *caption;           // the item's caption, "&&" for one ampersand; "-" for a separator
  const char *window = nullptr;  // the tool's window; nullptr for a separator
  const char *title = nullptr;   // once loaded
  bool waitCaption = false;      // the main window says "Loading......Please wait......" while it opens
  constexpr bool isSeparator() const { return window == nullptr; }
};

inline constexpr bool kWait = true, kPlain = false;
constexpr MenuItemCase separator(const char *menu) { return {menu, "-"}; }

// In menu order, the menus in the order of their buttons.
inline constexpr MenuItemCase kMenuEntries[] = {
    {"Box Pairs", "Pairs", "frm3dliangma", "Pairs", kPlain},
    {"Box Pairs", "Box Number:Large-Small;Large+Small", "frm3dshouwei", "Box Number:Large-Small;Large+Small", kPlain},
    {"Box Pairs", "Box Number:Large-Middle;Large+Middle", "frm3ddazhong", "Box Number:Large-Middle;Large+Middle", kPlain},
    {"Box Pairs", "Box Number:Middle-Small;Middle+Small", "frm3dzhongxiao", "Box Number:Middle-Small;Middle+Small", kPlain},
    {"Box Pairs", "0 Type Pairs", "frm0luliangma", "0 Type Pairs", kPlain},
    {"Box Pairs", "Serial Pairs", "frmshunziliangma", "Serial Pairs", kPlain},
    {"Box Pairs", "Inherit 2 Digits", "frmchong2ge", "Inherit 2 Digits", kWait},
    {"Box Pairs", "Five Regions Pairs", "frmdaimaduizi", "Five Regions Pairs[05 16 27 38 49]", kPlain},
    {"Box Pairs", "+ or - of Pairs", "frmliangmahecha", "+ or - of Pairs ", kWait},
    {"Box Pairs", "Units of product of two digits", "frmliangmajiwei", "Units of product of two digits ", kPlain},
    separator("Box Pairs"),
    {"Box Pairs", "Recommend \"Pairs\"", "frmrenwenlengTlm", "Recommend \"Pairs\"", kWait},
    {"Sum&&Width", "Sum-Sum Units", "frmxingtai3dhe", "Sum-Sum Units", kPlain},
    {"Sum&&Width", "Sum 012 Type&&Width 012 Type", "frmhekualu", "Sum 012 Type&Width 012 Type", kWait},
    {"Sum&&Width", "Sum Units Four Regions&&Width Four Regions", "frmhekuazonghe", "Sum Units Four Regions&Width Four Regions", kWait},
    separator("Sum&&Width"),
    {"Sum&&Width", "Recommend Number Sum", "frmhezhi4", "Recommend Number Sum-[Following 7 fixed sums]+[Following 4 fixed sums]", kWait},
    {"Box", "Box Number Shape", "frmzuxuan012lu", "Box Number Shape", kWait},
    {"Box", "Box Number-Small/Middle/Large", "frm3dzxxzd", "Box Number-Small/Middle/Large", kPlain},
    {"Box", "Four Models", "frmxingtai1", "Four Models", kPlain},
    {"Box", "6 Way Box Statistical", "frmzuliu120", "6 Way Box Statistical", kWait},
    separator("Box"),
    {"Box", "16 Tickets follow", "frmqita1", "16 Tickets follow", kPlain},
    {"Box", "27 Tickets follow", "frmqita3", "27 Tickets follow", kPlain},
    {"Box", "30 Tickets follow A", "frmqita2a", "30 Tickets follow A", kWait},
    {"Box", "30 Tickets follow B", "frmqita2", "30 Tickets follow B", kWait},
    {"Box", "50 Tickets follow AB", "frmqita450", "50 Tickets follow AB", kWait},
    {"Box", "18 Tickets follow ABC", "frmqita354", "18 Tickets follow ABC", kWait},
    {"Box", "70 Tickets follow", "frmzuliu70", "70 Tickets follow", kWait},
    separator("Box"),
    {"Box", "Sum of returns the remainder after each digital divide by 5", "frm3shu5luhe", "Sum of returns the remainder after each digital divide by 5", kWait},
    {"Box", "Addition Box Number&&Multiplication Box Number", "frmjiachengzh", "Addition Box Number&Multiplication Box Number", kWait},
    {"Straight", "Tundred Ten Units Trend", "frm3weizoushi", "Tundred Ten Units Trend", kPlain},
    separator("Straight"),
    {"Straight", "Units of H+T H+U T+U", "frmweihe", "Units of H+T H+U T+U", kPlain},
    {"Straight", "absolute value of H-T H-U T-U", "frmweicha", "absolute value of H-T H-U T-U", kPlain},
    {"Straight", "Units of H*T H*U T*U", "frmweiji", "Units of H*T H*U T*U", kPlain},
    {"Straight", "Rise-Down shape", "frmxingxiang", "Rise-Down shape", kWait},
    {"Straight", "Straight Number shape", "frmjibenxingtai", "Straight Number shape", kWait},
    separator("Straight"),
    {"Straight", "Recommend 320 Straight Numbers", "frmbaishi32zu", "Recommend 320 Straight Numbers", kWait},
    {"Straight", "Recommend Tundred Ten Units", "frmzhixuanmorvek", "Recommend Tundred Ten Units", kWait},
    {"3 Way Box", "3 Way Box Chance[1]", "Form1zu3", "3 Way Box Chance[1]", kWait},
    {"3 Way Box", "3 Way Box Chance[2]", "Form1tlj", "3 Way Box Chance[2]", kWait},
    {"3 Way Box", "3 Way Box Chance[3]", "Form1zu3bai10", "3 Way Box Chance[3]", kWait},
    separator("3 Way Box"),
    {"3 Way Box", "3 Way Box Type", "frmzu3leixing2", "3 Way Box Type", kPlain},
    {"3 Way Box", "3 Way Box Trend", "Form1zu3zh", "3 Way Box Trend", kWait},
    {"3 Way Box", "3 Way Box Statistical", "frmzusan90", "3 Way Box Statistical", kWait},
    {"Winning number from", "6 Way Box winning number from this \"6 digits\"", "frmgaopin6ma", "6 Way Box winning number from this 6 digits", kWait},
    {"Winning number from", "Box winning number from this \"6 digits\"", "frmgaopin6ma36", "Box winning number from this 6 digits", kWait},
    {"Winning number from", "6 Way Box winning number from this \"7 digits\"", "frmgaopin7ma", "6 Way Box winning number from this 7 digits", kWait},
    {"Winning number from", "Box winning number from this \"7 digits\"", "frmgaopin7ma36", "Box winning number from this 7 digits", kWait},
    separator("Winning number from"),
    {"Winning number from", "6 Way Box winning number from these \"4 digits\"", "frmzuxuan4", "6 Way Box winning number from these 4 digits", kPlain},
    {"Winning number from", "6 Way Box winning number from these \"5 digits\"", "frmzuxuan1", "6 Way Box winning number from these 5 digits", kWait},
    {"Winning number from", "6 Way Box winning number from these \"6 digits\"", "frmzuxuan6", "6 Way Box winning number from these 6 digits", kPlain},
    {"Winning number from", "6 Way Box winning number from these \"7 digits\"", "frmzuxuan7", "6 Way Box winning number from these 7 digits", kPlain},
    separator("Winning number from"),
    {"Winning number from", "Box winning number from these \"N digits\"", "frmzuxuanqt", "Box winning number from these N digits", kPlain},
    {"Winning number from", "6 Way Box winning number from these \"6 digits\"", "frm6lianhao", "6 Way Box winning number from these 6 digits", kPlain},
    {"Winning number from", "6 Way Box winning number from these \"N digits\"", "frmlingleizu6", "6 Way Box winning number from these N digits", kPlain},
    separator("Winning number from"),
    {"Winning number from", "Cold Warm Hot", "frmrenwenleng", "Cold Warm Hot", kWait},
    {"Winning number from", "Three Regions Small Middle Large", "frmxzd", "Three Regions Small Middle Large", kWait},
    {"Winning number from", "Four Regions-1234", "frm4qufenge", "Four Regions-1234", kWait},
    {"Digit", "Recommend 3 digits-A", "frmdingdanshh", "Recommend 3 digits-A", kWait},
    {"Digit", "Recommend 3 digits-BC", "frmtongsha3ma", "Recommend 3 digits-BC", kWait},
    {"Digit", "Recommend 2 digits", "frmtongshahao", "Recommend 2 digits", kWait},
    {"Digit", "Other recommend digits-[formula]", "frmdanma2", "Other recommend digits-[formula]", kWait},
    {"Digit", "Other recommend digits-[2/3 formula]", "frmz3b2", "Other recommend digits-[2/3 formula]", kPlain},
    {"Digit", "Other recommend digits-[Serial]", "frmdanma3", "Other recommend digits-[Serial]", kPlain},
    {"Digit", "Recommend 1 digit[1]", "frmzonghe", "Recommend 1 digit[1]", kWait},
    {"Digit", "Recommend 1 digit[2]", "frmtongsha1ma", "Recommend 1 digit[2]", kWait},
    separator("Digit"),
    {"Digit", "2 digits from 3 digits", "frmdanma3c2", "2 digits from 3 digits", kWait},
    {"Digit", "2 digits from 4 digits", "frmdanma4", "2 digits from 4 digits", kWait},
    {"Digit", "0 digits from 3 digits", "frmdanma30", "0 digits from 3 digits", kWait},
    {"Digit", "0 digits from 4 digits", "frmdanma40", "0 digits from 4 digits", kWait},
    {"Digit", "1-2 digits from 2 digits", "frmdanma212", "1-2 digits from 2 digits", kWait},
    {"Digit", "1-3 digits from 3 digits", "frmdanma313", "1-3 digits from 3 digits", kWait},
    {"Others", "Sum of Odd-Sum of Even", "frmbjiouhe", "Sum of Odd-Sum of Even", kPlain},
    {"Others", "Sum of Small-Sum of Big", "frmbxiaodahe", "Sum of Small-Sum of Big", kPlain},
    {"Others", "Sum of Prime-Sum of Composite", "frmbzhihehe", "Sum of Prime-Sum of Composite", kPlain},
    {"Others", "Box Number Enquire", "frmzuxuanhaocx", "Box Number Enquire", kWait},
    {"Others", "Straight Number Enquire", "frmzhixuanhaocx", "Straight Number Enquire", kWait},
};

// The menus' tools in menu order: every entry but the separators.
inline const std::vector<MenuItemCase> &menuTools() {
  static const std::vector<MenuItemCase> tools = [] {
    std::vector<MenuItemCase> items;
    std::copy_if(std::begin(kMenuEntries), std::end(kMenuEntries), std::back_inserter(items),
                 [](const MenuItemCase &c) { return !c.isSeparator(); });
    return items;
  }();
  return tools;
}
inline int menuToolCount() { return int(menuTools().size()); }

// The category buttons' captions, in the order of their menus.
inline QStringList menuButtons() {
  QStringList buttons;
  for (const MenuItemCase &c : kMenuEntries)
    if (!buttons.contains(QString::fromUtf8(c.menu)))
      buttons << QString::fromUtf8(c.menu);
  return buttons;
}

// The entries of the menu behind a button as it shows them: captions, "-" for a separator.
inline QStringList menuEntries(const QString &button) {
  QStringList entries;
  for (const MenuItemCase &c : kMenuEntries)
    if (button == QString::fromUtf8(c.menu))
      entries << QString::fromUtf8(c.caption);
  return entries;
}

}  // namespace corvessa::test
