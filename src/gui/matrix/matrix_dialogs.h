#pragma once
// The matrix side of the main window: the input-control dialog (grid
// pop-up "输入控制", N16), the matrix-settings dialog ("矩阵设置", N9) with
// its selectors and name editor, the roll-polling dialog ("轮询设置", N63)
// and the pop-window matrix lists. Created once with the main window; it
// wires itself to the window's menu entries by their names, keeps the
// session's matrix state and runs every script on the window's runner.

#include <QObject>
#include <memory>

#include "core/matrix/input_control_model.h"
#include "core/matrix/pip_matrix_lists.h"
#include "io/script_runner.h"

class QProgressDialog;

namespace wall {

class InputControlDialog;
class InputNameDialog;
class MainWindow;
class MatrixSettingsDialog;
class PipMatrixPanel;
class RollDialog;
struct InputSwitchPlan;
struct MatrixConfirmation;

class MatrixDialogs : public QObject {
  Q_OBJECT
 public:
  explicit MatrixDialogs(MainWindow& window);
  ~MatrixDialogs() override;

  InputControlDialog* inputControl() const { return form14_; }
  MatrixSettingsDialog* matrixSettings() const { return form10_; }
  InputNameDialog* inputNames() const { return form22_; }
  RollDialog* roll() const { return form35_; }
  PipMatrixPanel* pipPanel() const { return pip_; }
  QProgressDialog* switchProgress() const { return progress_; }
  ScriptId lastSwitch() const { return lastSwitch_; }

 public slots:
  void openInputControl();    // N16Click
  void openMatrixSettings();  // N9Click
  void openRoll();            // N63Click

 signals:
  // The input-control confirm's script ended (completed or cancelled).
  void switchFinished(bool completed);

 private:
  void runSwitch(const InputSwitchPlan& plan);
  void confirmSettings(const MatrixConfirmation& c);
  void refreshMenus();

  MainWindow& window_;
  std::unique_ptr<InputControlModel> inputModel_;
  std::unique_ptr<PipMatrixLists> pipModel_;
  InputControlDialog* form14_ = nullptr;
  MatrixSettingsDialog* form10_ = nullptr;
  InputNameDialog* form22_ = nullptr;
  RollDialog* form35_ = nullptr;
  PipMatrixPanel* pip_ = nullptr;
  QProgressDialog* progress_ = nullptr;
  ScriptId lastSwitch_ = 0;
};

}  // namespace wall
