#pragma once
// The main window's pop-window matrix lists, a mirror of PipMatrixLists:
// the pop source list suiComboBox1, "使用矩阵" suiCheckBox1, and Panel30
// with the VGA, AV, DVI and YPbPr input lists suiComboBox4..7. The
// pop-window code reads the choice from the model.

#include <QWidget>
#include <array>

#include "core/matrix/pip_matrix_lists.h"

class QCheckBox;
class QComboBox;

namespace wall {

class PipMatrixPanel : public QWidget {
  Q_OBJECT
 public:
  PipMatrixPanel(PipMatrixLists& model, QWidget* parent = nullptr);

  // SetPipMatrixInput: the model refills, the lists follow; then
  // SetPipMatrix.
  void setPipMatrixInput(int productType, const MatrixState& matrices, int language);
  // SetPipMatrix: which list and Panel30 show, enabled by the box.
  void setPipMatrix();
  // The input-control dialog's "使用矩阵" mirrored here (the box's own rule
  // runs: stored, then SetPipMatrix).
  void mirrorUseMatrix(bool on);

  PipMatrixLists& model() { return model_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  QComboBox* list(MatrixKind kind) const { return inputs_[static_cast<std::size_t>(kindIndex(kind))]; }

  PipMatrixLists& model_;
  QComboBox* sources_;
  QCheckBox* useMatrix_;
  QWidget* panel30_;
  std::array<QComboBox*, 4> inputs_{};
};

}  // namespace wall
