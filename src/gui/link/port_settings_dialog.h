#pragma once
// The settings dialog of one serial port: the ports present on the system
// plus any path typed in, baud rate, parity, data bits, stop bits and flow
// control. It shows the message of the last failed attempt to open, so that
// the operator can choose again; the caller applies and opens.

#include <QDialog>

#include "core/settings/port_settings.h"

class QComboBox;
class QLabel;

namespace wall {

class PortSettingsDialog : public QDialog {
  Q_OBJECT
 public:
  PortSettingsDialog(int device, const PortSettings& current, const QString& error, QWidget* parent = nullptr);

  // The settings the fields describe, starting from the current ones.
  PortSettings chosen() const;

 private:
  void fill(const PortSettings& s);

  PortSettings current_;
  QComboBox* path_;
  QComboBox* baud_;
  QComboBox* parity_;
  QComboBox* dataBits_;
  QComboBox* stopBits_;
  QComboBox* flow_;
  QLabel* error_;
};

}  // namespace wall
