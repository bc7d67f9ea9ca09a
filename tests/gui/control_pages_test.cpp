// The control-panel pages: clicks and list changes → the bytes at the wall
// port, the value fields, and read-back into the controls.

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "gui/link/control_pages.h"
#include "gui_fixture.h"
#include "gui_tests.h"

namespace wall::test {

void ControlPagesTest::choiceSendsAtOnceOnlyWithReadBackOff() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty) + "[SETTING]\nbReadEn=0\n[System]\nBoardSel=6\n");
  Program p(dir.file("Setting.ini"));
  MainWindow& w = *p.window;
  w.show();
  pick(child<QComboBox>(&w, "suiComboBox8"), 1);
  QCOMPARE(hex(pty.readBytes(7, 2000)), QStringLiteral("FB B0 11 11 9A 01 AE"));
  QVERIFY(child<QPushButton>(&w, "Button1")->isHidden());
  QVERIFY(child<QScrollBar>(&w, "suiScrollBar1")->isHidden());

  p.session->setReadEn(true);
  p.session->setBoard();
  QVERIFY(!child<QScrollBar>(&w, "suiScrollBar1")->isHidden());
  QVERIFY(!child<QPushButton>(&w, "Button1")->isHidden());
  pick(child<QComboBox>(&w, "suiComboBox8"), 1);
  QCOMPARE(pty.readFor(200), QByteArray());
  QTest::mouseClick(child<QPushButton>(&w, "suiButton96"), Qt::LeftButton);
  QCOMPARE(hex(pty.readBytes(7, 2000)), QStringLiteral("FB B1 11 11 9A 01 AE"));
}

void ControlPagesTest::buttonsSendTheirFrames() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty) + "[System]\nBoardSel=4\n");
  Program p(dir.file("Setting.ini"));
  MainWindow& w = *p.window;
  w.show();
  for (int i = 0; i < 3; ++i) QTest::mouseClick(child<QPushButton>(&w, "BitBtn9"), Qt::LeftButton);
  QTest::mouseClick(child<QPushButton>(&w, "btn1"), Qt::LeftButton);
  // Elder: the freeze button counts its clicks.
  QCOMPARE(hex(pty.readBytes(4 * 7, 2000)),
           QStringLiteral("FB B1 11 11 B2 00 AE FB B1 11 11 B2 01 AE FB B1 11 11 B2 00 AE FB B1 11 11 B1 0F AE"));
}

void ControlPagesTest::valueFieldsClampAndSendNothing() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty) + "[SETTING]\nbReadEn=1\n");
  Program p(dir.file("Setting.ini"));
  MainWindow& w = *p.window;
  w.show();
  auto* edit = child<QLineEdit>(&w, "suiEdit1");
  auto* bar = child<QScrollBar>(&w, "suiScrollBar1");
  edit->clear();
  QTest::keyClicks(edit, "150");
  QCOMPARE(edit->text(), QStringLiteral("100"));
  QCOMPARE(bar->value(), 100);
  edit->clear();
  QTest::keyClicks(edit, "4a2");
  QCOMPARE(edit->text(), QStringLiteral("42"));
  QCOMPARE(bar->value(), 42);
  QCOMPARE(pty.readFor(200), QByteArray());
}

void ControlPagesTest::rawSenderSendsAndRefusesEmpty() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty));
  Program p(dir.file("Setting.ini"));
  MainWindow& w = *p.window;
  w.show();
  auto* list = child<QComboBox>(&w, "ComboBox1");
  list->setEditText(QStringLiteral("f5 b0 11 ff 40 01 ae"));
  QTest::mouseClick(child<QPushButton>(&w, "BitBtn61"), Qt::LeftButton);
  QCOMPARE(hex(pty.readBytes(7, 2000)), QStringLiteral("F5 B0 11 FF 40 01 AE"));
  QCOMPARE(list->count(), 2);
  list->setEditText(QStringLiteral("zz"));
  QTest::mouseClick(child<QPushButton>(&w, "BitBtn61"), Qt::LeftButton);
  QVERIFY(waitFor([&] { return w.findChild<QMessageBox*>("rawSenderMessage") != nullptr; }));
  QCOMPARE(w.findChild<QMessageBox*>("rawSenderMessage")->text(), QStringLiteral("命令不能为空!"));
}

void ControlPagesTest::readButtonFillsTheGroup() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty) + "[SETTING]\nbReadEn=1\nCmdDelayTime10Ms=50\n");
  Program p(dir.file("Setting.ini"));
  MainWindow& w = *p.window;
  w.show();
  QTest::mouseClick(child<QPushButton>(&w, "suiButton15"), Qt::LeftButton);
  QCOMPARE(hex(pty.readBytes(7, 2000)), QStringLiteral("FB B2 11 11 41 01 AE"));
  pty.write(QByteArray::fromHex("114132AE"));
  QVERIFY(waitFor([&] { return child<QScrollBar>(&w, "suiScrollBar1")->value() == 50; }));
  QCOMPARE(child<QLineEdit>(&w, "suiEdit1")->text(), QStringLiteral("50"));
  QVERIFY(waitFor([&] { return !w.controlPages()->reading(); }));
  QCOMPARE(child<QLabel>(&w, "StatusPanel3")->text(), QStringLiteral("读取状态: 成功"));
}

void ControlPagesTest::readSourcesStopsWithTheMessage() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty) + "[SETTING]\nbReadEn=1\nCmdDelayTime10Ms=30\nLanguage=1\n");
  Program p(dir.file("Setting.ini"));
  MainWindow& w = *p.window;
  w.show();
  p.session->setSelection(Selection{0, 0, 1, 1});
  w.controlPages()->readSources();
  QCOMPARE(hex(pty.readBytes(7, 2000)), QStringLiteral("FB B2 11 11 30 01 AE"));
  pty.write(QByteArray::fromHex("11300FAE"));  // HDMI
  QTest::mouseClick(child<QPushButton>(&w, "suiButton97"), Qt::LeftButton);
  QVERIFY(waitFor([&] { return w.findChild<QMessageBox*>("readMessage") != nullptr; }, 5000));
  QCOMPARE(w.findChild<QMessageBox*>("readMessage")->text(), QStringLiteral("You terminated the read!"));
  QCOMPARE(p.session->unitSource(0, 0), 11);
  QCOMPARE(pty.readFor(300), QByteArray());  // no request for the next unit
}

}  // namespace wall::test
