#pragma once
// The output selectors of the connection diagram ("矩阵输出选择", Form19):
// the single list "不接矩阵", "矩阵输出1".."矩阵输出1000", or Kestrel's four
// channel lists of outputs up to 512. A mirror of OutputSelector.

#include <QDialog>
#include <array>
#include <optional>

#include "core/matrix/matrix_settings_model.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace wall {

class OutputSelectorDialog : public QDialog {
  Q_OBJECT
 public:
  explicit OutputSelectorDialog(QWidget* parent = nullptr);

  // Shows the selector's lists; modal. The choices on "确  定", nothing on
  // "取  消".
  std::optional<OutputSelector> choose(const OutputSelector& selector);
  // The same without running a nested loop (tests drive the buttons).
  void present(const OutputSelector& selector);
  std::optional<OutputSelector> result() const { return result_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();

  OutputSelector selector_;
  std::optional<OutputSelector> result_;
  QLabel* caption_;
  std::array<QLabel*, 4> labels_{};
  std::array<QComboBox*, 4> lists_{};
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace wall
