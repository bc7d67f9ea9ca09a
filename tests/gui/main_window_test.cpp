// The main window: a start with no settings file, the grid, the product
// types, the language, closing.

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QCheckBox>
#include <QTabWidget>
#include <QTest>
#include <csignal>

#include "gui/app/power_off_dialog.h"
#include "gui/app/system_settings_dialog.h"
#include "gui/app/wall_grid.h"
#include "io/port_bank.h"
#include "gui_fixture.h"
#include "gui_tests.h"

namespace wall::test {

namespace {

QString statusText(MainWindow& w, int panel) {
  return w.findChild<QLabel*>(QString("StatusPanel%1").arg(panel))->text();
}

bool tabVisible(MainWindow& w, const char* name) {
  auto* tabs = w.findChild<QTabWidget*>("PageControl1");
  return tabs->isTabVisible(tabs->indexOf(tabs->findChild<QWidget*>(name)));
}

QString label(MainWindow& w, int row, int column) {
  auto* model = w.grid()->model();
  return model->data(model->index(row, column)).toString();
}

}  // namespace

void MainWindowTest::startsWithNoSettingsFile() {
  TempDir dir;
  ModalWatcher watcher;  // whatever /dev/ttyS0 does on this machine
  Program p(dir.file("Setting.ini"));
  MainWindow& w = *p.window;
  QVERIFY(QFile::exists(dir.file("Setting.ini")));
  QCOMPARE(w.grid()->model()->rowCount(), 3);
  QCOMPARE(w.grid()->model()->columnCount(), 3);
  QCOMPARE(p.session->language(), 0);
  QCOMPARE(p.session->values().cmdForm, 0);
  QCOMPARE(p.session->values().boardSel, 6);
  QCOMPARE(w.windowTitle(), QStringLiteral("液晶幕墙系统软件"));
  QCOMPARE(w.findChild<QMenu*>("N1")->title(), QStringLiteral("系统"));
  QCOMPARE(statusText(w, 0), QStringLiteral("串口: COM1"));
  QCOMPARE(statusText(w, 1), QStringLiteral("波特率: 9600"));
  const PortSettings wallPort = w.ports().port(1).settings();
  QCOMPARE(wallPort.byteSize, 8);
  QCOMPARE(wallPort.parity, 0);
  QCOMPARE(wallPort.stopBits, 0);
  QCOMPARE(wallPort.flowControl, 0);
  for (int d = 2; d <= 5; ++d) QVERIFY(!w.ports().port(d).isOpen());
  // Ten pages; only the picture-in-picture page and the adjustment page show.
  auto* tabs = w.findChild<QTabWidget*>("PageControl1");
  QCOMPARE(tabs->count(), 10);
  QVERIFY(tabVisible(w, "TabSheet3"));
  QVERIFY(tabVisible(w, "TabSheet9"));
  QVERIFY(!tabVisible(w, "TabSheet1"));
  QVERIFY(!tabVisible(w, "suiTabSheet1"));
  QCOMPARE(w.findChild<QListWidget*>("ListBox1")->count(), 48);
  QCOMPARE(w.findChild<QListWidget*>("ListBox1")->item(4)->text(), QStringLiteral("模式5"));
  QVERIFY(w.findChild<QAction*>("N17")->isChecked());
  QVERIFY(!w.findChild<QAction*>("N8")->isVisible());  // shown by the login
}

void MainWindowTest::wallPortFailureOffersTheSettingsDialog() {
  TempDir dir;
  writeFile(dir.file("Setting.ini"), "[YbCommDevice1 Com Set]\nDevice=/dev/no-such-wall-port\n");
  ModalWatcher watcher;
  Program p(dir.file("Setting.ini"));
  QCOMPARE(watcher.seen.size(), 2);
  QVERIFY2(watcher.seen[0].startsWith("portOpenMessage: ") && watcher.seen[0].contains("/dev/no-such-wall-port"),
           qPrintable(watcher.seen[0]));
  QVERIFY(watcher.seen[1].startsWith("PortSettingsDialog"));
  QCOMPARE(statusText(*p.window, 2), QStringLiteral("串口状态: 打开失败"));
  QVERIFY(p.window->isVisible());
  // Cancelled: nothing written.
  QVERIFY(!p.file->hasKey("YbCommDevice1 Com Set", "Baud"));
}

void MainWindowTest::settingsDialogChoiceIsSavedWhenThePortOpens() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), "[YbCommDevice1 Com Set]\nDevice=/dev/no-such-wall-port\n");
  bool answered = false;
  ModalWatcher watcher([&](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      box->accept();
      return;
    }
    auto* path = modal->findChild<QComboBox*>("portPath");
    auto* baud = modal->findChild<QComboBox*>("baudRate");
    if (!answered) {
      answered = true;
      path->setCurrentText(pty.slavePath());
      baud->setCurrentIndex(12);  // 115200
      modal->findChild<QPushButton*>("portOk")->click();
    }
  });
  Program p(dir.file("Setting.ini"));
  QVERIFY(p.window->ports().port(1).isOpen());
  SettingsFile again(dir.file("Setting.ini").toStdString());
  QCOMPARE(again.readInt("YbCommDevice1 Com Set", "Baud", -1), 12);
  QCOMPARE(QString::fromStdString(again.readString("YbCommDevice1 Com Set", "Device", "")), pty.slavePath());
  QCOMPARE(statusText(*p.window, 2), QStringLiteral("串口状态: 打开"));
  QCOMPARE(statusText(*p.window, 1), QStringLiteral("波特率: 115200"));
}

