// The system-settings dialog and the serial-port dialog.

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "gui/app/autostart.h"
#include "gui/app/system_settings_dialog.h"
#include "io/port_bank.h"
#include "gui/link/port_dialog.h"
#include "gui_fixture.h"
#include "gui_tests.h"

namespace wall::test {

void DialogsTest::numericFieldsFilterAndClamp() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty));
  Program p(dir.file("Setting.ini"));
  p.window->openSystemSettings();
  SystemSettingsDialog* d = p.window->systemSettingsDialog();
  auto* edit1 = child<QLineEdit>(d, "Edit1");
  edit1->clear();
  QTest::keyClicks(edit1, "12a3");
  QCOMPARE(edit1->text(), QStringLiteral("123"));
  QCOMPARE(d->beeps(), 1);  // the rejected 'a'
  auto* edit2 = child<QLineEdit>(d, "Edit2");
  edit2->clear();
  QTest::keyClicks(edit2, "99999");
  QCOMPARE(edit2->text(), QStringLiteral("10000"));
  QCOMPARE(d->beeps(), 2);  // one beep for the clamp
  // A paste bypasses the key filter; the change rule strips it.
  edit1->selectAll();
  edit1->insert("4x5-6");
  emit edit1->textEdited(edit1->text());
  QCOMPARE(edit1->text(), QStringLiteral("456"));
}

void DialogsTest::okSavesAndCancelKeepsMatrixToScreenTime() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty));
  Program p(dir.file("Setting.ini"));
  p.window->openSystemSettings();
  SystemSettingsDialog* d = p.window->systemSettingsDialog();
  auto* edit3 = child<QLineEdit>(d, "Edit3");
  QCOMPARE(edit3->text(), QStringLiteral("200"));
  edit3->clear();
  QTest::keyClicks(edit3, "350");
  auto* edit1 = child<QLineEdit>(d, "Edit1");
  edit1->clear();
  QTest::keyClicks(edit1, "40");
  child<QPushButton>(d, "BitBtn2")->click();  // Cancel
  QVERIFY(d->isHidden());
  QCOMPARE(p.session->values().matrixToScreenTime, 350);
  QCOMPARE(p.session->values().cmdDelayTime10Ms, 0);
  QVERIFY(!p.file->hasKey("SETTING", "MatrixToScreenTime"));

  p.window->openSystemSettings();
  QCOMPARE(edit1->text(), QStringLiteral("0"));
  QCOMPARE(edit3->text(), QStringLiteral("350"));
  edit1->clear();
  QTest::keyClicks(edit1, "25");
  child<QComboBox>(d, "suiComboBox1")->setCurrentIndex(2);
  child<QComboBox>(d, "suiComboBox2")->setCurrentIndex(1);
  child<QPushButton>(d, "BitBtn1")->click();  // OK
  SettingsFile again(dir.file("Setting.ini").toStdString());
  QCOMPARE(again.readInt("SETTING", "CmdDelayTime10Ms", -1), 25);
  QCOMPARE(again.readInt("SETTING", "MatrixToScreenTime", -1), 350);
  QCOMPARE(again.readInt("SETTING", "CmdForm", -1), 2);
  QCOMPARE(again.readInt("SETTING", "SwitchOrder", -1), 1);
  QCOMPARE(again.readInt("SETTING", "PowerDelayTime10Ms", -1), 0);
  QCOMPARE(p.session->values().cmdForm, 2);
}

void DialogsTest::checkBoxesSaveAtOnce() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty));
  Program p(dir.file("Setting.ini"));
  p.window->openSystemSettings();
  SystemSettingsDialog* d = p.window->systemSettingsDialog();
  QVERIFY(child<QCheckBox>(d, "suiCheckBox4")->isHidden());
  child<QCheckBox>(d, "suiCheckBox6")->click();
  child<QCheckBox>(d, "suiCheckBox2")->click();
  child<QCheckBox>(d, "suiCheckBox3")->click();
  SettingsFile again(dir.file("Setting.ini").toStdString());
  QVERIFY(again.readBool("SETTING", "Began", false));
  QCOMPARE(again.readInt("SETTING", "bLogin", -1), 1);
  QCOMPARE(again.readInt("SETTING", "bReadEn", -1), 1);
  // Read-back on: SetBoard ran and the read-back entries show.
  QVERIFY(p.window->findChild<QAction*>("N55")->isVisible());
}

