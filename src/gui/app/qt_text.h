#pragma once
// Text between the core (UTF-8 std::string) and Qt.

#include <QString>
#include <string>

namespace wall {

inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string ss(const QString& s) { return s.toStdString(); }

}  // namespace wall
