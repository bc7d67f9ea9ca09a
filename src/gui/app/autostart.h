#pragma once
// Starting the program with the computer ("电脑开机时启动软件"): on Linux an
// XDG autostart entry, ~/.config/autostart/wallcontrol.desktop (under
// $XDG_CONFIG_HOME when set); on Windows the value "WALL" under the Run key.

#include <QString>

namespace wall {

QString autostartEntryPath();
// Creates (on) or removes (off) the entry for `program`; false on failure.
bool setAutostart(bool on, const QString& program);

}  // namespace wall
