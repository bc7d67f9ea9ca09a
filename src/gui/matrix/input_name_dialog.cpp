#include "gui/matrix/input_name_dialog.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/matrix/matrix_store.h"
#include "gui/app/qt_text.h"

namespace wall {

InputNameDialog::InputNameDialog(SettingsFile& file, QWidget* parent) : QDialog(parent), file_(file) {
  setObjectName("Form22");
  group_ = new QGroupBox(this);
  group_->setObjectName("kindGroup");
  names_ = new QListWidget(group_);
  names_->setObjectName("nameList");
  edit_ = new QLineEdit(group_);
  edit_->setObjectName("nameEdit");
  auto* inner = new QVBoxLayout(group_);
  inner->addWidget(names_);
  inner->addWidget(edit_);
  connect(names_, &QListWidget::currentRowChanged, this, [this](int row) {
    editor_.select(row);
    edit_->setText(qs(editor_.editText()));
  });
  connect(edit_, &QLineEdit::textEdited, this, [this](const QString& t) { editor_.setEditText(ss(t)); });
  ok_ = new QPushButton(this);
  ok_->setObjectName("okButton");
  close_ = new QPushButton(this);
  close_->setObjectName("closeButton");
  connect(ok_, &QPushButton::clicked, this, [this] {
    if (const auto write = editor_.confirm()) {
      writeInputName(file_, write->kind, write->index, write->name);
      if (QListWidgetItem* item = names_->item(write->index)) item->setText(qs(write->name));
    }
  });
  connect(close_, &QPushButton::clicked, this, &QDialog::hide);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(close_);
  auto* box = new QVBoxLayout(this);
  box->addWidget(group_);
  box->addLayout(buttons);
  retranslate();
}

void InputNameDialog::openFor(MatrixKind kind, int inputMax, int language) {
  editor_.open(kind, readInputNames(file_, kind, inputMax, language));
  group_->setTitle(qs(editor_.caption()));
  {
    const QSignalBlocker block(names_);
    names_->clear();
    for (const std::string& n : editor_.names()) names_->addItem(qs(n));
    names_->setCurrentRow(editor_.selected());
  }
  edit_->setText(qs(editor_.editText()));
  show();
  raise();
}

void InputNameDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

void InputNameDialog::retranslate() {
  setWindowTitle(tr("设置矩阵输入名"));
  ok_->setText(tr("确  认"));
  close_->setText(tr("关  闭"));
}

}  // namespace wall
