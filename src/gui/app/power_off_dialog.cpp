#include "gui/app/power_off_dialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace wall {

PowerOffDialog::PowerOffDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("Form2");
  question_ = new QLabel(this);
  question_->setObjectName("Label1");
  question_->setAlignment(Qt::AlignCenter);
  ok_ = new QPushButton(this);
  ok_->setObjectName("BitBtn1");
  cancel_ = new QPushButton(this);
  cancel_->setObjectName("BitBtn2");
  connect(ok_, &QPushButton::clicked, this, [this] {
    emit confirmed();
    hide();
  });
  connect(cancel_, &QPushButton::clicked, this, &PowerOffDialog::hide);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* box = new QVBoxLayout(this);
  box->addWidget(question_);
  box->addLayout(buttons);
  retranslate();
}

void PowerOffDialog::retranslate() {
  setWindowTitle(tr("关机"));
  question_->setText(tr("你确定要关闭大屏幕"));
  ok_->setText(tr("确  定"));
  cancel_->setText(tr("取  消"));
}

void PowerOffDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

}  // namespace wall
