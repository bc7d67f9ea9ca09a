#pragma once
// The "virtual wall": the wall as the simulation sees it. Each unit with its
// source name, its power state and the matrix input routed to it; the open
// picture-in-picture windows over their blocks; the last frames decoded.
// Redraws as commands arrive. The simulated wall follows the program's
// settings: its size, its command format and its cabling (the output
// connection diagrams). The processor's plan-recall notice can be sent from
// here, as the wall side sends it.

#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class QSpinBox;

namespace wall {

class Session;
class SimBench;

class VirtualWallWindow : public QWidget {
  Q_OBJECT
 public:
  VirtualWallWindow(Session& session, SimBench& bench, QWidget* parent = nullptr);

  const QStringList& recentFrames() const { return recent_; }
  // Takes the program's settings over now (the window also does so twice a
  // second).
  void followSettings();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void framesDecoded(const QStringList& lines);
  void retranslate();
  void placeControls();

  Session& session_;
  SimBench& bench_;
  QStringList recent_;
  QLabel* recallLabel_;
  QSpinBox* recallPlan_;
  QPushButton* recallButton_;
  int controlsLeft_ = 0;  // where the header's controls begin
};

}  // namespace wall
