#include "io/port_opening.h"

#include "core/settings/settings_file.h"

namespace wall {

PortOpening openPort(SerialPort& port, SettingsFile& file, int language, const PortOpeningUi& ui) {
  PortOpening result;
  result.device = port.device();
  if (port.isOpen()) {
    result.open = true;
    return result;
  }
  PortOpenFailure failure;
  if (port.open(&failure)) {
    result.open = true;
    return result;
  }
  result.failure = failure;
  if (ui.showMessage) ui.showMessage(portOpenFailureText(failure, language));

  std::string error;  // the dialog opens afresh, then shows each failed attempt
  while (ui.settingsDialog) {
    const auto chosen = ui.settingsDialog(port.device(), port.settings(), error);
    if (!chosen) break;
    port.setSettings(*chosen);
    if (port.open(&failure)) {
      writePortSettings(file, port.device(), port.settings());
      result.open = true;
      result.settingsWritten = true;
      break;
    }
    error = portOpenFailureText(failure, language);
  }
  return result;
}

std::vector<PortOpening> openConfiguredPorts(PortBank& ports, SettingsFile& file, int language,
                                             const PortOpeningUi& ui) {
  std::vector<PortOpening> out;
  for (int device = kFirstDevice; device <= kLastDevice; ++device) {
    SerialPort& port = ports.port(device);
    const PortSettings settings = readPortSettings(file, device);
    port.setSettings(settings);
    if (device == kWallDevice || settings.portNo != 0) out.push_back(openPort(port, file, language, ui));
  }
  return out;
}

}  // namespace wall
