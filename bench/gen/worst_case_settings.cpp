#include "gen/worst_case_settings.h"

#include <string_view>

namespace wall::bench {

namespace {

class IniWriter {
 public:
  void section(std::string_view name) {
    if (!out_.empty()) out_ += "\r\n";
    out_ += '[';
    out_ += name;
    out_ += "]\r\n";
  }
  void key(std::string_view name, std::string_view value) {
    out_ += name;
    out_ += '=';
    out_ += value;
    out_ += "\r\n";
  }
  void key(std::string_view name, long long value) { key(name, std::to_string(value)); }
  std::string take() { return std::move(out_); }

 private:
  std::string out_;
};

std::string n(long long v) { return std::to_string(v); }

void general(IniWriter& w, const WorstCaseShape& s) {
  w.section("SETTING");
  w.key("Language", 0);
  w.key("Caption", "一号指挥中心液晶拼接大屏幕控制系统");
  w.key("CmdDelayTime10Ms", 20);
  w.key("PowerDelayTime10Ms", 50);
  w.key("MatrixToScreenTime", 200);
  w.key("SwitchOrder", 0);
  w.key("CmdForm", 0);
  w.key("bReadEn", 1);
  w.key("bManYou", 1);
  w.key("bAutoAutoAdjEn", 1);
  w.key("Began", 1);
  w.key("AutoPowerOn", 0);
  w.key("bLogin", 0);
  w.key("Row", s.rows);
  w.key("Col", s.cols);
  w.key("ImageFile", "/opt/wallcontrol/bmp/指挥中心标志.bmp");
  w.section("System");
  w.key("BoardSel", 6);
  w.section("Unit14");
  for (const char* k : {"ComboBox18", "ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "NoWallMode"}) w.key(k, 0);
  w.key("suiRadioGroup1", 1);
}

void ports(IniWriter& w) {
  for (int d = 1; d <= 5; ++d) {
    w.section("YbCommDevice" + n(d) + " Com Set");
    w.key("PortNo", d);
    w.key("Baud", 6);
    w.key("Parity", 0);
    w.key("ByteSize", 8);
    w.key("StopBits", 0);
    w.key("FlowControl", 0);
    w.key("AutoAnswer", 0);
    w.key("InBufSize", 8192);
    w.key("OutBufSize", 8192);
  }
  w.section("YbCommDevice");
  w.key("MatrixUseComOnly", 0);
  for (const char* k : {"AVMatrixUseComOnly", "VGAMatrixUseComOnly", "DVIMatrixUseComOnly", "YUVMatrixUseComOnly"}) {
    w.key(k, 1);
  }
}

void units(IniWriter& w, const WorstCaseShape& s) {
  const int units = s.rows * s.cols;
  w.section("Unit1");
  for (int i = 1; i <= 7; ++i) w.key("suiComboBox" + n(i), 0);
  w.key("suiCheckBox1", 1);
  w.key("suiCheckBox2", 1);
  for (int l = 0; l < units; ++l) w.key("Source" + n(l), l % 12);
  for (int p = 0; p < s.plans; ++p) {
    for (int l = 0; l < units; ++l) w.key("SrcMode" + n(p) + "Source" + n(l), (l + p) % 13);
  }
}

void matrices(IniWriter& w, const WorstCaseShape& s) {
  const int units = s.rows * s.cols;
  w.section("Matrix");
  for (const char* kind : kMatrixKinds) {
    const std::string k(kind);
    w.key(k + "_Company", 5);
    if (k == "AV" || k == "VGA") w.key(k + "_Type", 1);
    w.key(k + "_ID", 1);
    w.key("Matrix_" + k + "_InputMax", s.matrixEntries);
    w.key("Matrix_" + k + "_DelayTime", 100);
  }
  w.key("Matrix_Use", 1);
  for (const char* kind : kMatrixKinds) {
    for (int e = 0; e < s.matrixEntries; ++e) w.key("Matrix_" + std::string(kind) + "_OutputStr" + n(e), e + 1);
  }
  for (const char* kind : kMatrixKinds) {
    for (int i = 0; i < s.matrixEntries; ++i) {
      w.key(std::string(kind) + "_InputName" + n(i), "第" + n(i + 1) + "路会议室高清摄像机信号");
    }
  }
  // What a plan save writes: for each unit the four kinds' inputs.
  for (int p = 0; p < s.plans; ++p) {
    for (int e = 0; e < units; ++e) {
      for (const char* kind : kMatrixKinds) {
        w.key("Wall_Mode" + n(p) + "Matrix_" + std::string(kind) + "_InputStr" + n(e), (e * 7 + p) % 1000 + 1);
      }
    }
  }
}

void plansAndWall(IniWriter& w, const WorstCaseShape& s) {
  w.section("Wall");
  w.key("Wall_Mode", 3);
  w.key("WallCustomColors", 1);
  for (int p = 0; p < s.plans; ++p) {
    w.key("Wall_Mode" + n(p), "预案模式" + n(p + 1) + "（全屏会议）");
    w.key("Wall_Mode" + n(p) + "_En", "1");
  }
  w.section("WallColor");
  for (int c = 0; c < s.cols; ++c) {
    for (int r = 0; r < s.rows; ++r) w.key("H" + n(c) + "V" + n(r), (r * 40 + c * 4) * 0x10101 % 0xFFFFFF);
  }
  w.section("WallPopList");
  w.key("ListLeng", 0);
}

void timers(IniWriter& w, const WorstCaseShape& s) {
  w.section("TimerSystem");
  w.key("Enable", 1);
  for (int t = 0; t < s.timers; ++t) {
    w.section("NO." + n(t));
    w.key("TimerSystem.bEnable", 1);
    w.key("TimerSystem.wIndex", t);
    w.key("TimerSystem.wYear", 2024);
    w.key("TimerSystem.wMonth", t % 12 + 1);
    w.key("TimerSystem.wDayOfWeek", t % 7);
    w.key("TimerSystem.wDay", t % 30 + 1);
    w.key("TimerSystem.wHour", t % 24);
    w.key("TimerSystem.wMinute", t % 60);
    w.key("TimerSystem.wSecond", 0);
    w.key("TimerSystem.RepeatTimeSel", t % 7);
    w.key("TimerSystem.ucWallStartH", 1);
    w.key("TimerSystem.ucWallStartL", 1);
    w.key("TimerSystem.ucWallEndH", s.rows);
    w.key("TimerSystem.ucWallEndL", s.cols);
    w.key("TimerSystem.ucCommand", t % 2 ? 0xCA : 0x10);
    w.key("TimerSystem.ucCommandParameter", t % s.plans + 1);
  }
}

void roll(IniWriter& w, const WorstCaseShape& s) {
  w.section("MatrixRoll");
  w.key("OnOff", 1);
  w.key("GroupCount", s.rollGroups);
  w.key("spTime", 10);
  for (int g = 0; g < s.rollGroups; ++g) {
    w.section("MatrixRoll" + n(g));
    w.key("Enable", 1);
    w.key("Count", s.rollItems);
    for (int j = 0; j < s.rollItems; ++j) {
      w.key("SubRoll_En" + n(j), 1);
      w.key("SubRoll_Name" + n(j), 5);
      w.key("SubRoll_Type" + n(j), 1);
      w.key("SubRoll_Addr" + n(j), 1);
      w.key("SubRoll_In" + n(j), j % 1000 + 1);
      w.key("SubRoll_Out" + n(j), g * 10 + j % 10 + 1);
    }
  }
}

}  // namespace

std::string worstCaseSettingsText(const WorstCaseShape& shape) {
  IniWriter w;
  general(w, shape);
  ports(w);
  units(w, shape);
  matrices(w, shape);
  plansAndWall(w, shape);
  timers(w, shape);
  roll(w, shape);
  return w.take();
}

}  // namespace wall::bench