void MainWindowTest::labelsFollowTheProductType() {
  TempDir dir;
  Pty pty;
  QString text = wallPortOn(pty) + "[Unit1]\n";
  for (int i = 0; i < 9; ++i) text += QString("Source%1=%2\n").arg(i).arg(i == 4 ? 99 : 11);
  writeFile(dir.file("Setting.ini"), text);
  Program p(dir.file("Setting.ini"));
  MainWindow& w = *p.window;
  QCOMPARE(label(w, 0, 0), QStringLiteral("1:1  HDMI"));
  QCOMPARE(label(w, 2, 2), QStringLiteral("3:3  HDMI"));
  QCOMPARE(label(w, 1, 1), QStringLiteral("2:2  99"));
  p.session->chooseProduct(2);
  QCOMPARE(label(w, 1, 2), QStringLiteral("2:3  DP"));
  p.session->chooseProduct(7);
  QCOMPARE(label(w, 1, 2), QStringLiteral("2:3  "));
  auto* model = w.grid()->model();
  QCOMPARE(model->data(model->index(1, 2), Qt::ToolTipRole).toString(), QStringLiteral("2:3"));
}

void MainWindowTest::layoutGivesTheDesignCells() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty));
  Program p(dir.file("Setting.ini"));
  MainWindow& w = *p.window;
  w.resize(856, 611);
  QVERIFY(waitFor([&] { return w.grid()->width() == 766; }));
  QCOMPARE(w.grid()->width(), 766);
  QCOMPARE(w.grid()->height(), 339);
  QCOMPARE(w.grid()->horizontalHeader()->defaultSectionSize(), 254);
  QCOMPARE(w.grid()->verticalHeader()->defaultSectionSize(), 111);
  QCOMPARE(w.grid()->columnWidth(2), 254);
  QCOMPARE(w.grid()->rowHeight(2), 111);
}

void MainWindowTest::rangeSelectionIsTheSession() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty));
  Program p(dir.file("Setting.ini"));
  WallGrid* grid = p.window->grid();
  const QRect a = grid->visualRect(grid->model()->index(0, 1));
  const QRect b = grid->visualRect(grid->model()->index(2, 2));
  QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, a.center());
  QTest::mouseMove(grid->viewport(), b.center());
  QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, b.center());
  QCOMPARE(p.session->selection(), (Selection{0, 1, 2, 2}));
}

