#include "gui/link/port_opening.h"

#include <QMessageBox>

#include "core/settings/port_settings.h"
#include "gui/link/port_bank.h"
#include "gui/link/port_settings_dialog.h"

namespace wall {

bool configurePort(QWidget* owner, PortBank& ports, SettingsFile& file, int device) {
  PortSettingsDialog dialog(ports, device, owner);
  if (dialog.exec() != QDialog::Accepted) return false;
  writePortSettings(file, device, ports.settings(device));
  return true;
}

bool openPortProcedure(QWidget* owner, PortBank& ports, SettingsFile& file, int device) {
  if (!ports.isOpen(device)) {
    QString error;
    if (!ports.open(device, &error)) {
      QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Wall Control"), error, QMessageBox::Ok, owner);
      box.setObjectName("portOpenMessage");
      box.exec();
    }
  }
  if (!ports.isOpen(device)) configurePort(owner, ports, file, device);
  return ports.isOpen(device);
}

}  // namespace wall
