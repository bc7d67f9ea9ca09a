#pragma once
// The matrix-settings dialog ("矩阵设置", Form10), a mirror of
// MatrixSettingsModel: four editable pages (AV, VGA, DVI, YPbPr) with the
// fields each brand shows, the output connection diagram with "一对一接法"
// and "取消所有连接", the output selectors on a double click, the
// input-name editor, and "确  认", whose result goes to whoever keeps the
// settings.

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

#include "core/matrix/matrix_settings_model.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace wall {

class InputNameDialog;
class OutputSelectorDialog;

class MatrixSettingsDialog : public QDialog {
  Q_OBJECT
 public:
  using Confirm = std::function<void(const MatrixConfirmation&)>;
  using NameEditor = std::function<void(MatrixKind kind)>;
  MatrixSettingsDialog(const MatrixState& stored, const WallShape& wall, Confirm confirm, NameEditor names,
                       QWidget* parent = nullptr);
  ~MatrixSettingsDialog() override;

  // N9Click: the model opens on the stored settings and the wall; shows.
  void openDialog(const MatrixState& stored, const WallShape& wall, int language);
  MatrixSettingsModel& model() { return *model_; }
  OutputSelectorDialog* selector() const { return selector_; }
  // A double click on a diagram cell; `modal` false leaves the selector
  // open for a test to answer (its "确  定" applies).
  void editCell(int row, int column, bool modal = true);
  // The last notice shown (a cell whose entries lie beyond the table).
  const QString& lastNotice() const { return lastNotice_; }
  void sync();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  struct PageWidgets {
    QComboBox* company = nullptr;
    QComboBox* model = nullptr;
    QComboBox* address = nullptr;
    QComboBox* inputCount = nullptr;
    QComboBox* delay = nullptr;
    QLabel* modelLabel = nullptr;
    QLabel* addressLabel = nullptr;
    QLabel* inputCountLabel = nullptr;
    QLabel* companyLabel = nullptr;
    QLabel* delayLabel = nullptr;
    QPushButton* names = nullptr;
  };
  QWidget* buildPage(MatrixKind kind);
  void syncPage(MatrixKind kind);
  void redrawDiagram();
  void retranslate();
  void applySelection(const OutputSelector& chosen);

  std::unique_ptr<MatrixSettingsModel> model_;
  Confirm confirm_;
  NameEditor names_;
  QTabWidget* pages_;
  std::array<PageWidgets, 4> page_{};
  QLabel* diagramLabel_;
  QComboBox* diagramKind_;
  QTableWidget* diagram_;
  QPushButton* oneToOne_;
  QPushButton* cancelAll_;
  QPushButton* ok_;
  QPushButton* close_;
  OutputSelectorDialog* selector_;
  QString lastNotice_;
  int language_ = 0;
};

}  // namespace wall
