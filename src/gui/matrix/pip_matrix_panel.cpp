#include "gui/matrix/pip_matrix_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/app/combo_lists.h"
#include "gui/app/qt_text.h"

namespace wall {

namespace {

// By kind (AV, VGA, DVI, YPbPr).
constexpr const char* kListNames[] = {"suiComboBox5", "suiComboBox4", "suiComboBox6", "suiComboBox7"};

}  // namespace

PipMatrixPanel::PipMatrixPanel(PipMatrixLists& model, QWidget* parent) : QWidget(parent), model_(model) {
  setObjectName("pipMatrixLists");
  sources_ = new QComboBox(this);
  sources_->setObjectName("suiComboBox1");
  connect(sources_, &QComboBox::activated, this, [this](int i) {
    model_.pickSource(i);
    setPipMatrix();
  });
  useMatrix_ = new QCheckBox(this);
  useMatrix_->setObjectName("suiCheckBox1");
  connect(useMatrix_, &QCheckBox::clicked, this, [this](bool on) {
    model_.setUseMatrix(on);
    setPipMatrix();
  });
  panel30_ = new QWidget(this);
  panel30_->setObjectName("Panel30");
  auto* lists = new QVBoxLayout(panel30_);
  lists->setContentsMargins(0, 0, 0, 0);
  for (MatrixKind kind : kMatrixKinds) {
    auto* l = new QComboBox(panel30_);
    l->setObjectName(kListNames[kindIndex(kind)]);
    connect(l, &QComboBox::activated, this, [this, kind](int i) { model_.pickInput(kind, i); });
    inputs_[static_cast<std::size_t>(kindIndex(kind))] = l;
    lists->addWidget(l);
  }
  auto* box = new QVBoxLayout(this);
  box->setContentsMargins(0, 0, 0, 0);
  box->addWidget(sources_);
  box->addWidget(useMatrix_);
  box->addWidget(panel30_);
  box->addStretch();
  useMatrix_->setText(tr("使用矩阵"));
}

void PipMatrixPanel::setPipMatrixInput(int productType, const MatrixState& matrices, int language) {
  model_.setPipMatrixInput(productType, matrices, language);
  fillQuietly(sources_, model_.sourceNames(), model_.sourceIndex());
  for (MatrixKind kind : kMatrixKinds) fillQuietly(list(kind), model_.inputNames(kind), model_.inputIndex(kind));
  setPipMatrix();
}

void PipMatrixPanel::setPipMatrix() {
  const PipMatrixLists::Display d = model_.setPipMatrix();
  useMatrix_->setChecked(model_.useMatrix());
  for (MatrixKind kind : kMatrixKinds) {
    list(kind)->setVisible(d.kind == kind);
    list(kind)->setEnabled(d.kind == kind && d.enabled);
  }
  panel30_->setVisible(d.kind.has_value());
  panel30_->setEnabled(d.enabled);
}

void PipMatrixPanel::mirrorUseMatrix(bool on) {
  if (model_.useMatrix() == on) return;  // the same state runs nothing
  model_.setUseMatrix(on);
  setPipMatrix();
}

void PipMatrixPanel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) useMatrix_->setText(tr("使用矩阵"));
  QWidget::changeEvent(event);
}

}  // namespace wall
