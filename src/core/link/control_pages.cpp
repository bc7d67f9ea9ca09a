#include "core/link/control_pages.h"

namespace wall {

namespace {

// The boards with the frame variants (Dahlia and Elder).
bool isDahliaOrElder(int productType) { return productType == 3 || productType == 4; }

GroupDef base(int page, std::string_view panel, std::string_view caption, GroupKind kind, std::uint8_t code) {
  GroupDef g;
  g.page = page;
  g.panel = panel;
  g.caption = caption;
  g.kind = kind;
  g.code = code;
  return g;
}

GroupDef value(int page, std::string_view panel, std::string_view caption, std::uint8_t code,
               std::array<std::string_view, 6> c, int minimum = 0, int maximum = 100) {
  GroupDef g = base(page, panel, caption, GroupKind::Value, code);
  g.minimum = minimum;
  g.maximum = maximum;
  g.minus = c[0];
  g.plus = c[1];
  g.write = c[2];
  g.read = c[3];
  g.bar = c[4];
  g.edit = c[5];
  return g;
}

GroupDef choice(int page, std::string_view panel, std::string_view caption, std::uint8_t code,
                std::array<std::string_view, 3> c, std::vector<std::string_view> items,
                ChangeRule change = ChangeRule::Write) {
  GroupDef g = base(page, panel, caption, GroupKind::Choice, code);
  g.bar = c[0];
  g.write = c[1];
  g.read = c[2];
  g.items = std::move(items);
  g.change = change;
  g.maximum = static_cast<int>(g.items.size()) - 1;
  return g;
}

// The compact page's groups have no names of their own for their buttons
// and fields; they are named after their panel.
GroupDef compact(std::string_view panel, std::string_view caption, std::uint8_t code, std::string_view bar,
                 std::array<std::string_view, 5> names) {
  return value(kPageAdjust, panel, caption, code, {names[0], names[1], names[2], names[3], bar, names[4]});
}

std::vector<GroupDef> makeGroups() {
  using CR = ChangeRule;
  const std::vector<std::string_view> offOn = {"关", "开"};
  std::vector<GroupDef> g = {
      // 图像处理
      value(0, "Panel1", "亮  度", 0x41, {"BitBtn1", "BitBtn2", "suiButton14", "suiButton15", "suiScrollBar1", "suiEdit1"}),
      value(0, "Panel2", "对比度", 0x40, {"BitBtn4", "BitBtn11", "suiButton17", "suiButton16", "suiScrollBar2", "suiEdit2"}),
      value(0, "Panel4", "清晰度", 0x44, {"BitBtn21", "BitBtn22", "suiButton21", "suiButton20", "suiScrollBar4", "suiEdit4"}),
      value(0, "Panel3", "饱和度", 0x42, {"BitBtn19", "BitBtn20", "suiButton23", "suiButton22", "suiScrollBar5", "suiEdit5"}),
      value(0, "Panel6", "色  调", 0x43, {"BitBtn25", "BitBtn26", "suiButton25", "suiButton24", "suiScrollBar6", "suiEdit6"}),
      choice(0, "Panel5", "降  噪", 0x45, {"suiComboBox10", "suiButton27", "suiButton26"}, {"关", "低", "中", "高"}),
      choice(0, "Panel43", "图像翻转", 0xD7, {"suiComboBox14", "suiButton123", "suiButton124"},
             {"Normal", "90°", "180°", "270°"}, CR::FlipDahlia),
      choice(0, "Panel45", "画质调整", 0xD8, {"suiComboBox16", "suiButton132", ""},
             {"MODE 0", "MODE 1", "MODE 2", "MODE 3", "MODE 4"}),
      // 视窗处理
      value(1, "Panel10", "水平位置", 0x80, {"BitBtn33", "BitBtn34", "suiButton29", "suiButton28", "suiScrollBar8", "suiEdit20"}),
      value(1, "Panel11", "垂直位置", 0x81, {"BitBtn35", "BitBtn36", "suiButton31", "suiButton30", "suiScrollBar9", "suiEdit21"}),
      value(1, "Panel7", "时  钟", 0x52, {"BitBtn27", "BitBtn28", "suiButton61", "suiButton52", "suiScrollBar14", "suiEdit24"}),
      value(1, "Panel8", "相  位", 0x53, {"BitBtn29", "BitBtn30", "suiButton63", "suiButton62", "suiScrollBar19", "suiEdit23"}, 0, 63),
      value(1, "Panel13", "水平框架", 0x9B, {"BitBtn43", "BitBtn44", "suiButton65", "suiButton64", "suiScrollBar20", "suiEdit22"}),
      value(1, "Panel14", "垂直框架", 0x9C, {"BitBtn45", "BitBtn46", "suiButton67", "suiButton66", "suiScrollBar21", "suiEdit25"}),
      choice(1, "Panel12", "框架开关", 0x9A, {"suiComboBox8", "suiButton96", "suiButton51"}, offOn, CR::WriteOnDahliaElseIncDec),
      // 画中画
      value(2, "Panel15", "水平位置", 0x65, {"BitBtn47", "BitBtn48", "suiButton72", "suiButton71", "suiScrollBar22", "suiEdit10"}, 1, 100),
      value(2, "Panel16", "垂直位置", 0x66, {"BitBtn49", "BitBtn50", "suiButton76", "suiButton75", "suiScrollBar24", "suiEdit16"}, 1, 100),
      value(2, "Panel34", "水平尺寸", 0x67, {"suiButton99", "suiButton100", "suiButton102", "suiButton101", "suiScrollBar27", "suiEdit27"}),
      value(2, "Panel33", "垂直尺寸", 0x68, {"suiButton89", "suiButton90", "suiButton98", "suiButton93", "suiScrollBar7", "suiEdit7"}),
      // 系统
      choice(3, "Panel21", "风  扇", 0xB4, {"suiComboBox9", "suiButton95", "suiButton69"}, offOn, CR::WriteOnDahliaElseIncDec),
      choice(3, "Panel17", "无信号", 0xBC, {"ComboBox2", "suiButton94", "suiButton70"}, {"普通", "蓝屏", "黑屏", "关背光"},
             CR::NoSignalDahlia),
      value(3, "Panel9", "背光亮度", 0xB3, {"BitBtn31", "BitBtn32", "suiButton19", "suiButton18", "suiScrollBar3", "suiEdit3"}, 0, 254),
      choice(3, "Panel44", "边缘亮度", 0xD9, {"suiComboBox15", "suiButton128", ""},
             {"10Pels10%", "20Pels10%", "20Pels20%", "30Pels10%", "Normal"}),
      // 光机控制
      choice(5, "Panel36", "投影方向", 0x70, {"suiComboBox11", "suiButton103", "suiButton104"},
             {"正投正向", "背投正向", "正投反向", "背投反向"}),
      choice(5, "Panel37", "色温模式", 0x72, {"suiComboBox12", "suiButton105", "suiButton106"},
             {"8500K", "9300K", "6500K", "3200K", "8500KHL", "9300KHL", "6500KHL", "3200KHL"}),
      choice(5, "Panel41", "伽玛模式", 0x71, {"suiComboBox13", "suiButton120", "suiButton121"},
             {"模式1", "模式2", "模式3", "模式4", "模式5"}),
      value(5, "Panel38", "色坐标X", 0xE2, {"suiButton107", "suiButton108", "suiButton109", "suiButton110", "suiScrollBar28", "suiEdit28"}),
      value(5, "Panel39", "色坐标Y", 0xE3, {"suiButton111", "suiButton112", "suiButton113", "suiButton114", "suiScrollBar29", "suiEdit29"}),
      value(5, "Panel40", "增益Gain", 0xE4, {"suiButton115", "suiButton116", "suiButton117", "suiButton118", "suiScrollBar30", "suiEdit30"}),
      // 漫游
      value(7, "Panel26", "水平位置", 0x65, {"suiButton1", "suiButton5", "suiButton54", "suiButton53", "suiScrollBar15", "suiEdit11"}),
      value(7, "Panel27", "垂直位置", 0x66, {"suiButton6", "suiButton7", "suiButton56", "suiButton55", "suiScrollBar16", "suiEdit12"}),
      value(7, "Panel29", "水平尺寸", 0x67, {"suiButton10", "suiButton11", "suiButton60", "suiButton59", "suiScrollBar18", "suiEdit14"}),
      value(7, "Panel28", "垂直尺寸", 0x68, {"suiButton8", "suiButton9", "suiButton58", "suiButton57", "suiScrollBar17", "suiEdit13"}),
      // 图像调整
      compact("Panel19", "亮  度", 0x41, "suiScrollBar10", {"Panel19Minus", "Panel19Plus", "Panel19Write", "Panel19Read", "Panel19Edit"}),
      compact("Panel20", "对比度", 0x40, "suiScrollBar11", {"Panel20Minus", "Panel20Plus", "Panel20Write", "Panel20Read", "Panel20Edit"}),
      compact("Panel22", "清晰度", 0x44, "suiScrollBar23", {"Panel22Minus", "Panel22Plus", "Panel22Write", "Panel22Read", "Panel22Edit"}),
      compact("Panel23", "饱和度", 0x42, "suiScrollBar25", {"Panel23Minus", "Panel23Plus", "Panel23Write", "Panel23Read", "Panel23Edit"}),
      compact("Panel24", "水平位置", 0x80, "suiScrollBar12", {"Panel24Minus", "Panel24Plus", "Panel24Write", "Panel24Read", "Panel24Edit"}),
      compact("Panel25", "垂直位置", 0x81, "suiScrollBar13", {"Panel25Minus", "Panel25Plus", "Panel25Write", "Panel25Read", "Panel25Edit"}),
      compact("Panel31", "时  钟", 0x52, "suiScrollBar26", {"Panel31Minus", "Panel31Plus", "Panel31Write", "Panel31Read", "Panel31Edit"}),
      // 其他控制
      value(9, "Panel65", "去雾度", 0xE5, {"suiButton153", "suiButton154", "suiButton156", "suiButton155", "suiScrollBar31", "suiEdit31"}, 0, 255),
      choice(9, "Panel49", "半 屏", 0xE2, {"suiComboBox18", "suiButton140", "suiButton139"}, offOn, CR::NoSend),
      choice(9, "Panel59", "DITHER", 0xE7, {"suiComboBox19", "suiButton142", "suiButton141"}, {"8 Bit", "10 Bit"}, CR::NoSend),
      choice(9, "Panel60", "去雾功能", 0xE3, {"suiComboBox20", "suiButton144", "suiButton143"}, {"关", "自动", "手动"}, CR::NoSend),
      choice(9, "Panel61", "TI_Mode", 0xE8, {"suiComboBox21", "suiButton146", "suiButton145"}, {"VESA", "JEDIA"}, CR::NoSend),
      choice(9, "Panel62", "低照度", 0xE4, {"suiComboBox22", "suiButton148", "suiButton147"}, offOn, CR::NoSend),
      choice(9, "Panel64", "除 白", 0xE9, {"suiComboBox24", "suiButton152", "suiButton151"}, offOn, CR::NoSend),
  };
  for (GroupDef& d : g) {
    if (d.panel == "Panel45") d.noReadButton = true, d.readDisabled = true, d.alwaysShown = true;
    if (d.panel == "Panel44") d.noReadButton = true, d.readDisabled = true, d.alwaysShown = true;
    if (d.page == kPageOther) d.alwaysShown = true;
    if (d.panel == "Panel37" || d.panel == "Panel41") d.hidden = true;
  }
  return g;
}

std::vector<ButtonDef> makeButtons() {
  using S = ButtonSend;
  std::vector<ButtonDef> b = {
      {0, "BitBtn52", "色彩自动调整", S::WriteOnDahliaElseIncDec, 0x5B, 1},
      {0, "BitBtn14", "ADC调整", S::None},
      {0, "BitBtn53", "色差调整", S::None},
      {1, "BitBtn51", "位置自动调整", S::WriteOnDahliaElseIncDec, 0x5A, 1},
      {1, "BitBtn15", "重 显 率", S::None},
      {2, "BitBtn54", "画 中 画", S::IncDec, 0x60, 1},
      {2, "BitBtn3", "副 画 面", S::IncDec, 0x61, 1},
      {2, "BitBtn6", "边框颜色", S::IncDec, 0x62, 1},
      {2, "BitBtn5", "尺  寸", S::IncDec, 0x63, 1},
      {2, "BitBtn7", "交  换", S::IncDec, 0x64, 1},
      {3, "suiButton84", "PAL", S::Write, 0x38, 1, "Panel32"},
      {3, "suiButton85", "NTSC", S::Write, 0x38, 0, "Panel32"},
      {3, "suiButton119", "开", S::Write, 0xBD, 1, "Panel42"},
      {3, "suiButton122", "关", S::Write, 0xBD, 0, "Panel42"},
      {3, "suiButton68", "开", S::Write, 0xBA, 1, "Panel46"},
      {3, "suiButton136", "关", S::Write, 0xBA, 0, "Panel46"},
      {3, "suiButton129", "保存", S::None, 0, 0, "GroupBox2"},
      {3, "suiButton130", "导出", S::None, 0, 0, "GroupBox2"},
      {3, "suiButton131", "应用", S::None, 0, 0, "GroupBox2"},
      {3, "btn3", "版本信息", S::IncDec, 0xC1, 1},
      {3, "suiButton86", "设置地址", S::None},
      {3, "BitBtn76", "工厂初始化", S::None},
      {3, "BitBtn16", "不规则拼接", S::None},
      // 测试画面: pattern n is ButtonWrite(0xB1, n).
      {4, "BitBtn40", "关闭", S::Write, 0xB1, 0},   {4, "suiButton88", "网格", S::Write, 0xB1, 1},
      {4, "BitBtn17", "16灰阶", S::Write, 0xB1, 2}, {4, "BitBtn18", "32灰阶", S::Write, 0xB1, 3},
      {4, "BitBtn37", "64灰阶", S::Write, 0xB1, 4}, {4, "BitBtn38", "256灰阶", S::Write, 0xB1, 5},
      {4, "BitBtn39", "彩条", S::Write, 0xB1, 6},   {4, "BitBtn56", "黑", S::Write, 0xB1, 7},
      {4, "BitBtn57", "白", S::Write, 0xB1, 8},     {4, "BitBtn58", "红", S::Write, 0xB1, 9},
      {4, "BitBtn59", "绿", S::Write, 0xB1, 10},    {4, "BitBtn60", "蓝", S::Write, 0xB1, 11},
      {4, "BitBtn80", "青", S::Write, 0xB1, 12},    {4, "BitBtn81", "黄", S::Write, 0xB1, 13},
      {4, "BitBtn82", "紫", S::Write, 0xB1, 14},    {4, "btn1", "灰度", S::Write, 0xB1, 15},
      // 调试助手: remote keys and LVDS.
      {6, "BitBtn66", "电源", S::IncDec, 0x21, 0, "Panel18"}, {6, "BitBtn67", "静音", S::IncDec, 0x21, 1, "Panel18"},
      {6, "BitBtn68", "菜单", S::IncDec, 0x21, 2, "Panel18"}, {6, "BitBtn69", "信号", S::IncDec, 0x21, 3, "Panel18"},
      {6, "BitBtn62", "上", S::IncDec, 0x21, 4, "Panel18"},   {6, "BitBtn64", "下", S::IncDec, 0x21, 5, "Panel18"},
      {6, "BitBtn63", "左", S::IncDec, 0x21, 6, "Panel18"},   {6, "BitBtn65", "右", S::IncDec, 0x21, 7, "Panel18"},
      {6, "BitBtn71", "工厂菜单", S::IncDec, 0x21, 9, "Panel18"},
      {6, "suiButton134", "JEIDA", S::IncDec, 0xDA, 0, "GroupBox3"},
      {6, "suiButton135", "VESA", S::IncDec, 0xDA, 1, "GroupBox3"},
      // 漫游: the swap button runs the picture-in-picture page's handler.
      {7, "suiButton4", "主副交换", S::IncDec, 0x64, 1},
      // 图像调整
      {8, "suiButton50", "位置自动调整", S::WriteOnDahliaElseIncDec, 0x5A, 1},
      {8, "suiButton48", "系统保存", S::IncDec, 0xC5, 1},
      // 其他控制
      {9, "suiButton169", "0°", S::IncDec, 0xCC, 0, "GroupBox4"},
      {9, "suiButton170", "180°", S::IncDec, 0xCC, 1, "GroupBox4"},
      // The side panel ("图像冻结" has its click counter: FreezeButton).
      {-1, "BitBtn8", "系统信息", S::WriteOnDahliaElseIncDec, 0xC0, 1},
      {-1, "BitBtn9", "图像冻结", S::None, 0xB2, 1},
      {-1, "btn2", "温度信息", S::IncDec, 0xBE, 1},
  };
  return b;
}

}  // namespace

const std::vector<GroupDef>& controlGroups() {
  static const std::vector<GroupDef> groups = makeGroups();
  return groups;
}

const std::vector<ButtonDef>& controlButtons() {
  static const std::vector<ButtonDef> buttons = makeButtons();
  return buttons;
}

const GroupDef* findGroup(std::string_view panel) {
  for (const GroupDef& g : controlGroups()) {
    if (g.panel == panel) return &g;
  }
  return nullptr;
}

const ButtonDef* findButton(std::string_view name) {
  for (const ButtonDef& b : controlButtons()) {
    if (b.name == name) return &b;
  }
  return nullptr;
}

Bytes valueStepFrame(const WallFrames& f, const GroupDef& g, bool plus) {
  return f.buttonIncDec(g.code, plus ? 1 : 0);
}

Bytes valueWriteFrame(const WallFrames& f, const GroupDef& g, int position) {
  return f.buttonWrite(g.code, static_cast<std::uint32_t>(position < 0 ? 0 : position));
}

Bytes choiceWriteFrame(const WallFrames& f, const GroupDef& g, int index) {
  return f.buttonWrite(g.code, static_cast<std::uint32_t>(index < 0 ? 0 : index));
}

std::optional<Bytes> choiceChangeFrame(const WallFrames& f, const GroupDef& g, int index, int productType,
                                       bool readEn) {
  if (readEn || index < 0) return std::nullopt;
  const bool dahlia = isDahliaOrElder(productType);
  const auto v = static_cast<std::uint8_t>(index);
  switch (g.change) {
    case ChangeRule::NoSend: return std::nullopt;
    case ChangeRule::Write: return f.buttonWrite(g.code, v);
    case ChangeRule::WriteOnDahliaElseIncDec: return dahlia ? f.buttonWrite(g.code, v) : f.buttonIncDec(g.code, v);
    case ChangeRule::FlipDahlia: return f.buttonWrite(dahlia ? 0xBB : g.code, v);
    case ChangeRule::NoSignalDahlia: return dahlia ? f.buttonWrite(0xB8, v) : f.buttonIncDec(g.code, v);
  }
  return std::nullopt;
}

std::optional<Bytes> buttonFrame(const WallFrames& f, const ButtonDef& b, int productType) {
  switch (b.send) {
    case ButtonSend::Write: return f.buttonWrite(b.code, b.value);
    case ButtonSend::IncDec: return f.buttonIncDec(b.code, b.value);
    case ButtonSend::WriteOnDahliaElseIncDec:
      return isDahliaOrElder(productType) ? f.buttonWrite(b.code, b.value) : f.buttonIncDec(b.code, b.value);
    case ButtonSend::None: return std::nullopt;
  }
  return std::nullopt;
}

Bytes testPatternStepFrame(const WallFrames& f, bool plus, int productType) {
  const bool wide = productType == 11 || productType == 12;
  const std::uint8_t v = wide ? (plus ? 0x81 : 0x80) : (plus ? 1 : 0);
  return f.buttonIncDec(0xB1, v);
}

Bytes FreezeButton::click(const WallFrames& f, int productType) {
  if (!isDahliaOrElder(productType)) return f.buttonIncDec(0xB2, 1);
  const auto v = static_cast<std::uint8_t>(clicks_ % 2);
  ++clicks_;
  return f.buttonWrite(0xB2, v);
}

namespace {
constexpr std::uint8_t kColourCodes[kColourCount][kCoordinateCount] = {
    {0xE2, 0xE3, 0xE4}, {0xD0, 0xD1, 0xD2}, {0xD3, 0xD4, 0xD5}, {0xD6, 0xD7, 0xD8},
    {0xD9, 0xDA, 0xDB}, {0xDC, 0xDD, 0xDE}, {0xDF, 0xE0, 0xE1},
};
constexpr std::string_view kColourNames[kCoordinateCount][kColourCount] = {
    {"CmdDlpColorWx", "CmdDlpColorRx", "CmdDlpColorGx", "CmdDlpColorBx", "CmdDlpColorCx", "CmdDlpColorMx", "CmdDlpColorYx"},
    {"CmdDlpColorWy", "CmdDlpColorRy", "CmdDlpColorGy", "CmdDlpColorBy", "CmdDlpColorCy", "CmdDlpColorMy", "CmdDlpColorYy"},
    {"CmdDlpColorWg", "CmdDlpColorRg", "CmdDlpColorGg", "CmdDlpColorBg", "CmdDlpColorCg", "CmdDlpColorMg", "CmdDlpColorYg"},
};
bool colourInRange(int colour, int coordinate) {
  return colour >= 0 && colour < kColourCount && coordinate >= 0 && coordinate < kCoordinateCount;
}
}  // namespace

const std::array<std::string_view, kColourCount> kColourRadios = {
    "suiRadioButton1", "suiRadioButton2", "suiRadioButton3", "suiRadioButton4",
    "suiRadioButton5", "suiRadioButton6", "suiRadioButton7"};
const std::array<std::string_view, kCoordinateCount> kColourRows = {"Panel38", "Panel39", "Panel40"};

std::uint8_t colourCode(int colour, int coordinate) {
  if (!colourInRange(colour, coordinate)) return 0;
  return kColourCodes[colour][coordinate];
}

std::string_view colourConfigName(int colour, int coordinate) {
  if (!colourInRange(colour, coordinate)) return {};
  return kColourNames[coordinate][colour];
}

const std::array<PanelParameter, 19> kPanelParameters = {{
    {"1024X768", 0},         {"1280X1024", 2},   {"1440X900", 4},     {"1680X1050", 6},
    {"1366X768三星", 8},     {"1366X768LG", 9},  {"1920X1080 SAMSUNG", 10}, {"1920X1080LG", 11},
    {"1920X1080LG_POL", 12}, {"1920X1080LG_BIT10", 13}, {"TI0(VESA)", 14}, {"TI1(JEIDA)", 15},
    {"SWAP0 ", 16},          {"SWAP1 ", 17},     {"POL0 ", 18},       {"POL1 ", 19},
    {"6BIT", 20},            {"8BIT", 21},       {"10BIT", 22},
}};

std::optional<Bytes> panelParameterFrame(const WallFrames& f, std::string_view password, int index) {
  if (password != kPanelUnlockCode) return std::nullopt;
  if (index < 0 || index >= static_cast<int>(kPanelParameters.size())) return std::nullopt;
  return f.buttonWrite(kPanelParameterCode,
                       static_cast<std::uint32_t>(kPanelParameters[static_cast<std::size_t>(index)].number));
}

}  // namespace wall
