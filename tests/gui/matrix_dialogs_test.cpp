// The matrix dialogs in the running program: input control from the grid's
// pop-up menu (its script on the wall port, the units' sources), the matrix
// settings (pages, diagram, selectors, confirm) and roll polling with its
// timer.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "core/app/product_types.h"
#include "core/settings/settings_file.h"
#include "gui/matrix/input_control_dialog.h"
#include "gui/matrix/matrix_dialogs.h"
#include "gui/matrix/matrix_settings_dialog.h"
#include "gui/matrix/output_selector_dialog.h"
#include "gui/matrix/pip_matrix_panel.h"
#include "gui/matrix/roll_dialog.h"
#include "gui_fixture.h"
#include "gui_tests.h"

namespace wall::test {

void MatrixDialogsTest::inputControlSendsMatrixThenWall() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"),
            wallPortOn(pty) + "[SETTING]\nMatrixToScreenTime=200\n[Matrix]\nDVI_Company=33\nMatrix_DVI_DelayTime=0\n"
                              "[Unit14]\nsuiRadioGroup1=0\nComboBox3=2\n");
  Program p(dir.file("Setting.ini"));
  pty.readFor(50);
  p.session->setSelection(Selection{0, 0, 0, 1});
  QAction* n16 = child<QAction>(p.window.get(), "N16");
  QVERIFY(n16->isEnabled());
  n16->trigger();
  auto* form14 = p.window->matrixDialogs()->inputControl();
  QVERIFY(form14->isVisible());
  pick(child<QComboBox>(form14, "ComboBox18"), 5);  // Fennel "HDMI"
  QVERIFY(child<QComboBox>(form14, "ComboBox3")->isVisibleTo(form14));
  QVERIFY(child<QComboBox>(form14, "ComboBox3")->isEnabled());
  QVERIFY(!child<QComboBox>(form14, "ComboBox1")->isVisibleTo(form14));
  QCOMPARE(child<QComboBox>(form14, "ComboBox3")->currentText(), QStringLiteral("矩阵输入   3"));
  QCOMPARE(p.file->readInt("Unit14", "ComboBox18", -1), 5);

  QSignalSpy done(p.window->matrixDialogs(), &MatrixDialogs::switchFinished);
  QElapsedTimer clock;
  clock.start();
  child<QPushButton>(form14, "Button1")->click();
  // The click returns at once; the pause runs on the runner.
  QVERIFY2(clock.elapsed() < 150, qPrintable(QString::number(clock.elapsed())));
  QVERIFY(!form14->isVisible());
  const QByteArray got = pty.readBytes(19, 3000);
  QVERIFY(waitFor([&] { return done.count() == 1; }));
  QVERIFY2(clock.elapsed() >= 190, qPrintable(QString::number(clock.elapsed())));
  QCOMPARE(hex(got), QStringLiteral("FF 01 03 03 01 AA FF 01 03 03 02 AA FB B0 11 12 30 0F AE"));
  QCOMPARE(p.session->unitSource(0, 1), 11);
  QCOMPARE(p.file->readInt("Unit1", "Source0", -1), 11);
  QCOMPARE(p.session->matrices().inputs(MatrixKind::DVI)[1], 3);
  QCOMPARE(p.session->unitLabel(0, 0), std::string("1:1  HDMI"));
}

