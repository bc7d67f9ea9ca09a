#include "gui/link/port_ui.h"

#include <QMessageBox>

#include "core/settings/settings_file.h"
#include "gui/app/quit_signals.h"
#include "gui/link/port_settings_dialog.h"

namespace wall {

namespace {
std::optional<PortSettings> runDialog(QWidget* owner, int device, const PortSettings& current,
                                      const std::string& error) {
  PortSettingsDialog dialog(device, current, QString::fromStdString(error), owner);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.chosen();
}
}  // namespace

PortOpeningUi portOpeningUi(QWidget* owner) {
  PortOpeningUi ui;
  ui.showMessage = [owner](const std::string& message) {
    if (quitSignalled()) return;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Wall Control"), QString::fromStdString(message),
                    QMessageBox::Ok, owner);
    box.setObjectName("portOpenMessage");
    box.exec();
  };
  ui.settingsDialog = [owner](int device, const PortSettings& current,
                              const std::string& error) -> std::optional<PortSettings> {
    if (quitSignalled()) return std::nullopt;
    return runDialog(owner, device, current, error);
  };
  return ui;
}

bool configurePort(QWidget* owner, SerialPort& port, SettingsFile& file, int language) {
  std::string error;
  while (true) {
    const auto chosen = runDialog(owner, port.device(), port.settings(), error);
    if (!chosen) return false;
    port.setSettings(*chosen);
    PortOpenFailure failure;
    if (port.open(&failure)) {
      writePortSettings(file, port.device(), port.settings());
      return true;
    }
    error = portOpenFailureText(failure, language);
  }
}

}  // namespace wall
