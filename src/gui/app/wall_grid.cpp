#include "gui/app/wall_grid.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPainter>

#include "core/app/session.h"
#include "core/app/source_names.h"
#include "gui/app/qt_text.h"

namespace wall {

namespace {
// A stored colour is a Windows colour value, 0x00BBGGRR.
QColor windowsColour(int value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }
}  // namespace

WallGridModel::WallGridModel(Session& session, QObject* parent)
    : QAbstractTableModel(parent), session_(session) {}

int WallGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : session_.rows(); }
int WallGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : session_.columns();
}

QVariant WallGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int r = index.row();
  const int c = index.column();
  switch (role) {
    case Qt::DisplayRole: return qs(session_.unitLabel(r, c));
    case Qt::ToolTipRole: return qs(unitHint(r, c));
    case Qt::BackgroundRole:
      if (session_.values().wallCustomColors) return windowsColour(session_.unitColour(r, c));
      return {};
    case Qt::TextAlignmentRole: return QVariant(Qt::AlignLeft | Qt::AlignTop);
    default: return {};
  }
}

void WallGridModel::refresh() {
  beginResetModel();
  endResetModel();
}

void WallGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  if (!session_.values().wallCustomColors) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  painter->save();
  QColor fill = windowsColour(session_.unitColour(index.row(), index.column()));
  if (option.state & QStyle::State_Selected) fill = option.palette.highlight().color();
  painter->fillRect(option.rect, fill);
  // Black on light colours, white on dark ones, so every label stays legible.
  const bool dark = fill.lightness() < 110;
  painter->setPen((option.state & QStyle::State_Selected) ? option.palette.highlightedText().color()
                  : dark                                  ? QColor(Qt::white)
                                                          : QColor(Qt::black));
  const QRect text = option.rect.adjusted(2, 3, 0, 0);
  painter->drawText(text, Qt::AlignLeft | Qt::AlignTop, index.data().toString());
  painter->restore();
}

WallGrid::WallGrid(Session& session, QWidget* parent) : QTableView(parent), session_(session) {
  setObjectName("StringGrid1");
  model_ = new WallGridModel(session, this);
  setModel(model_);
  setItemDelegate(new WallGridDelegate(session, this));
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setMinimumSectionSize(1);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setCurrentIndex(model_->index(0, 0));
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &WallGrid::selectionMoved);
  connect(model_, &QAbstractItemModel::modelReset, this, [this] {
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &WallGrid::selectionMoved,
            Qt::UniqueConnection);
  });
}

void WallGrid::setCellSize(int width, int height) {
  horizontalHeader()->setDefaultSectionSize(width);
  verticalHeader()->setDefaultSectionSize(height);
}

void WallGrid::selectionMoved() {
  const QModelIndexList picked = selectionModel()->selectedIndexes();
  if (picked.isEmpty()) return;
  Selection s{picked.front().row(), picked.front().column(), picked.front().row(), picked.front().column()};
  for (const QModelIndex& i : picked) {
    s.top = std::min(s.top, i.row());
    s.left = std::min(s.left, i.column());
    s.bottom = std::max(s.bottom, i.row());
    s.right = std::max(s.right, i.column());
  }
  session_.setSelection(s);
}

}  // namespace wall