void MatrixDialogsTest::inputControlWithoutMatrixAndMirroredBox() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty) + "[SETTING]\nMatrixToScreenTime=0\n[Unit14]\nNoWallMode=1\n"
                                                       "[Unit1]\nsuiCheckBox1=1\n");
  Program p(dir.file("Setting.ini"));
  pty.readFor(50);
  MatrixDialogs* m = p.window->matrixDialogs();
  m->openInputControl();
  auto* form14 = m->inputControl();
  pick(child<QComboBox>(form14, "ComboBox18"), 2);  // "SVIDEO": no matrix
  for (const char* list : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "matrixInputLabel"}) {
    QVERIFY2(!child<QWidget>(form14, list)->isVisibleTo(form14), list);
  }
  QVERIFY(child<QCheckBox>(form14, "noWallModeBox")->isChecked());
  // "使用矩阵" is stored and mirrored into the pop-window box.
  child<QCheckBox>(form14, "matrixUseBox")->click();
  QCOMPARE(p.file->readInt("Matrix", "Matrix_Use", -1), 0);
  QVERIFY(!child<QCheckBox>(m->pipPanel(), "suiCheckBox1")->isChecked());
  QCOMPARE(p.file->readInt("Unit1", "suiCheckBox1", -1), 0);
  child<QPushButton>(form14, "Button1")->click();
  QCOMPARE(hex(pty.readBytes(7, 2000)), QStringLiteral("FB B0 11 11 31 09 AE"));
}

void MatrixDialogsTest::matrixSettingsPagesDiagramAndConfirm() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"), wallPortOn(pty) + "[SETTING]\nRow=2\nCol=2\n");
  Program p(dir.file("Setting.ini"));
  // "矩阵设置" is hidden as designed until the advanced-features login
  // shows it; shown, it opens the dialog.
  QAction* n9 = child<QAction>(p.window.get(), "N9");
  QVERIFY(!n9->isVisible());
  QVERIFY(!child<QAction>(p.window.get(), "N63")->isVisible());
  MatrixSettingsDialog* form10 = p.window->matrixDialogs()->matrixSettings();
  n9->setVisible(true);
  n9->trigger();
  QVERIFY(form10->isVisible());
  auto* pages = child<QTabWidget>(form10, "matrixPages");
  QCOMPARE(pages->currentIndex(), 2);  // the DVI page, as designed

  // Every page is editable: AV "MAINVAN", VGA "ITRON2" with its letters.
  pages->setCurrentIndex(0);
  pick(child<QComboBox>(form10, "AV_Company"), 5);
  auto* vgaCompany = child<QComboBox>(form10, "VGA_Company");
  pick(vgaCompany, 77);
  auto* vgaId = child<QComboBox>(form10, "VGA_ID");
  QCOMPARE(vgaId->currentText(), QStringLiteral("*"));
  QCOMPARE(vgaId->count(), 27);
  pick(vgaCompany, 3);
  QCOMPARE(vgaId->currentText(), QStringLiteral("1"));

  // The diagram of the VGA page: cancel all, then one cell by the selector.
  pages->setCurrentIndex(1);
  auto* diagram = child<QTableWidget>(form10, "outputDiagram");
  child<QPushButton>(form10, "cancelAllButton")->click();
  QCOMPARE(diagram->item(1, 1)->text(), QStringLiteral("0"));
  form10->editCell(1, 0, false);
  OutputSelectorDialog* selector = form10->selector();
  QVERIFY(selector->isVisible());
  auto* list = child<QComboBox>(selector, "outputList1");
  QCOMPARE(list->count(), 1001);
  QCOMPARE(list->itemText(7), QStringLiteral("矩阵输出7"));
  list->setCurrentIndex(7);
  child<QPushButton>(selector, "okButton")->click();
  QCOMPARE(diagram->item(1, 0)->text(), QStringLiteral("7"));
  QVERIFY(!p.file->hasKey("Matrix", "Matrix_VGA_OutputStr2"));  // nothing before confirm

  child<QPushButton>(form10, "confirmButton")->click();
  SettingsFile again(dir.file("Setting.ini").toStdString());
  QCOMPARE(again.readInt("Matrix", "AV_Company", -1), 5);
  QCOMPARE(again.readInt("Matrix", "VGA_Company", -1), 3);
  QCOMPARE(again.readInt("Matrix", "Matrix_VGA_OutputStr2", -1), 7);
  QCOMPARE(again.readInt("Matrix", "Matrix_VGA_OutputStr0", -1), 0);
  QCOMPARE(p.session->matrices().map(MatrixKind::VGA)[2], 7);
  QCOMPARE(p.session->matrices().of(MatrixKind::AV).company, 5);
  // "MAINVAN" shows the camera and roll-polling entries.
  QVERIFY(child<QAction>(p.window.get(), "N63")->isVisible());
  QVERIFY(child<QAction>(p.window.get(), "N26")->isVisible());
  // The pop-window lists follow: the VGA list now shows (VGA in use).
  auto* pip = p.window->matrixDialogs()->pipPanel();
  QVERIFY(child<QWidget>(pip, "Panel30")->isVisibleTo(pip));
}

