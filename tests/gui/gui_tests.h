#pragma once
// The desktop test classes; main.cpp runs them all.

#include <QObject>

namespace wall::test {

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void startsWithNoSettingsFile();
  void wallPortFailureOffersTheSettingsDialog();
  void settingsDialogChoiceIsSavedWhenThePortOpens();
  void labelsFollowTheProductType();
  void layoutGivesTheDesignCells();
  void rangeSelectionIsTheSession();
  void dahliaCascadeSwitchesReadBackOff();
  void larchMovesThePipGroups();
  void languageSwitchSurvivesARestart();
  void closeSavesTheTwoValues();
  void sigtermClosesLikeTheCloseButton();
  void sigtermDuringThePortQuestionEndsTheStart();
};

class DialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void numericFieldsFilterAndClamp();
  void okSavesAndCancelKeepsMatrixToScreenTime();
  void checkBoxesSaveAtOnce();
  void autostartEntryFollowsTheBox();
  void portDialogCascades();
  void portDialogSaveWritesFlagsAndPorts();
};

class PowerTest : public QObject {
  Q_OBJECT
 private slots:
  void powerOnOneFrame();
  void powerOnUnitByUnitWithProgressAndMessage();
  void powerOnCanBeCancelled();
  void powerOffAsksFirst();
  void startupPowerOnWhenBeganIsOn();
  void trafficWindowShowsWhatArrives();
};

class ControlPagesTest : public QObject {
  Q_OBJECT
 private slots:
  void choiceSendsAtOnceOnlyWithReadBackOff();
  void buttonsSendTheirFrames();
  void valueFieldsClampAndSendNothing();
  void rawSenderSendsAndRefusesEmpty();
  void readButtonFillsTheGroup();
  void readSourcesStopsWithTheMessage();
};

class MatrixDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void inputControlSendsMatrixThenWall();
  void inputControlWithoutMatrixAndMirroredBox();
  void matrixSettingsPagesDiagramAndConfirm();
  void rollPollingRunsFromStartAndStops();
  void pipListsLeaveThePageControlsFree();
};

}  // namespace wall::test