void MainWindowTest::dahliaCascadeSwitchesReadBackOff() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty) + "[SETTING]\nbReadEn=1\n");
  Program p(dir.file("Setting.ini"));
  MainWindow& w = *p.window;
  w.openSystemSettings();
  auto* box = w.systemSettingsDialog()->findChild<QCheckBox*>("suiCheckBox3");
  QVERIFY(box->isChecked());
  QVERIFY(box->isEnabled());
  QCOMPARE(statusText(w, 3), QStringLiteral("读取状态: "));
  w.findChild<QAction*>("Dahlia1")->trigger();
  QVERIFY(w.findChild<QAction*>("Dahlia1")->isChecked());
  QVERIFY(!w.findChild<QAction*>("N50")->isChecked());
  QVERIFY(!box->isChecked());
  QVERIFY(!box->isEnabled());
  QVERIFY(!tabVisible(w, "TabSheet3"));
  QVERIFY(tabVisible(w, "suiTabSheet1"));
  QVERIFY(w.findChild<QGroupBox*>("GroupBox4")->isHidden());
  QVERIFY(!w.findChild<QGroupBox*>("Panel42")->isEnabled());
  QCOMPARE(w.findChild<QListWidget*>("ListBox1")->count(), 16);
  QVERIFY(!w.findChild<QAction*>("N55")->isVisible());
  QCOMPARE(statusText(w, 3), QString());
  SettingsFile again(dir.file("Setting.ini").toStdString());
  QCOMPARE(again.readInt("SETTING", "bReadEn", -1), 0);
  QCOMPARE(again.readInt("System", "BoardSel", -1), 3);
  // Twice in a row leaves the window the same.
  w.findChild<QAction*>("Dahlia1")->trigger();
  QVERIFY(!tabVisible(w, "TabSheet3"));
  QVERIFY(!box->isChecked());
  // Back on Aster: the box is enabled again but stays cleared.
  w.findChild<QAction*>("N50")->trigger();
  QVERIFY(box->isEnabled());
  QVERIFY(!box->isChecked());
  QVERIFY(tabVisible(w, "TabSheet3"));
  QVERIFY(!w.findChild<QGroupBox*>("GroupBox4")->isHidden());
  QCOMPARE(w.findChild<QListWidget*>("ListBox1")->count(), 48);
}

void MainWindowTest::larchMovesThePipGroups() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty) + "[System]\nBoardSel=12\n");
  Program p(dir.file("Setting.ini"));
  MainWindow& w = *p.window;
  QCOMPARE(w.findChild<QWidget*>("Panel15")->y(), 8);
  QVERIFY(!w.findChild<QWidget*>("Panel33")->isHidden());
  QVERIFY(w.findChild<QWidget*>("Panel12")->isHidden());
  QVERIFY(!w.findChild<QPushButton*>("suiButton98")->isEnabled());
  p.session->chooseProduct(0);
  QCOMPARE(w.findChild<QWidget*>("Panel15")->y(), 32);
  QVERIFY(w.findChild<QWidget*>("Panel33")->isHidden());
  QVERIFY(w.findChild<QPushButton*>("suiButton72")->isEnabled());
}