void MatrixDialogsTest::rollPollingRunsFromStartAndStops() {
  TempDir dir;
  Pty pty;
  writeFile(dir.file("Setting.ini"),
            wallPortOn(pty) + "[MatrixRoll]\nOnOff=1\nGroupCount=1\nspTime=1\n[MatrixRoll0]\nEnable=1\nCount=1\n"
                              "SubRoll_En0=1\nSubRoll_Name0=1\nSubRoll_In0=1\nSubRoll_Out0=2\n");
  Program p(dir.file("Setting.ini"));
  RollDialog* form35 = p.window->matrixDialogs()->roll();
  // Started at program start, without the dialog being opened.
  QVERIFY(!form35->isVisible());
  QVERIFY(form35->timer()->isActive());
  QCOMPARE(QString::fromLatin1(pty.readBytes(4, 2500)), QStringLiteral("1*2%"));

  form35->openDialog(0);
  QVERIFY(!child<QWidget>(form35, "customGroup")->isEnabled());
  auto* interval = child<QLineEdit>(form35, "intervalEdit");
  interval->clear();
  QTest::keyClicks(interval, "0");
  QCOMPARE(interval->text(), QStringLiteral("1"));
  interval->clear();
  QTest::keyClicks(interval, "5000");
  QCOMPARE(interval->text(), QStringLiteral("3600"));
  QCOMPARE(form35->model().intervalField, 3600);
  QVERIFY(form35->beeps() >= 2);

  child<QCheckBox>(form35, "startBox")->click();
  QVERIFY(!form35->timer()->isActive());
  QVERIFY(child<QWidget>(form35, "customGroup")->isEnabled());
  form35->hide();  // closing saves the configuration
  SettingsFile saved(dir.file("Setting.ini").toStdString());
  QCOMPARE(saved.readInt("MatrixRoll", "spTime", -1), 3600);
  p.window->close();
  SettingsFile closed(dir.file("Setting.ini").toStdString());
  QCOMPARE(closed.readBool("MatrixRoll", "OnOff", true), false);
}

// The pop-window lists share the picture-in-picture page with the page's
// own controls: on every board, with a matrix in use, nothing may lie under
// them.
void MatrixDialogsTest::pipListsLeaveThePageControlsFree() {
  for (const ProductMenuEntry& product : kProductMenu) {
    TempDir dir;
    writeFile(dir.file("Setting.ini"), QStringLiteral("[System]\nBoardSel=%1\n[Matrix]\nVGA_Company=3\n"
                                                      "[Unit1]\nsuiCheckBox1=1\nsuiComboBox1=0\n")
                                           .arg(product.productType));
    Program p(dir.file("Setting.ini"), false);
    QWidget* lists = p.window->matrixDialogs()->pipPanel();
    QWidget* page = lists->parentWidget();
    QCOMPARE(page->objectName(), QStringLiteral("Panel52"));
    const QRect taken = lists->geometry();
    for (QWidget* other : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (other == lists || other->isHidden()) continue;
      QVERIFY2(!other->geometry().intersects(taken),
               qPrintable(QStringLiteral("%1 under the pop-window lists on %2")
                              .arg(other->objectName(), QString::fromUtf8(product.caption.data(), product.caption.size()))));
    }
    // And the page is wide enough to scroll to them.
    QVERIFY(page->minimumWidth() > taken.right());
  }
}

}  // namespace wall::test
