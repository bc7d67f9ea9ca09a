#pragma once
// The main window (Form1): the wall grid, the control-panel pages, the plan
// list, the calendar picture, the status bar and the menus; it applies the
// product type (SetBoard) and the language (SetLanguage) and runs the wall
// power commands on the script player.

#include <QMainWindow>
#include <QTranslator>
#include <memory>

#include "core/app/board_view.h"
#include "core/app/system_settings_model.h"

class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QMessageBox;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTimer;

namespace wall {

class PortBank;
class Script;
class MatrixDialogs;
class PortDialog;
class PowerOffDialog;
class ScriptRunner;
class ControlPages;
struct ScriptReport;
class Session;
class SystemSettingsDialog;
class TrafficWindow;
class WallGrid;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // `program` is the executable's full path (for the autostart entry).
  MainWindow(Session& session, QString program, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The last step of the start: open the wall port, and each matrix port
  // whose port number is not 0, by the port-opening procedure.
  void openPorts();

  // SetLanguage: 0 Chinese, anything else English; stores Language.
  void setLanguage(int language);
  // Applies a SetBoard view to this window and the dialogs.
  void applyBoard(const BoardView& view);
  // Text after the caption in the title (demo mode says so there).
  void setTitleSuffix(const QString& suffix);

  Session& session() { return session_; }
  PortBank& ports() { return *ports_; }
  ScriptRunner& runner() { return *runner_; }
  TrafficWindow* trafficWindow() const { return traffic_; }
  SystemSettingsDialog* systemSettingsDialog() const { return form9_; }
  PortDialog* portDialog() const { return form27_; }
  PowerOffDialog* powerOffDialog() const { return form2_; }
  WallGrid* grid() const { return grid_; }
  ControlPages* controlPages() const { return controlPages_; }
  MatrixDialogs* matrixDialogs() const { return matrix_; }

 public slots:
  void powerOn();             // N30Click
  void powerOff();            // N31Click: asks first
  void openSystemSettings();  // N8Click
  void openPortDialog();      // N7Click
  void openTrafficWindow();   // N19Click
  void tick();                // Timer1, every 100 ms
  void refreshStatus();       // status-bar panels 0 to 3

 signals:
  // A power script ended (completed or cancelled).
  void powerScriptFinished(bool completed);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void buildMenus();
  void buildPages();
  void buildSidePanel();
  void buildCalendar();
  void buildStatusBar();
  void retranslate();
  void retranslatePages();
  void layoutCentral();
  void firstActivation();
  void pageChanged(int index);
  void refillPlans();
  void applyEffect(const ControlEffect& effect);
  void runPowerScript(const Script& script, bool sequenced);
  void scriptFinished(const ScriptReport& report);
  QAction* action(QMenu* menu, const char* name);

  Session& session_;
  QString program_;
  QString titleSuffix_;
  std::unique_ptr<PortBank> ports_;
  std::unique_ptr<ScriptRunner> runner_;
  std::unique_ptr<SystemSettingsModel> systemModel_;
  QTranslator translator_;
  bool activated_ = false;

  WallGrid* grid_ = nullptr;
  QTabWidget* pages_ = nullptr;
  QWidget* side_ = nullptr;
  QListWidget* plans_ = nullptr;
  QFrame* calendar_ = nullptr;
  QLabel* day_ = nullptr;
  QLabel* month_ = nullptr;
  QLabel* status_[6] = {};
  QWidget* progressBox_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QTimer* timer_ = nullptr;
  QMenu* gridMenu_ = nullptr;
  QMenu* planMenu_ = nullptr;
  QMenu* pageMenu_ = nullptr;

  TrafficWindow* traffic_ = nullptr;
  ControlPages* controlPages_ = nullptr;
  SystemSettingsDialog* form9_ = nullptr;
  PortDialog* form27_ = nullptr;
  PowerOffDialog* form2_ = nullptr;
  MatrixDialogs* matrix_ = nullptr;
  QMessageBox* powerDone_ = nullptr;
  quint64 powerScript_ = 0;
  bool powerSequenced_ = false;
};

}  // namespace wall
