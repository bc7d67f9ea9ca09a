#pragma once
// The settings dialog of one serial port: the ports present on the system
// plus any path typed in, baud rate, parity, data bits, stop bits and flow
// control. OK applies the settings and opens the port; when that fails the
// dialog stays open with the message.

#include <QDialog>

#include "core/settings/port_settings.h"

class QComboBox;
class QLabel;

namespace wall {

class PortBank;

class PortSettingsDialog : public QDialog {
  Q_OBJECT
 public:
  PortSettingsDialog(PortBank& ports, int device, QWidget* parent = nullptr);

  // The settings the fields describe, starting from the port's own.
  PortSettings chosen() const;

  void accept() override;

 private:
  void fill(const PortSettings& s);

  PortBank& ports_;
  int device_;
  QComboBox* path_;
  QComboBox* baud_;
  QComboBox* parity_;
  QComboBox* dataBits_;
  QComboBox* stopBits_;
  QComboBox* flow_;
  QLabel* error_;
};

}  // namespace wall