void MainWindowTest::languageSwitchSurvivesARestart() {
  TempDir dir;
  writeFile(dir.file("Setting.ini"),
            "[YbCommDevice1 Com Set]\nDevice=/dev/no-such-wall-port\n[Wall]\nWall_Mode1=会议\n");
  {
    ModalWatcher watcher;
    Program p(dir.file("Setting.ini"));
    MainWindow& w = *p.window;
    w.findChild<QAction*>("N18")->trigger();
    QCOMPARE(w.findChild<QMenu*>("N1")->title(), QStringLiteral("System"));
    QCOMPARE(w.findChild<QAction*>("N30")->text(), QStringLiteral("WallPower"));
    QCOMPARE(w.windowTitle(), QStringLiteral(" LCD Wall Control"));
    QCOMPARE(statusText(w, 2), QStringLiteral("Com Satus: failure"));
    QCOMPARE(statusText(w, 0), QStringLiteral("Serial: /dev/no-such-wall-port"));
    auto* tabs = w.findChild<QTabWidget*>("PageControl1");
    QCOMPARE(tabs->tabText(3), QStringLiteral("System"));
    QCOMPARE(tabs->tabText(9), QStringLiteral("Else Ctrl"));
    auto* plans = w.findChild<QListWidget*>("ListBox1");
    QCOMPARE(plans->item(4)->text(), QStringLiteral("Mode5"));
    QCOMPARE(plans->item(1)->text(), QStringLiteral("会议"));
    QCOMPARE(w.powerOffDialog()->windowTitle(), QStringLiteral("Shutdown"));
    QCOMPARE(w.systemSettingsDialog()->windowTitle(), QStringLiteral("Options"));
    QVERIFY(w.findChild<QAction*>("N18")->isChecked());
    QVERIFY(!w.findChild<QAction*>("N17")->isChecked());
  }
  {
    ModalWatcher watcher;
    Program p(dir.file("Setting.ini"));
    QCOMPARE(p.window->findChild<QMenu*>("N25")->title(), QStringLiteral("Set"));
    QCOMPARE(p.window->findChild<QListWidget*>("ListBox1")->item(4)->text(), QStringLiteral("Mode5"));
    p.window->findChild<QAction*>("N17")->trigger();
    QCOMPARE(p.window->findChild<QMenu*>("N25")->title(), QStringLiteral("设置"));
    QCOMPARE(p.window->findChild<QListWidget*>("ListBox1")->item(4)->text(), QStringLiteral("模式5"));
  }
}

void MainWindowTest::closeSavesTheTwoValues() {
  TempDir dir;
  Pty pty;
  // OnOff stays on only while polling runs: one enabled group lets it start.
  writeFile(dir.file("Setting.ini"),
            wallPortOn(pty) + "[WallPopList]\nListLeng=2\n[MatrixRoll]\nOnOff=1\n[MatrixRoll0]\nEnable=1\n");
  Program p(dir.file("Setting.ini"));
  QFile::remove(dir.file("Setting.ini"));  // an operator deleted it: the close creates it again
  p.window->close();
  SettingsFile again(dir.file("Setting.ini").toStdString());
  QCOMPARE(again.readInt("WallPopList", "ListLeng", -1), 2);
  QVERIFY(again.readBool("MatrixRoll", "OnOff", false));
}

void MainWindowTest::sigtermClosesLikeTheCloseButton() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty) + "[WallPopList]\nListLeng=4\n");
  for (int signal : {SIGTERM, SIGINT}) {
    QFile::remove(dir.file("Setting.ini"));
    writeFile(dir.file("Setting.ini"), wallPortOn(pty) + "[WallPopList]\nListLeng=4\n");
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(WALLCONTROL_PATH), {"--settings", dir.file("Setting.ini")});
    QVERIFY(program.waitForStarted());
    // The start-up writes Language at the first activation.
    QVERIFY(waitFor(
        [&] {
          SettingsFile f(dir.file("Setting.ini").toStdString());
          return f.hasKey("SETTING", "Language");
        },
        10000));
    ::kill(static_cast<pid_t>(program.processId()), signal);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    SettingsFile again(dir.file("Setting.ini").toStdString());
    QCOMPARE(again.readInt("WallPopList", "ListLeng", -1), 4);
    QVERIFY(again.hasKey("MatrixRoll", "OnOff"));
  }
}

void MainWindowTest::sigtermDuringThePortQuestionEndsTheStart() {
  TempDir dir;
  writeFile(dir.file("Setting.ini"), "[YbCommDevice1 Com Set]\nDevice=/dev/no-such-wall-port\n");
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  program.setProcessEnvironment(env);
  program.start(QStringLiteral(WALLCONTROL_PATH), {"--settings", dir.file("Setting.ini")});
  QVERIFY(program.waitForStarted());
  QTest::qWait(1500);  // the message about the missing port is up, waiting for OK
  QCOMPARE(program.state(), QProcess::Running);
  ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
  QVERIFY(program.waitForFinished(10000));
  QCOMPARE(program.exitCode(), 0);
  SettingsFile again(dir.file("Setting.ini").toStdString());
  QVERIFY(again.hasKey("WallPopList", "ListLeng"));
}

}  // namespace wall::test
