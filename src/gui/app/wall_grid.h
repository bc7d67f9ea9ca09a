#pragma once
// The wall grid (StringGrid1): one cell per wall unit with its label
// "r:c  name", painted in the unit's own colour while custom colours are on,
// with range selection; the selection is what every wall command addresses.

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>

namespace wall {

class Session;

class WallGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit WallGridModel(Session& session, QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // After SetBoard or a change of sources, colours or wall size.
  void refresh();

 private:
  Session& session_;
};

// Draws a custom-coloured cell with its label 2 pixels right of and 3 below
// the cell's corner.
class WallGridDelegate : public QStyledItemDelegate {
 public:
  WallGridDelegate(Session& session, QObject* parent) : QStyledItemDelegate(parent), session_(session) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  Session& session_;
};

class WallGrid : public QTableView {
  Q_OBJECT
 public:
  WallGrid(Session& session, QWidget* parent = nullptr);
  WallGridModel* wallModel() const { return model_; }
  // FormCanResize: the cells from the grid's size.
  void setCellSize(int width, int height);

 private:
  void selectionMoved();
  Session& session_;
  WallGridModel* model_;
};

}  // namespace wall
