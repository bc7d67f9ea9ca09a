// Wall power and the traffic window, at the far end of a pseudo-terminal
// configured as the wall port.

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QRegularExpression>
#include <QTest>

#include "gui/app/power_off_dialog.h"
#include "gui/link/traffic_window.h"
#include "gui_fixture.h"
#include "gui_tests.h"

namespace wall::test {

void PowerTest::powerOnOneFrame() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty));
  Program p(dir.file("Setting.ini"));
  pty.readFor(50);
  p.session->setSelection(Selection{0, 0, 1, 1});
  p.window->findChild<QAction*>("N30")->trigger();
  QCOMPARE(hex(pty.readBytes(7, 2000)), QStringLiteral("FB B0 11 22 10 01 AE"));
  QVERIFY(!p.window->findChild<QMessageBox*>("powerOnDone")->isVisible());
}

void PowerTest::powerOnUnitByUnitWithProgressAndMessage() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty) + "[SETTING]\nPowerDelayTime10Ms=10\nCmdForm=2\n");
  Program p(dir.file("Setting.ini"));
  pty.readFor(50);
  p.session->setSelection(Selection{0, 0, 1, 1});
  QSignalSpy done(p.window.get(), &MainWindow::powerScriptFinished);
  QElapsedTimer clock;
  clock.start();
  p.window->findChild<QAction*>("N30")->trigger();
  QVERIFY(waitFor([&] { return p.window->findChild<QWidget*>("powerProgressBox")->isVisible(); }, 1000));
  QByteArray got = pty.readBytes(36, 3000);
  QVERIFY(waitFor([&] { return done.count() == 1; }, 3000));
  // Four units, 100 ms after each: at least 400 ms from start to end.
  QVERIFY2(clock.elapsed() >= 390, qPrintable(QString::number(clock.elapsed())));
  QCOMPARE(hex(got), QStringLiteral("FB B0 01 01 01 01 10 01 AE FB B0 01 02 01 02 10 01 AE "
                                    "FB B0 02 01 02 01 10 01 AE FB B0 02 02 02 02 10 01 AE"));
  QCOMPARE(done.at(0).at(0).toBool(), true);
  auto* message = p.window->findChild<QMessageBox*>("powerOnDone");
  QVERIFY(message->isVisible());
  QCOMPARE(message->text(), QStringLiteral("完成开机!"));
  QCOMPARE(message->windowTitle(), QStringLiteral("信息提示框"));
  QVERIFY(!p.window->findChild<QWidget*>("powerProgressBox")->isVisible());
}

void PowerTest::powerOnCanBeCancelled() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty) + "[SETTING]\nPowerDelayTime10Ms=100\n");
  Program p(dir.file("Setting.ini"));
  pty.readFor(50);
  p.session->setSelection(Selection{0, 0, 2, 2});
  QSignalSpy done(p.window.get(), &MainWindow::powerScriptFinished);
  p.window->findChild<QAction*>("N30")->trigger();
  QCOMPARE(hex(pty.readBytes(7, 2000)), QStringLiteral("FB B0 11 11 10 01 AE"));
  p.window->findChild<QPushButton*>("powerCancel")->click();
  QVERIFY(waitFor([&] { return done.count() == 1; }, 2000));
  QCOMPARE(done.at(0).at(0).toBool(), false);
  QVERIFY(pty.readFor(1200).isEmpty());  // nothing after the cancel
  QVERIFY(!p.window->findChild<QMessageBox*>("powerOnDone")->isVisible());
}

void PowerTest::powerOffAsksFirst() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty) + "[SETTING]\nCmdForm=1\n");
  Program p(dir.file("Setting.ini"));
  pty.readFor(50);
  p.session->setSelection(Selection{0, 0, 1, 1});
  p.window->findChild<QAction*>("N31")->trigger();
  PowerOffDialog* form2 = p.window->powerOffDialog();
  QVERIFY(form2->isVisible());
  QVERIFY(pty.readFor(150).isEmpty());
  form2->findChild<QPushButton*>("BitBtn2")->click();  // Cancel
  QVERIFY(!form2->isVisible());
  QVERIFY(pty.readFor(150).isEmpty());
  p.window->findChild<QAction*>("N31")->trigger();
  form2->findChild<QPushButton*>("BitBtn1")->click();  // OK
  QVERIFY(!form2->isVisible());
  QCOMPARE(hex(pty.readBytes(8, 2000)), QStringLiteral("FB B0 11 22 10 00 00 AE"));
}

void PowerTest::startupPowerOnWhenBeganIsOn() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty) + "[SETTING]\nBegan=1\n");
  Program p(dir.file("Setting.ini"));
  QCOMPARE(hex(pty.readBytes(7, 2000)), QStringLiteral("FB B0 00 00 10 01 AE"));
}

void PowerTest::trafficWindowShowsWhatArrives() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty));
  Program p(dir.file("Setting.ini"));
  TrafficWindow* t = p.window->trafficWindow();
  auto* memo = t->findChild<QPlainTextEdit*>("Memo1");
  QCOMPARE(memo->toPlainText(), QStringLiteral("<Open>\n<Char>"));
  t->findChild<QAction*>("N3")->trigger();
  pty.write(QByteArray::fromHex("01AB"));
  QVERIFY(waitFor([&] { return memo->toPlainText().endsWith("01 AB "); }, 2000));
  t->findChild<QAction*>("N4")->trigger();
  pty.write("OK\r");
  QVERIFY(waitFor([&] { return memo->toPlainText().endsWith("OK."); }, 2000));
  t->setTimeStamps(true);
  pty.write("x");
  QVERIFY(waitFor([&] { return memo->toPlainText().split('\n').last().contains(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d\\.\\d{3}  x$")); }, 2000));
  t->findChild<QAction*>("N1")->trigger();  // 关闭
  QVERIFY(!memo->isEnabled());
  pty.write("late");
  pty.readFor(300);
  QVERIFY(memo->toPlainText().endsWith("<Close>"));
  TempDir out;
  QVERIFY(t->saveTo(out.file("traffic.txt")));
  QFile saved(out.file("traffic.txt"));
  QVERIFY(saved.open(QIODevice::ReadOnly));
  QVERIFY(QString::fromUtf8(saved.readAll()).contains("01 AB \n<Char>\nOK.\n"));
  t->findChild<QAction*>("N2")->trigger();
  QVERIFY(memo->toPlainText().isEmpty());
}

}  // namespace wall::test
