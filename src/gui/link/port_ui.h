#pragma once
// The desktop's side of the port-opening procedure: the failure's message in
// a message box and the port's settings dialog.

#include "io/port_opening.h"

class QWidget;

namespace wall {

class SettingsFile;

PortOpeningUi portOpeningUi(QWidget* owner);

// A device's "串口设置" button: the settings dialog until the operator
// confirms settings the port opens with (then its section is written at
// once) or cancels. True when confirmed.
bool configurePort(QWidget* owner, SerialPort& port, SettingsFile& file, int language);

}  // namespace wall
