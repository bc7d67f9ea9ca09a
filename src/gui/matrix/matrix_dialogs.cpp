#include "gui/matrix/matrix_dialogs.h"

#include <QAction>
#include <QProgressDialog>

#include "core/app/session.h"
#include "core/app/source_names.h"
#include "core/matrix/matrix_menus.h"
#include "core/matrix/matrix_store.h"
#include "core/settings/settings_file.h"
#include "gui/app/main_window.h"
#include "gui/app/wall_grid.h"
#include "gui/link/control_pages.h"
#include "gui/matrix/input_control_dialog.h"
#include "gui/matrix/input_name_dialog.h"
#include "gui/matrix/matrix_settings_dialog.h"
#include "gui/matrix/pip_matrix_panel.h"
#include "gui/matrix/roll_dialog.h"

namespace wall {

MatrixDialogs::MatrixDialogs(MainWindow& window) : QObject(&window), window_(window) {
  setObjectName("matrixDialogs");
  Session& session = window_.session();
  SettingsFile& file = session.file();
  inputModel_ = std::make_unique<InputControlModel>(file);
  pipModel_ = std::make_unique<PipMatrixLists>(file);

  form14_ = new InputControlDialog(
      *inputModel_,
      [this] {
        Session& s = window_.session();
        const SessionValues& v = s.values();
        return InputControlModel::Context{s.matrices(), s.wallShape(), v.portFlags, s.selection(),
                                          v.cmdForm,    v.switchOrder, v.matrixToScreenTime};
      },
      [this](const InputSwitchPlan& plan) { runSwitch(plan); }, &window_);
  form22_ = new InputNameDialog(file, &window_);
  form10_ = new MatrixSettingsDialog(
      session.matrices(), session.wallShape(), [this](const MatrixConfirmation& c) { confirmSettings(c); },
      [this](MatrixKind kind) {
        Session& s = window_.session();
        form22_->openFor(kind, s.matrices().of(kind).inputMax, s.language());
      },
      &window_);
  form35_ = new RollDialog(
      file, session.values().rollOnOff, [this](const Script& script) { window_.runner().submit(script); },
      [this] { return window_.session().values().portFlags; },
      [this](bool on) { window_.session().setRollOnOff(on); }, &window_);

  // The pop-window lists live on the picture-in-picture page.
  QWidget* pipPage = window_.findChild<QWidget*>("Panel52");
  pip_ = new PipMatrixPanel(*pipModel_, pipPage ? pipPage : window_.centralWidget());
  // Beside the page's own controls, and within reach of its scroll area.
  pip_->setGeometry(ControlPages::kPageFlowWidth, 8, 160, 150);
  if (pipPage) ControlPages::fitPage(pipPage);
  pip_->setPipMatrixInput(session.values().boardSel, session.matrices(), session.language());
  connect(form14_, &InputControlDialog::matrixUseChanged, pip_, &PipMatrixPanel::mirrorUseMatrix);

  progress_ = new QProgressDialog(&window_);
  progress_->setObjectName("switchProgress");
  progress_->setModal(false);
  progress_->setMinimumDuration(300);
  progress_->setAutoClose(false);
  progress_->setAutoReset(false);
  progress_->reset();
  connect(progress_, &QProgressDialog::canceled, this, [this] { window_.runner().cancel(lastSwitch_); });
  connect(&window_.runner(), &ScriptRunner::progress, this, [this](ScriptId id, int done, int total) {
    if (id != lastSwitch_) return;
    progress_->setMaximum(total);
    progress_->setValue(done);
  });
  connect(&window_.runner(), &ScriptRunner::finished, this, [this](const ScriptReport& report) {
    if (report.id != lastSwitch_) return;
    progress_->reset();
    progress_->hide();
    emit switchFinished(!report.cancelled);
  });

  // The menu entries this side answers. "矩阵设置" (N9) stays hidden as in
  // the design until the advanced-features login shows it; it is enabled
  // and connected now, so the login only has to make it visible.
  auto entry = [this](const char* name) { return window_.findChild<QAction*>(name); };
  if (QAction* n16 = entry("N16")) {
    n16->setEnabled(true);
    connect(n16, &QAction::triggered, this, &MatrixDialogs::openInputControl);
  }
  if (QAction* n9 = entry("N9")) {
    n9->setEnabled(true);
    connect(n9, &QAction::triggered, this, &MatrixDialogs::openMatrixSettings);
  }
  if (QAction* n63 = entry("N63")) {
    n63->setEnabled(true);
    connect(n63, &QAction::triggered, this, &MatrixDialogs::openRoll);
  }
}

MatrixDialogs::~MatrixDialogs() = default;

void MatrixDialogs::openInputControl() {
  Session& s = window_.session();
  form14_->openDialog(s.values().boardSel, s.matrices(), s.language());
}

void MatrixDialogs::openMatrixSettings() {
  Session& s = window_.session();
  form10_->openDialog(s.matrices(), s.wallShape(), s.language());
}

void MatrixDialogs::openRoll() { form35_->openDialog(window_.session().language()); }

void MatrixDialogs::runSwitch(const InputSwitchPlan& plan) {
  Session& s = window_.session();
  s.setSwitchType(inputModel_->switchType());
  const int columns = s.columns();
  const int source = inputModel_->sourceCode().value_or(kNoSource);
  for (int unit : plan.units) s.setUnitSource(unit / columns, unit % columns, source);
  if (plan.matrix) plan.matrix->applyTo(s.matrices());
  window_.grid()->wallModel()->refresh();
  progress_->setLabelText(tr("输入控制"));
  progress_->setMaximum(static_cast<int>(plan.script.size()));
  progress_->setValue(0);
  lastSwitch_ = window_.runner().submit(plan.script);
}

void MatrixDialogs::confirmSettings(const MatrixConfirmation& c) {
  Session& s = window_.session();
  writeMatrixKeys(s.file(), c.writes);
  s.matrices().settings = c.settings;
  s.matrices().outputMap = c.outputMaps;
  s.setMatrixCompanies(c.settings[0].company, c.settings[1].company);
  if (QAction* a = window_.findChild<QAction*>("N26")) a->setVisible(c.menus.cameraAndRollPolling);
  if (QAction* a = window_.findChild<QAction*>("N63")) a->setVisible(c.menus.cameraAndRollPolling);
  for (const char* name : {"PanasonicLogin1", "PanasonicLogout1"}) {
    if (QAction* a = window_.findChild<QAction*>(name)) a->setVisible(c.menus.panasonic);
  }
  pip_->setPipMatrixInput(s.values().boardSel, s.matrices(), s.language());
  inputModel_->invalidateInputLists();
}

}  // namespace wall
