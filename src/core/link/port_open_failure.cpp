#include "core/link/port_open_failure.h"

namespace wall {

namespace {

bool within(std::int32_t v, std::int32_t lo, std::int32_t hi) { return v >= lo && v <= hi; }

constexpr std::int32_t kOneAndHalfStopBits = 1;

struct FaultText {
  PortSettingFault fault;
  const char* key;
  const char* zhNote;
  const char* enNote;
};

constexpr FaultText kFaultTexts[] = {
    {PortSettingFault::BaudIndex, "Baud", "（波特率序号应为 0 到 14）", " (the baud-rate index is 0 to 14)"},
    {PortSettingFault::Parity, "Parity", "（校验应为 0 到 4）", " (parity is 0 to 4)"},
    {PortSettingFault::ByteSize, "ByteSize", "（数据位应为 5 到 8）", " (data bits are 5 to 8)"},
    {PortSettingFault::StopBits, "StopBits", "（停止位应为 0 到 2）", " (stop bits are 0 to 2)"},
    {PortSettingFault::OneAndHalfStopBits, "StopBits", "（1.5 个停止位只能用于 5 个数据位）",
     " (1.5 stop bits need 5 data bits)"},
    {PortSettingFault::FlowControl, "FlowControl", "（流控应为 0 到 4）", " (flow control is 0 to 4)"},
};

const FaultText* faultText(PortSettingFault fault) {
  for (const FaultText& t : kFaultTexts) {
    if (t.fault == fault) return &t;
  }
  return nullptr;
}

std::int32_t faultValue(const PortSettings& s, PortSettingFault fault) {
  switch (fault) {
    case PortSettingFault::BaudIndex: return s.baud;
    case PortSettingFault::Parity: return s.parity;
    case PortSettingFault::ByteSize: return s.byteSize;
    case PortSettingFault::StopBits:
    case PortSettingFault::OneAndHalfStopBits: return s.stopBits;
    case PortSettingFault::FlowControl: return s.flowControl;
    case PortSettingFault::None: break;
  }
  return 0;
}

}  // namespace

PortSettingFault checkPortSettings(const PortSettings& s) {
  if (!baudRate(s.baud)) return PortSettingFault::BaudIndex;
  if (!within(s.parity, 0, 4)) return PortSettingFault::Parity;
  if (!within(s.byteSize, 5, 8)) return PortSettingFault::ByteSize;
  if (!within(s.stopBits, 0, 2)) return PortSettingFault::StopBits;
  // A UART sends 1.5 stop bits only with 5 data bits (its "two stop bits"
  // then last one and a half); Windows refused the other sizes as well.
  if (s.stopBits == kOneAndHalfStopBits && s.byteSize != 5) return PortSettingFault::OneAndHalfStopBits;
  if (!within(s.flowControl, 0, 4)) return PortSettingFault::FlowControl;
  return PortSettingFault::None;
}

bool settingFailure(int device, const PortSettings& settings, PortOpenFailure& out) {
  const PortSettingFault fault = checkPortSettings(settings);
  if (fault == PortSettingFault::None) return false;
  out = PortOpenFailure{};
  out.device = device;
  out.path = portPath(settings);
  out.problem = PortOpenProblem::BadSetting;
  out.fault = fault;
  out.value = faultValue(settings, fault);
  return true;
}

std::string portOpenFailureText(const PortOpenFailure& f, int language) {
  const bool zh = language == 0;
  const std::string& path = f.path;
  switch (f.problem) {
    case PortOpenProblem::NotUsed:
      return zh ? "设备" + std::to_string(f.device) + "未设置串口 (PortNo = 0)"
                : "Device " + std::to_string(f.device) + " has no serial port (PortNo = 0)";
    case PortOpenProblem::NotFound:
      return zh ? "串口 " + path + " 不存在" : "Serial port " + path + " does not exist";
    case PortOpenProblem::NoPermission:
      return zh ? "没有打开串口 " + path + " 的权限" : "No permission to open serial port " + path;
    case PortOpenProblem::Busy:
      return zh ? "串口 " + path + " 已被其他程序占用" : "Serial port " + path + " is in use by another program";
    case PortOpenProblem::BadSetting: {
      const FaultText* t = faultText(f.fault);
      const std::string key = t ? t->key : "?";
      const std::string setting = key + " = " + std::to_string(f.value);
      return zh ? "串口 " + path + " 的设置无效: " + setting + (t ? t->zhNote : "")
                : "Invalid setting for serial port " + path + ": " + setting + (t ? t->enNote : "");
    }
    case PortOpenProblem::Other:
      break;
  }
  return zh ? "串口 " + path + " 打开失败: " + f.detail : "Cannot open serial port " + path + ": " + f.detail;
}

}  // namespace wall
