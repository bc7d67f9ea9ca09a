#pragma once
// The serial-port dialog ("串口设置"): the wall port, the shared matrix port
// and the four matrix kinds' own ports, with the check-box rules of
// PortDialogModel; "保  存" writes the flags and port numbers and reopens.

#include <QDialog>
#include <array>

#include "core/app/port_dialog_model.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace wall {

class PortBank;
class Session;

class PortDialog : public QDialog {
  Q_OBJECT
 public:
  PortDialog(PortBank& ports, Session& session, QWidget* parent = nullptr);

  const PortDialogModel& model() const { return model_; }

 signals:
  // After "保  存": the status bar follows the wall port.
  void saved();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();
  void boxClicked(int box, bool checked);
  void configure(int device);
  void save();
  void sync();

  void setPortNumber(int device, int portNo);

  PortBank& ports_;
  Session& session_;
  PortDialogModel model_;
  QLabel* wallLabel_;
  QPushButton* wallButton_;
  std::array<QCheckBox*, PortDialogModel::kBoxes> boxes_{};
  std::array<QPushButton*, PortDialogModel::kBoxes> buttons_{};
  QPushButton* save_;
  QPushButton* cancel_;
};

}  // namespace wall
