#include "tools/menus.h"

#include "tools/box/tools.h"
#include "tools/digit/tools.h"
#include "tools/others/tools.h"
#include "tools/pairs/tools.h"
#include "tools/straight/tools.h"
#include "tools/sum_width/tools.h"
#include "tools/three_way_box/tools.h"
#include "tools/winning_from/tools.h"

#include <map>

namespace corvessa {

using namespace tools;

namespace {
constexpr Opening W = Opening::WithWait;
constexpr Opening P = Opening::Plain;
ToolMenuItem bar(const char *name) { return ToolMenuItem{name, "-", nullptr, P}; }
}  // namespace

const std::vector<ToolMenu> &toolMenus() {
  static const std::vector<ToolMenu> menus = {
      {"cailiangmayg", "Command3", "Box Pairs",
       {
           {"cai3dliangma", "Pairs", frm3dliangma, P},
           {"cai3dshouwei", "Box Number:Large-Small;Large+Small", frm3dshouwei, P},
           {"cai3ddazhong", "Box Number:Large-Middle;Large+Middle", frm3ddazhong, P},
           {"cai3dzhongxiao", "Box Number:Middle-Small;Middle+Small", frm3dzhongxiao, P},
           {"cailinglu2m", "0 Type Pairs", frm0luliangma, P},
           {"caishunzi2m", "Serial Pairs", frmshunziliangma, P},
           {"cailuoliangm", "Inherit 2 Digits", frmchong2ge, W},
           {"caidaima_duizi", "Five Regions Pairs", frmdaimaduizi, P},
           {"cailiangma_hecha", "+ or - of Pairs", frmliangmahecha, W},
           {"cailiangmajiwei", "Units of product of two digits", frmliangmajiwei, P},
           bar("bar0904102"),
           {"cailiangmayc", "Recommend \"Pairs\"", frmrenwenlengTlm, W},
       }},
      {"caihezhikuadu", "Command4", "Sum&&Width",
       {
           {"caixingtai3dhe", "Sum-Sum Units", frmxingtai3dhe, P},
           {"caihekua_ll", "Sum 012 Type&&Width 012 Type", frmhekualu, W},
           {"caihekuazh", "Sum Units Four Regions&&Width Four Regions", frmhekuazonghe, W},
           bar("bar0904101"),
           {"caihezhiyc", "Recommend Number Sum", frmhezhi4, W},
       }},
      {"caizuxuanyouguan", "Command5", "Box",
       {
           {"caizuxuan_xt", "Box Number Shape", frmzuxuan012lu, W},
           {"cai3dzxxzd", "Box Number-Small/Middle/Large", frm3dzxxzd, P},
           {"caixingtai1", "Four Models", frmxingtai1, P},
           {"caizuliutongji", "6 Way Box Statistical", frmzuliu120, W},
           bar("caibar0714"),
           {"cai16zhu", "16 Tickets follow", frmqita1, P},
           {"cai27zhu", "27 Tickets follow", frmqita3, P},
           {"cai30zhuzuxuan", "30 Tickets follow A", frmqita2a, W},
           {"cai30zhuzuxuanb", "30 Tickets follow B", frmqita2, W},
           {"cai50zhuzuxuan", "50 Tickets follow AB", frmqita450, W},
           {"cai54zhuzuxuan", "18 Tickets follow ABC", frmqita354, W},
           {"cai70zhuzuxuan", "70 Tickets follow", frmzuliu70, W},
           bar("bar2"),
           {"caichu5yuhe", "Sum of returns the remainder after each digital divide by 5", frm3shu5luhe, W},
           {"caijiachengzuhe", "Addition Box Number&&Multiplication Box Number", frmjiachengzh, W},
       }},
      {"cai3dgongjux", "Command6", "Straight",
       {
           {"cai3weizoushi", "Tundred Ten Units Trend", frm3weizoushi, P},
           bar("bar0422c"),
           {"caiwhzs", "Units of H+T H+U T+U", frmweihe, P},
           {"caiwczs", "absolute value of H-T H-U T-U", frmweicha, P},
           {"caiwjzs", "Units of H*T H*U T*U", frmweiji, P},
           {"caituao_xt", "Rise-Down shape", frmxingxiang, W},
           {"caizhixuan_xt", "Straight Number shape", frmjibenxingtai, W},
           bar("bar0422b"),
           {"cai320danxuan", "Recommend 320 Straight Numbers", frmbaishi32zu, W},
           {"caimorveking", "Recommend Tundred Ten Units", frmzhixuanmorvek, W},
       }},
      {"ruanjianji", "Command7", "3 Way Box",
       {
           {"caizu31", "3 Way Box Chance[1]", Form1zu3, W},
           {"caizu32", "3 Way Box Chance[2]", Form1tlj, W},
           {"caizu33", "3 Way Box Chance[3]", Form1zu3bai10, W},
           bar("bar1"),
           {"caizusanleixing2", "3 Way Box Type", frmzu3leixing2, P},
           {"caizu3zoushi", "3 Way Box Trend", Form1zu3zh, W},
           {"caizu3tongji", "3 Way Box Statistical", frmzusan90, W},
       }},
      {"caigaopin7ma", "Command8", "Winning number from",
       {
           {"caigaopin6ma6", "6 Way Box winning number from this \"6 digits\"", frmgaopin6ma, W},
           {"caigaopin6ma36", "Box winning number from this \"6 digits\"", frmgaopin6ma36, W},
           {"caigaopin7ma6", "6 Way Box winning number from this \"7 digits\"", frmgaopin7ma, W},
           {"caigaopin7ma36", "Box winning number from this \"7 digits\"", frmgaopin7ma36, W},
           bar("bar5"),
           {"caiwan4", "6 Way Box winning number from these \"4 digits\"", frmzuxuan4, P},
           {"caiwanneng5ma", "6 Way Box winning number from these \"5 digits\"", frmzuxuan1, W},
           {"caiwan6", "6 Way Box winning number from these \"6 digits\"", frmzuxuan6, P},
           {"caiwan7", "6 Way Box winning number from these \"7 digits\"", frmzuxuan7, P},
           bar("bar090426"),
           {"caihuang6", "Box winning number from these \"N digits\"", frmzuxuanqt, P},
           {"cai6lianhao", "6 Way Box winning number from these \"6 digits\"", frm6lianhao, P},
           {"cailingleizu6", "6 Way Box winning number from these \"N digits\"", frmlingleizu6, P},
           bar("bar0508"),
           {"cailengwenre", "Cold Warm Hot", frmrenwenleng, W},
           {"caisanqufenge", "Three Regions Small Middle Large", frmxzd, W},
           {"cai1234daima", "Four Regions-1234", frm4qufenge, W},
       }},
      {"danmayouguan", "Command2", "Digit",
       {
           {"dingsandana", "Recommend 3 digits-A", frmdingdanshh, W},
           {"dingsandanb", "Recommend 3 digits-BC", frmtongsha3ma, W},
           {"caijinyindan", "Recommend 2 digits", frmtongshahao, W},
           {"caigongshidan", "Other recommend digits-[formula]", frmdanma2, W},
           {"caiz3b2", "Other recommend digits-[2/3 formula]", frmz3b2, P},
           {"cailiandan", "Other recommend digits-[Serial]", frmdanma3, P},
           {"caitiedan", "Recommend 1 digit[1]", frmzonghe, W},
           {"caitiedan2", "Recommend 1 digit[2]", frmtongsha1ma, W},
           bar("bar4"),
           {"cai3m2", "2 digits from 3 digits", frmdanma3c2, W},
           {"cai4ma2", "2 digits from 4 digits", frmdanma4, W},
           {"cai3m0", "0 digits from 3 digits", frmdanma30, W},
           {"cai4m0", "0 digits from 4 digits", frmdanma40, W},
           {"cai2m12", "1-2 digits from 2 digits", frmdanma212, W},
           {"cai3m13", "1-3 digits from 3 digits", frmdanma313, W},
       }},
      {"caiqitayouguan", "Command9", "Others",
       {
           {"caibjishuhe", "Sum of Odd-Sum of Even", frmbjiouhe, P},
           {"caibxiaoshuhe", "Sum of Small-Sum of Big", frmbxiaodahe, P},
           {"caibzhishuhe", "Sum of Prime-Sum of Composite", frmbzhihehe, P},
           {"caizuxuanhaocx", "Box Number Enquire", frmzuxuanhaocx, W},
           {"caizhixuanhaocx", "Straight Number Enquire", frmzhixuanhaocx, W},
       }},
  };
  return menus;
}

namespace {

// The registry, and each entry's window name for the menu items.
struct Registration {
  ToolRegistry registry;
  std::map<ToolEntry (*)(), QString> windowNames;
};

const Registration &registration() {
  static const Registration built = [] {
    Registration r;
    for (const ToolMenu &menu : toolMenus())
      for (const ToolMenuItem &item : menu.items)
        if (!item.isSeparator()) {
          ToolEntry tool = item.entry();
          r.windowNames[item.entry] = tool.design.windowName;
          r.registry.add(std::move(tool));
        }
    return r;
  }();
  return built;
}

}  // namespace

QString ToolMenuItem::windowName() const {
  return isSeparator() ? QString() : registration().windowNames.at(entry);
}

const ToolRegistry &toolRegistry() { return registration().registry; }

}  // namespace corvessa
