#include "gui/link/traffic_window.h"

#include <QAction>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSaveFile>

namespace wall {

namespace {
QAction* entry(QMenuBar* bar, QObject* parent, const char* name) {
  auto* a = new QAction(parent);
  a->setObjectName(name);
  bar->addAction(a);
  return a;
}
}  // namespace

TrafficWindow::TrafficWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("Form24");
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo1");
  memo_->setReadOnly(true);
  memo_->setMaximumBlockCount(100000);
  memo_->setStyleSheet("QPlainTextEdit { background: navy; color: yellow; }");
  setCentralWidget(memo_);
  QMenuBar* bar = menuBar();
  open_ = entry(bar, this, "N0");
  close_ = entry(bar, this, "N1");
  hex_ = entry(bar, this, "N3");
  char_ = entry(bar, this, "N4");
  clear_ = entry(bar, this, "N2");
  stamps_ = entry(bar, this, "timeStamps");
  stamps_->setCheckable(true);
  save_ = entry(bar, this, "saveAs");
  connect(open_, &QAction::triggered, this, &TrafficWindow::openMonitoring);
  connect(close_, &QAction::triggered, this, &TrafficWindow::closeMonitoring);
  connect(hex_, &QAction::triggered, this, &TrafficWindow::hexMode);
  connect(char_, &QAction::triggered, this, &TrafficWindow::charMode);
  connect(clear_, &QAction::triggered, this, &TrafficWindow::clear);
  connect(stamps_, &QAction::toggled, this, &TrafficWindow::setTimeStamps);
  connect(save_, &QAction::triggered, this, &TrafficWindow::saveAs);
  resize(560, 360);
  retranslate();
  // Created at program start: monitoring on, "<Open>" then the mode.
  monitoring_ = true;
  memo_->setEnabled(true);
  memo_->setPlainText("<Open>");
  memo_->appendPlainText(charMode_ ? "<Char>" : "<Hex>");
}

void TrafficWindow::retranslate() {
  setWindowTitle(tr("串口信息显示窗口"));
  open_->setText(tr("打开"));
  close_->setText(tr("关闭"));
  hex_->setText(tr("十六进制"));
  char_->setText(tr("字符"));
  clear_->setText(tr("清空"));
  stamps_->setText(tr("时间标记"));
  save_->setText(tr("另存为..."));
}

void TrafficWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QMainWindow::changeEvent(event);
}

void TrafficWindow::setTimeStamps(bool on) {
  timeStamps_ = on;
  if (stamps_->isChecked() != on) stamps_->setChecked(on);
}

QString TrafficWindow::packageText(const QByteArray& package, bool characterMode) {
  QString line;
  for (char raw : package) {
    const auto byte = static_cast<unsigned char>(raw);
    if (characterMode) {
      // Control codes would break the line or vanish: they show as '.'.
      line += (byte < 0x20 || byte == 0x7F) ? QChar('.') : QChar(byte);
    } else {
      line += QString("%1 ").arg(byte, 2, 16, QChar('0')).toUpper();
    }
  }
  return line;
}

void TrafficWindow::showPackage(const QByteArray& package) {
  if (package.isEmpty()) return;
  QString line = packageText(package, charMode_);
  if (timeStamps_) line.prepend(QTime::currentTime().toString("HH:mm:ss.zzz") + "  ");
  appendLine(line);
}

void TrafficWindow::appendLine(const QString& line) { memo_->appendPlainText(line); }

QString TrafficWindow::text() const { return memo_->toPlainText(); }

bool TrafficWindow::saveTo(const QString& path) const {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  file.write((memo_->toPlainText() + "\n").toUtf8());
  return file.commit();
}

void TrafficWindow::openMonitoring() {
  monitoring_ = true;
  memo_->setEnabled(true);
  appendLine("<Open>");
}

void TrafficWindow::closeMonitoring() {
  appendLine("<Close>");
  monitoring_ = false;
  memo_->setEnabled(false);
}

void TrafficWindow::hexMode() {
  charMode_ = false;
  appendLine("<Hex>");
}

void TrafficWindow::charMode() {
  charMode_ = true;
  appendLine("<Char>");
}

void TrafficWindow::clear() { memo_->clear(); }

void TrafficWindow::saveAs() {
  const QString path = QFileDialog::getSaveFileName(this, tr("另存为..."), QString(), tr("文本文件 (*.txt)"));
  if (!path.isEmpty()) saveTo(path);
}

}  // namespace wall
