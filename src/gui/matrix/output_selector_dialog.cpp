#include "gui/matrix/output_selector_dialog.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/qt_text.h"

namespace wall {

OutputSelectorDialog::OutputSelectorDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("Form19");
  caption_ = new QLabel(this);
  auto* grid = new QGridLayout;
  for (int i = 0; i < 4; ++i) {
    labels_[static_cast<std::size_t>(i)] = new QLabel(this);
    auto* list = new QComboBox(this);
    list->setObjectName(QString("outputList%1").arg(i + 1));
    lists_[static_cast<std::size_t>(i)] = list;
    grid->addWidget(labels_[static_cast<std::size_t>(i)], i, 0);
    grid->addWidget(list, i, 1);
  }
  ok_ = new QPushButton(this);
  ok_->setObjectName("okButton");
  cancel_ = new QPushButton(this);
  cancel_->setObjectName("cancelButton");
  connect(ok_, &QPushButton::clicked, this, [this] {
    OutputSelector chosen = selector_;
    for (std::size_t i = 0; i < 4; ++i) {
      if (selector_.listVisible[i]) chosen.selected[i] = lists_[i]->currentIndex();
    }
    result_ = chosen;
    accept();
  });
  connect(cancel_, &QPushButton::clicked, this, [this] {
    result_.reset();
    reject();
  });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* box = new QVBoxLayout(this);
  box->addWidget(caption_);
  box->addLayout(grid);
  box->addLayout(buttons);
  retranslate();
}

void OutputSelectorDialog::present(const OutputSelector& selector) {
  selector_ = selector;
  result_.reset();
  const bool four = selector.form == OutputSelector::Form::FourChannel;
  for (std::size_t i = 0; i < 4; ++i) {
    QComboBox* list = lists_[i];
    list->clear();
    list->addItem(tr("不接矩阵"));
    for (int n = 1; n < selector.listSize; ++n) list->addItem(tr("矩阵输出%1").arg(n));
    list->setCurrentIndex(selector.selected[i]);
    list->setVisible(selector.listVisible[i]);
    labels_[i]->setText(qs(selector.labels[i]));
    labels_[i]->setVisible(four && selector.listVisible[i]);
  }
  retranslate();
  show();
}

std::optional<OutputSelector> OutputSelectorDialog::choose(const OutputSelector& selector) {
  present(selector);
  exec();
  return result_;
}

void OutputSelectorDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

void OutputSelectorDialog::retranslate() {
  setWindowTitle(tr("矩阵输出选择"));
  const bool four = selector_.form == OutputSelector::Form::FourChannel;
  caption_->setText(four ? tr("矩阵输出对应设置") : tr("选择此屏对应的矩阵输出"));
  ok_->setText(four ? tr("确定") : tr("确  定"));
  cancel_->setText(four ? tr("取消") : tr("取  消"));
}

}  // namespace wall