void DialogsTest::autostartEntryFollowsTheBox() {
  TempDir dir;
  Pty pty;
  const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", dir.file("config").toUtf8());
  writeFile(dir.file("Setting.ini"), wallPortOn(pty));
  {
    Program p(dir.file("Setting.ini"));
    p.window->openSystemSettings();
    auto* box = child<QCheckBox>(p.window->systemSettingsDialog(), "suiCheckBox1");
    box->click();
    const QString entry = dir.file("config/autostart/wallcontrol.desktop");
    QCOMPARE(autostartEntryPath(), entry);
    QFile f(entry);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    QVERIFY(text.contains("[Desktop Entry]"));
    QVERIFY2(text.contains("Exec=\"/opt/wall control/wallcontrol\""), qPrintable(text));
    QCOMPARE(p.file->readInt("SETTING", "AutoPowerOn", -1), 1);
    box->click();
    QVERIFY(!QFile::exists(entry));
    QCOMPARE(p.file->readInt("SETTING", "AutoPowerOn", -1), 0);
  }
  if (oldConfig.isNull()) {
    qunsetenv("XDG_CONFIG_HOME");
  } else {
    qputenv("XDG_CONFIG_HOME", oldConfig);
  }
}

void DialogsTest::portDialogCascades() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"),
            wallPortOn(pty) +
                "[YbCommDevice]\nAVMatrixUseComOnly=1\n"
                "[YbCommDevice3 Com Set]\nPortNo=0\nDevice=/dev/no-such-port\n"
                "[YbCommDevice2 Com Set]\nPortNo=2\nDevice=/dev/no-such-port\n");
  ModalWatcher watcher;  // device 2 cannot open: its dialog is cancelled
  Program p(dir.file("Setting.ini"));
  p.window->ports().port(3).setSettings(withPortNo(p.window->ports().port(3).settings(), 3));
  p.window->ports().port(4).setSettings(withPortNo(p.window->ports().port(4).settings(), 4));
  p.window->openPortDialog();
  PortDialog* d = p.window->portDialog();
  // The first show ticks the AV box, whose rule zeroes devices 3, 4 and 5.
  QVERIFY(child<QCheckBox>(d, "CheckBox2")->isChecked());
  QVERIFY(child<QPushButton>(d, "BitBtn3")->isEnabled());
  QVERIFY(!child<QPushButton>(d, "BitBtn2")->isEnabled());
  QCOMPARE(p.window->ports().port(3).settings().portNo, 0);
  QCOMPARE(p.window->ports().port(4).settings().portNo, 0);
  QCOMPARE(p.window->ports().port(2).settings().portNo, 2);
  // The shared matrix port clears AV, and AV's rule closes device 2.
  child<QCheckBox>(d, "CheckBox1")->click();
  QVERIFY(!child<QCheckBox>(d, "CheckBox2")->isChecked());
  QVERIFY(child<QPushButton>(d, "BitBtn2")->isEnabled());
  QVERIFY(!child<QPushButton>(d, "BitBtn3")->isEnabled());
  QCOMPARE(p.window->ports().port(2).settings().portNo, 0);
  // The file is not touched before "保  存".
  QCOMPARE(p.file->readInt("YbCommDevice", "MatrixUseComOnly", -1), -1);
  // Cancel, then show again: the flags come back from the file.
  child<QPushButton>(d, "BitBtn5")->click();
  p.window->openPortDialog();
  QVERIFY(child<QCheckBox>(d, "CheckBox2")->isChecked());
  QVERIFY(!child<QCheckBox>(d, "CheckBox1")->isChecked());
}

void DialogsTest::portDialogSaveWritesFlagsAndPorts() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty) + "[YbCommDevice3 Com Set]\nPortNo=0\n");
  Program p(dir.file("Setting.ini"));
  p.window->ports().port(3).setSettings(withPortNo(p.window->ports().port(3).settings(), 3));
  p.window->ports().port(5).setSettings(withPortNo(p.window->ports().port(5).settings(), 5));
  p.window->openPortDialog();
  PortDialog* d = p.window->portDialog();
  child<QCheckBox>(d, "CheckBox1")->click();
  child<QPushButton>(d, "BitBtn6")->click();  // 保  存
  QVERIFY(d->isHidden());
  SettingsFile again(dir.file("Setting.ini").toStdString());
  QCOMPARE(again.readInt("YbCommDevice", "MatrixUseComOnly", -1), 1);
  QCOMPARE(again.readInt("YbCommDevice", "AVMatrixUseComOnly", -1), 0);
  QCOMPARE(again.readInt("YbCommDevice", "YUVMatrixUseComOnly", -1), 0);
  for (int dev : {3, 4, 5}) QCOMPARE(again.readInt(portSection(dev), "PortNo", -1), 0);
  QVERIFY(p.window->ports().port(1).isOpen());  // reopened (it was open: nothing to do)
}

}  // namespace wall::test
