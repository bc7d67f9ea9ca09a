#pragma once
// The port-opening procedure, used at start and by the port dialog's save:
// try to open; on failure show the message, then offer the port's settings
// dialog; when confirmed, write the port's settings to the file.

class QWidget;

namespace wall {

class PortBank;
class SettingsFile;

// Returns true when the port is open afterwards.
bool openPortProcedure(QWidget* owner, PortBank& ports, SettingsFile& file, int device);

// Opens the settings dialog of a device; on OK (the port is then open) its
// settings are written to the file at once. Returns true when confirmed.
bool configurePort(QWidget* owner, PortBank& ports, SettingsFile& file, int device);

}  // namespace wall
