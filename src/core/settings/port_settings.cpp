#include "core/settings/port_settings.h"

#include "core/settings/settings_file.h"

namespace wall {

namespace {
constexpr const char* kFlagSection = "YbCommDevice";
}

PortSettings PortSettings::defaultsFor(int device) {
  PortSettings s;
  s.portNo = device == 1 ? 1 : 0;
  return s;
}

std::optional<std::int32_t> baudRate(std::int32_t index) {
  if (index < 0 || index >= static_cast<std::int32_t>(kBaudRates.size())) return std::nullopt;
  return kBaudRates[static_cast<std::size_t>(index)];
}

std::string portSection(int device) {
  return "YbCommDevice" + std::to_string(device) + " Com Set";
}

std::string portPath(const PortSettings& settings) {
  if (!settings.device.empty()) return settings.device;
  if (settings.portNo <= 0) return {};
  return "/dev/ttyS" + std::to_string(static_cast<long long>(settings.portNo) - 1);
}

PortSettings readPortSettings(SettingsFile& file, int device) {
  const PortSettings d = PortSettings::defaultsFor(device);
  const std::string section = portSection(device);
  PortSettings s;
  s.portNo = file.readInt(section, "PortNo", d.portNo);
  s.baud = file.readInt(section, "Baud", d.baud);
  s.parity = file.readInt(section, "Parity", d.parity);
  s.byteSize = file.readInt(section, "ByteSize", d.byteSize);
  s.stopBits = file.readInt(section, "StopBits", d.stopBits);
  s.flowControl = file.readInt(section, "FlowControl", d.flowControl);
  s.autoAnswer = file.readInt(section, "AutoAnswer", d.autoAnswer);
  s.inBufSize = file.readInt(section, "InBufSize", d.inBufSize);
  s.outBufSize = file.readInt(section, "OutBufSize", d.outBufSize);
  s.device = file.readString(section, "Device", "");
  return s;
}

void writePortSettings(SettingsFile& file, int device, const PortSettings& s) {
  const std::string section = portSection(device);
  SettingsFile::Batch batch(file);
  file.writeInt(section, "PortNo", s.portNo);
  file.writeInt(section, "Baud", s.baud);
  file.writeInt(section, "Parity", s.parity);
  file.writeInt(section, "ByteSize", s.byteSize);
  file.writeInt(section, "StopBits", s.stopBits);
  file.writeInt(section, "FlowControl", s.flowControl);
  file.writeInt(section, "AutoAnswer", s.autoAnswer);
  file.writeInt(section, "InBufSize", s.inBufSize);
  file.writeInt(section, "OutBufSize", s.outBufSize);
  // Device is ours (the earlier program had only port numbers); a path that
  // was set once and is now cleared is written empty so that PortNo rules.
  if (!s.device.empty() || file.hasKey(section, "Device")) {
    file.writeString(section, "Device", s.device);
  }
}

PortFlags readPortFlags(SettingsFile& file) {
  PortFlags f;
  f.matrixUseComOnly = file.readInt(kFlagSection, "MatrixUseComOnly", 0) != 0;
  f.avUseComOnly = file.readInt(kFlagSection, "AVMatrixUseComOnly", 0) != 0;
  f.vgaUseComOnly = file.readInt(kFlagSection, "VGAMatrixUseComOnly", 0) != 0;
  f.dviUseComOnly = file.readInt(kFlagSection, "DVIMatrixUseComOnly", 0) != 0;
  f.yuvUseComOnly = file.readInt(kFlagSection, "YUVMatrixUseComOnly", 0) != 0;
  return f;
}

void writePortFlags(SettingsFile& file, const PortFlags& f) {
  SettingsFile::Batch batch(file);
  file.writeInt(kFlagSection, "MatrixUseComOnly", f.matrixUseComOnly ? 1 : 0);
  file.writeInt(kFlagSection, "AVMatrixUseComOnly", f.avUseComOnly ? 1 : 0);
  file.writeInt(kFlagSection, "VGAMatrixUseComOnly", f.vgaUseComOnly ? 1 : 0);
  file.writeInt(kFlagSection, "DVIMatrixUseComOnly", f.dviUseComOnly ? 1 : 0);
  file.writeInt(kFlagSection, "YUVMatrixUseComOnly", f.yuvUseComOnly ? 1 : 0);
}

}  // namespace wall
