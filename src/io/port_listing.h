#pragma once
// The serial ports present on this machine, for the port settings dialog.

#include <string>
#include <vector>

namespace wall {

struct SerialPortEntry {
  // The path to store in the Device key: the /dev/serial/by-id/ link when
  // there is one (it names the adapter, so it survives replugging and a
  // changed ttyUSB number), else the device node.
  std::string path;
  std::string node;  // the device node itself, /dev/ttyUSB0
  std::string description;
  std::string manufacturer;
  std::string serialNumber;
  bool operator==(const SerialPortEntry&) const = default;
};

// Every port QSerialPortInfo finds, merged with the links of `byIdFolder`
// (a link whose node QSerialPortInfo does not list is listed on its own).
// Sorted by path.
std::vector<SerialPortEntry> listSerialPorts(const std::string& byIdFolder = "/dev/serial/by-id");

}  // namespace wall
