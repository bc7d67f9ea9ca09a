#pragma once
// "关机" (Form2): the confirmation before the wall is switched off.

#include <QDialog>

class QLabel;
class QPushButton;

namespace wall {

class PowerOffDialog : public QDialog {
  Q_OBJECT
 public:
  explicit PowerOffDialog(QWidget* parent = nullptr);

 signals:
  void confirmed();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();
  QLabel* question_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace wall
