#pragma once
// The input-name editor ("设置矩阵输入名", Form22), a mirror of
// MatrixInputNameEditor: "确  认" writes the edited name at once.

#include <QDialog>

#include "core/matrix/matrix_input_name_editor.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace wall {

class SettingsFile;

class InputNameDialog : public QDialog {
  Q_OBJECT
 public:
  InputNameDialog(SettingsFile& file, QWidget* parent = nullptr);

  // Opens on a kind with its InputMax names in the interface language.
  void openFor(MatrixKind kind, int inputMax, int language);
  const MatrixInputNameEditor& editor() const { return editor_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();

  SettingsFile& file_;
  MatrixInputNameEditor editor_;
  QGroupBox* group_;
  QListWidget* names_;
  QLineEdit* edit_;
  QPushButton* ok_;
  QPushButton* close_;
};

}  // namespace wall
