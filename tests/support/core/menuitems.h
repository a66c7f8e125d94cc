#pragma once
// Every item of the eight category menus as a user reads them, written out
// here rather than taken from the program's menu table, so the tests that
// walk the menus compare the program with an independent list.
namespace corvessa::test {

struct MenuItemCase {
  const char *menu;     // the category button's caption
  const char *caption;  // the item's caption, "&&" for one ampersand
  const char *window;
  const char *title;    // once loaded
};

// In menu order, the menus in the order of their buttons.
inline constexpr MenuItemCase kMenuItems[] = {
      {"Box Pairs", "Pairs", "frm3dliangma", "Pairs"},
      {"Box Pairs", "Box Number:Large-Small;Large+Small", "frm3dshouwei", "Box Number:Large-Small;Large+Small"},
      {"Box Pairs", "Box Number:Large-Middle;Large+Middle", "frm3ddazhong", "Box Number:Large-Middle;Large+Middle"},
      {"Box Pairs", "Box Number:Middle-Small;Middle+Small", "frm3dzhongxiao", "Box Number:Middle-Small;Middle+Small"},
      {"Box Pairs", "0 Type Pairs", "frm0luliangma", "0 Type Pairs"},
      {"Box Pairs", "Serial Pairs", "frmshunziliangma", "Serial Pairs"},
      {"Box Pairs", "Inherit 2 Digits", "frmchong2ge", "Inherit 2 Digits"},
      {"Box Pairs", "Five Regions Pairs", "frmdaimaduizi", "Five Regions Pairs[05 16 27 38 49]"},
      {"Box Pairs", "+ or - of Pairs", "frmliangmahecha", "+ or - of Pairs "},
      {"Box Pairs", "Units of product of two digits", "frmliangmajiwei", "Units of product of two digits "},
      {"Box Pairs", "Recommend \"Pairs\"", "frmrenwenlengTlm", "Recommend \"Pairs\""},
      {"Sum&&Width", "Sum-Sum Units", "frmxingtai3dhe", "Sum-Sum Units"},
      {"Sum&&Width", "Sum 012 Type&&Width 012 Type", "frmhekualu", "Sum 012 Type&Width 012 Type"},
      {"Sum&&Width", "Sum Units Four Regions&&Width Four Regions", "frmhekuazonghe", "Sum Units Four Regions&Width Four Regions"},
      {"Sum&&Width", "Recommend Number Sum", "frmhezhi4", "Recommend Number Sum-[Following 7 fixed sums]+[Following 4 fixed sums]"},
      {"Box", "Box Number Shape", "frmzuxuan012lu", "Box Number Shape"},
      {"Box", "Box Number-Small/Middle/Large", "frm3dzxxzd", "Box Number-Small/Middle/Large"},
      {"Box", "Four Models", "frmxingtai1", "Four Models"},
      {"Box", "6 Way Box Statistical", "frmzuliu120", "6 Way Box Statistical"},
      {"Box", "16 Tickets follow", "frmqita1", "16 Tickets follow"},
      {"Box", "27 Tickets follow", "frmqita3", "27 Tickets follow"},
      {"Box", "30 Tickets follow A", "frmqita2a", "30 Tickets follow A"},
      {"Box", "30 Tickets follow B", "frmqita2", "30 Tickets follow B"},
      {"Box", "50 Tickets follow AB", "frmqita450", "50 Tickets follow AB"},
      {"Box", "18 Tickets follow ABC", "frmqita354", "18 Tickets follow ABC"},
      {"Box", "70 Tickets follow", "frmzuliu70", "70 Tickets follow"},
      {"Box", "Sum of returns the remainder after each digital divide by 5", "frm3shu5luhe", "Sum of returns the remainder after each digital divide by 5"},
      {"Box", "Addition Box Number&&Multiplication Box Number", "frmjiachengzh", "Addition Box Number&Multiplication Box Number"},
      {"Straight", "Tundred Ten Units Trend", "frm3weizoushi", "Tundred Ten Units Trend"},
      {"Straight", "Units of H+T H+U T+U", "frmweihe", "Units of H+T H+U T+U"},
      {"Straight", "absolute value of H-T H-U T-U", "frmweicha", "absolute value of H-T H-U T-U"},
      {"Straight", "Units of H*T H*U T*U", "frmweiji", "Units of H*T H*U T*U"},
      {"Straight", "Rise-Down shape", "frmxingxiang", "Rise-Down shape"},
      {"Straight", "Straight Number shape", "frmjibenxingtai", "Straight Number shape"},
      {"Straight", "Recommend 320 Straight Numbers", "frmbaishi32zu", "Recommend 320 Straight Numbers"},
      {"Straight", "Recommend Tundred Ten Units", "frmzhixuanmorvek", "Recommend Tundred Ten Units"},
      {"3 Way Box", "3 Way Box Chance[1]", "Form1zu3", "3 Way Box Chance[1]"},
      {"3 Way Box", "3 Way Box Chance[2]", "Form1tlj", "3 Way Box Chance[2]"},
      {"3 Way Box", "3 Way Box Chance[3]", "Form1zu3bai10", "3 Way Box Chance[3]"},
      {"3 Way Box", "3 Way Box Type", "frmzu3leixing2", "3 Way Box Type"},
      {"3 Way Box", "3 Way Box Trend", "Form1zu3zh", "3 Way Box Trend"},
      {"3 Way Box", "3 Way Box Statistical", "frmzusan90", "3 Way Box Statistical"},
      {"Winning number from", "6 Way Box winning number from this \"6 digits\"", "frmgaopin6ma", "6 Way Box winning number from this 6 digits"},
      {"Winning number from", "Box winning number from this \"6 digits\"", "frmgaopin6ma36", "Box winning number from this 6 digits"},
      {"Winning number from", "6 Way Box winning number from this \"7 digits\"", "frmgaopin7ma", "6 Way Box winning number from this 7 digits"},
      {"Winning number from", "Box winning number from this \"7 digits\"", "frmgaopin7ma36", "Box winning number from this 7 digits"},
      {"Winning number from", "6 Way Box winning number from these \"4 digits\"", "frmzuxuan4", "6 Way Box winning number from these 4 digits"},
      {"Winning number from", "6 Way Box winning number from these \"5 digits\"", "frmzuxuan1", "6 Way Box winning number from these 5 digits"},
      {"Winning number from", "6 Way Box winning number from these \"6 digits\"", "frmzuxuan6", "6 Way Box winning number from these 6 digits"},
      {"Winning number from", "6 Way Box winning number from these \"7 digits\"", "frmzuxuan7", "6 Way Box winning number from these 7 digits"},
      {"Winning number from", "Box winning number from these \"N digits\"", "frmzuxuanqt", "Box winning number from these N digits"},
      {"Winning number from", "6 Way Box winning number from these \"6 digits\"", "frm6lianhao", "6 Way Box winning number from these 6 digits"},
      {"Winning number from", "6 Way Box winning number from these \"N digits\"", "frmlingleizu6", "6 Way Box winning number from these N digits"},
      {"Winning number from", "Cold Warm Hot", "frmrenwenleng", "Cold Warm Hot"},
      {"Winning number from", "Three Regions Small Middle Large", "frmxzd", "Three Regions Small Middle Large"},
      {"Winning number from", "Four Regions-1234", "frm4qufenge", "Four Regions-1234"},
      {"Digit", "Recommend 3 digits-A", "frmdingdanshh", "Recommend 3 digits-A"},
      {"Digit", "Recommend 3 digits-BC", "frmtongsha3ma", "Recommend 3 digits-BC"},
      {"Digit", "Recommend 2 digits", "frmtongshahao", "Recommend 2 digits"},
      {"Digit", "Other recommend digits-[formula]", "frmdanma2", "Other recommend digits-[formula]"},
      {"Digit", "Other recommend digits-[2/3 formula]", "frmz3b2", "Other recommend digits-[2/3 formula]"},
      {"Digit", "Other recommend digits-[Serial]", "frmdanma3", "Other recommend digits-[Serial]"},
      {"Digit", "Recommend 1 digit[1]", "frmzonghe", "Recommend 1 digit[1]"},
      {"Digit", "Recommend 1 digit[2]", "frmtongsha1ma", "Recommend 1 digit[2]"},
      {"Digit", "2 digits from 3 digits", "frmdanma3c2", "2 digits from 3 digits"},
      {"Digit", "2 digits from 4 digits", "frmdanma4", "2 digits from 4 digits"},
      {"Digit", "0 digits from 3 digits", "frmdanma30", "0 digits from 3 digits"},
      {"Digit", "0 digits from 4 digits", "frmdanma40", "0 digits from 4 digits"},
      {"Digit", "1-2 digits from 2 digits", "frmdanma212", "1-2 digits from 2 digits"},
      {"Digit", "1-3 digits from 3 digits", "frmdanma313", "1-3 digits from 3 digits"},
      {"Others", "Sum of Odd-Sum of Even", "frmbjiouhe", "Sum of Odd-Sum of Even"},
      {"Others", "Sum of Small-Sum of Big", "frmbxiaodahe", "Sum of Small-Sum of Big"},
      {"Others", "Sum of Prime-Sum of Composite", "frmbzhihehe", "Sum of Prime-Sum of Composite"},
      {"Others", "Box Number Enquire", "frmzuxuanhaocx", "Box Number Enquire"},
      {"Others", "Straight Number Enquire", "frmzhixuanhaocx", "Straight Number Enquire"},
};

}  // namespace corvessa::test
