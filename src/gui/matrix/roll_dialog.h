#pragma once
// The roll-polling dialog ("矩阵轮询设置", Form35), a mirror of
// RollDialogModel, with the one-second timer that drives the polling. It
// exists for the whole run: polling goes on while it is hidden. Each tick's
// script goes to whoever sends (the script runner).

#include <QDialog>
#include <functional>

#include "core/app/roll_dialog_model.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTimer;

namespace wall {

class SettingsFile;

class RollDialog : public QDialog {
  Q_OBJECT
 public:
  using Sender = std::function<void(const Script&)>;
  using FlagsSource = std::function<PortFlags()>;
  using OnOffChanged = std::function<void(bool)>;
  // Reads the settings once (ReadConfig) and, when `onOff` is stored,
  // ticks the start box, which starts polling at once.
  RollDialog(SettingsFile& file, bool onOff, Sender send, FlagsSource flags, OnOffChanged onOffChanged,
             QWidget* parent = nullptr);

  void openDialog(int language);  // N63Click
  RollDialogModel& model() { return model_; }
  QTimer* timer() const { return timer_; }
  int beeps() const { return beeps_; }
  // One tick of the timer (the timer calls it every second).
  void tick();
  // The start box: true when polling runs afterwards.
  bool setRunning(bool on);

 protected:
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QLineEdit* numericEdit(const char* name, int maximum, int* field);
  void showGroups();
  void showItems();
  void retranslate();

  SettingsFile& file_;
  RollDialogModel model_;
  Sender send_;
  FlagsSource flags_;
  OnOffChanged onOffChanged_;
  QTimer* timer_;
  int beeps_ = 0;
  int language_ = 0;

  QLabel* groupCountLabel_;
  QLineEdit* groupCount_;
  QPushButton* groupCountOk_;
  QLabel* intervalLabel_;
  QLineEdit* interval_;
  QListWidget* groups_;
  QTableWidget* items_;
  QGroupBox* custom_;
  QComboBox* brand_;
  QComboBox* type_;
  QComboBox* address_;
  QLineEdit* input_;
  QLineEdit* output_;
  QLabel* fieldLabels_[5] = {};
  QPushButton* add_;
  QPushButton* remove_;
  QCheckBox* start_;
};

}  // namespace wall
