#pragma once
// The serial traffic window ("串口信息显示窗口"): what arrives on the wall
// port, one line per received package, in hexadecimal or as characters.
// Beyond the original: an optional time stamp on each line and "save as",
// so that an operator can show what was received, and when.

#include <QMainWindow>

class QAction;
class QPlainTextEdit;

namespace wall {

class TrafficWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit TrafficWindow(QWidget* parent = nullptr);

  bool monitoring() const { return monitoring_; }
  bool characterMode() const { return charMode_; }
  bool timeStamps() const { return timeStamps_; }
  void setTimeStamps(bool on);

  // One received package as one line; an empty package adds nothing.
  void showPackage(const QByteArray& package);
  // The text of one package as the window shows it.
  static QString packageText(const QByteArray& package, bool characterMode);

  QString text() const;
  bool saveTo(const QString& path) const;

 public slots:
  void openMonitoring();   // "打开"
  void closeMonitoring();  // "关闭"
  void hexMode();          // "十六进制"
  void charMode();         // "字符"
  void clear();            // "清空"
  void saveAs();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();
  void appendLine(const QString& line);

  QPlainTextEdit* memo_;
  QAction* open_;
  QAction* close_;
  QAction* hex_;
  QAction* char_;
  QAction* clear_;
  QAction* stamps_;
  QAction* save_;
  bool monitoring_ = true;
  bool charMode_ = true;
  bool timeStamps_ = false;
};

}  // namespace wall
