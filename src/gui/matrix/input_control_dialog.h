#pragma once
// The input-control dialog ("输入控制", Form14), a mirror of
// InputControlModel: the widgets show the model, every choice goes to it
// (and is stored at once). "确 定" hands the confirm's plan to whoever runs
// it and closes the dialog.

#include <QDialog>
#include <array>
#include <functional>

#include "core/matrix/input_control_model.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace wall {

class InputControlDialog : public QDialog {
  Q_OBJECT
 public:
  // `context` gives what a confirm needs besides the dialog's choices;
  // `run` receives the plan of "确 定".
  using ContextSource = std::function<InputControlModel::Context()>;
  using Runner = std::function<void(const InputSwitchPlan&)>;
  InputControlDialog(InputControlModel& model, ContextSource context, Runner run, QWidget* parent = nullptr);

  // N16Click: the model opens, the widgets follow, the dialog shows.
  void openDialog(int productType, const MatrixState& matrices, int language);
  // The widgets show the model (after a choice, or a change from outside).
  void sync();

 signals:
  // "使用矩阵" was changed by the operator (the pop-window box mirrors it).
  void matrixUseChanged(bool on);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();
  void confirm();
  QComboBox* inputList(MatrixKind kind) const { return inputs_[static_cast<std::size_t>(kindIndex(kind))]; }

  InputControlModel& model_;
  ContextSource context_;
  Runner run_;
  QLabel* sourceLabel_;
  QComboBox* sources_;
  QComboBox* subSignal_;
  QLabel* inputLabel_;
  std::array<QComboBox*, 4> inputs_{};  // by kind: AV, VGA, DVI, YPbPr
  QCheckBox* matrixUse_;
  QCheckBox* singleScreen_;
  QGroupBox* switchTypeGroup_;
  std::array<QRadioButton*, 3> switchTypes_{};
  QButtonGroup* switchTypeButtons_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace wall
