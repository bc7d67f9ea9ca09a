#pragma once
// The system-settings dialog ("系统设置", Form9), a mirror of
// SystemSettingsModel: the widgets show the model, user actions go to it.

#include <QDialog>
#include <array>

#include "core/app/system_settings_model.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace wall {

class SystemSettingsDialog : public QDialog {
  Q_OBJECT
 public:
  SystemSettingsDialog(SystemSettingsModel& model, QWidget* parent = nullptr);

  // N8Click: fill from the settings and show (modeless).
  void openDialog();
  // Shows the model's state (after SetBoard changed the read-back box).
  void sync();
  int beeps() const { return beeps_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void retranslate();
  void fieldEdited(int field, const QString& text);
  void beep();

  SystemSettingsModel& model_;
  std::array<QLineEdit*, 4> edits_{};
  std::array<QLabel*, 4> editLabels_{};
  std::array<QLabel*, 4> unitLabels_{};
  std::array<QCheckBox*, 7> boxes_{};
  QComboBox* cmdForm_;
  QComboBox* switchOrder_;
  QLabel* cmdFormLabel_;
  QLabel* switchOrderLabel_;
  QPushButton* ok_;
  QPushButton* cancel_;
  int beeps_ = 0;
};

}  // namespace wall
