#pragma once
// The "virtual wall": the wall as the simulation sees it. Each unit with its
// source name, its power state and the matrix input routed to it; the open
// picture-in-picture windows over their blocks; the last frames decoded.
// Redraws as commands arrive.

#include <QStringList>
#include <QWidget>

namespace wall {

class Session;
class SimBench;

class VirtualWallWindow : public QWidget {
  Q_OBJECT
 public:
  VirtualWallWindow(Session& session, SimBench& bench, QWidget* parent = nullptr);

  const QStringList& recentFrames() const { return recent_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void framesDecoded(const QStringList& lines);
  void followSettings();
  QString pick(const char* chinese, const char* english) const;

  Session& session_;
  SimBench& bench_;
  QStringList recent_;
};

}  // namespace wall
