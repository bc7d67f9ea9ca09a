#pragma once
// Filling a drop-down list from the core's names without it reporting the
// change: a refill is the program's doing, not the operator's pick.

#include <QComboBox>
#include <QSignalBlocker>
#include <string>
#include <vector>

#include "gui/app/qt_text.h"

namespace wall {

inline void fillQuietly(QComboBox* list, const std::vector<std::string>& entries, int index) {
  const QSignalBlocker block(list);
  list->clear();
  for (const std::string& e : entries) list->addItem(qs(e));
  list->setCurrentIndex(index);
}

}  // namespace wall
