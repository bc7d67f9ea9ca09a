#include "gui/matrix/matrix_settings_dialog.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/matrix/matrix_catalog.h"
#include "gui/app/qt_text.h"
#include "gui/matrix/output_selector_dialog.h"

namespace wall {

namespace {

QString kindName(MatrixKind kind) { return QString::fromLatin1(kindLabel(kind).data(), kindLabel(kind).size()); }

void setItems(QComboBox* list, const QStringList& items, int index) {
  const QSignalBlocker block(list);
  if (list->count() != items.size() || (list->count() > 0 && list->itemText(0) != items.front())) {
    list->clear();
    list->addItems(items);
  }
  list->setCurrentIndex(index);
}

QStringList texts(std::span<const std::string_view> names) {
  QStringList out;
  for (std::string_view n : names) out << QString::fromUtf8(n.data(), static_cast<qsizetype>(n.size()));
  return out;
}

}  // namespace

MatrixSettingsDialog::MatrixSettingsDialog(const MatrixState& stored, const WallShape& wall, Confirm confirm,
                                           NameEditor names, QWidget* parent)
    : QDialog(parent),
      model_(std::make_unique<MatrixSettingsModel>(stored, wall)),
      confirm_(std::move(confirm)),
      names_(std::move(names)) {
  setObjectName("Form10");
  pages_ = new QTabWidget(this);
  pages_->setObjectName("matrixPages");
  for (MatrixKind kind : kMatrixKinds) pages_->addTab(buildPage(kind), kindName(kind));
  connect(pages_, &QTabWidget::currentChanged, this, [this](int i) {
    model_->setActivePage(kMatrixKinds[static_cast<std::size_t>(i)]);
    redrawDiagram();
  });

  diagramLabel_ = new QLabel(this);
  diagramKind_ = new QComboBox(this);
  diagramKind_->setObjectName("diagramKind");
  diagramKind_->addItems({"AV", "VGA", "DVI", "YPbPr"});
  diagramKind_->setEnabled(false);  // follows the active page
  diagram_ = new QTableWidget(this);
  diagram_->setObjectName("outputDiagram");
  diagram_->horizontalHeader()->hide();
  diagram_->verticalHeader()->hide();
  diagram_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  diagram_->setSelectionMode(QAbstractItemView::SingleSelection);
  diagram_->setMinimumSize(360, 220);
  connect(diagram_, &QTableWidget::cellDoubleClicked, this, [this](int r, int c) { editCell(r, c); });
  oneToOne_ = new QPushButton(this);
  oneToOne_->setObjectName("oneToOneButton");
  cancelAll_ = new QPushButton(this);
  cancelAll_->setObjectName("cancelAllButton");
  connect(oneToOne_, &QPushButton::clicked, this, [this] {
    model_->oneToOne();
    redrawDiagram();
  });
  connect(cancelAll_, &QPushButton::clicked, this, [this] {
    model_->cancelAll();
    redrawDiagram();
  });
  ok_ = new QPushButton(this);
  ok_->setObjectName("confirmButton");
  close_ = new QPushButton(this);
  close_->setObjectName("closeButton");
  connect(ok_, &QPushButton::clicked, this, [this] { confirm_(model_->confirm()); });
  connect(close_, &QPushButton::clicked, this, &QDialog::hide);
  selector_ = new OutputSelectorDialog(this);

  auto* kindRow = new QHBoxLayout;
  kindRow->addWidget(diagramLabel_);
  kindRow->addWidget(diagramKind_);
  kindRow->addStretch();
  kindRow->addWidget(oneToOne_);
  kindRow->addWidget(cancelAll_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(close_);
  auto* box = new QVBoxLayout(this);
  box->addWidget(pages_);
  box->addLayout(kindRow);
  box->addWidget(diagram_, 1);
  box->addLayout(buttons);
  retranslate();
  // The dialog opens on the DVI page, as designed.
  pages_->setCurrentIndex(kindIndex(MatrixKind::DVI));
  sync();
}

MatrixSettingsDialog::~MatrixSettingsDialog() = default;

QWidget* MatrixSettingsDialog::buildPage(MatrixKind kind) {
  auto* page = new QWidget;
  const QString key = QString::fromLatin1(kindKey(kind).data(), kindKey(kind).size());
  page->setObjectName("page" + key);
  PageWidgets& w = page_[static_cast<std::size_t>(kindIndex(kind))];
  auto list = [&](const QString& name) {
    auto* l = new QComboBox(page);
    l->setObjectName(key + name);
    return l;
  };
  w.company = list("_Company");
  w.model = list("_Type");
  w.address = list("_ID");
  w.inputCount = list("_InputMax");
  w.delay = list("_DelayTime");
  w.companyLabel = new QLabel(page);
  w.modelLabel = new QLabel(page);
  w.addressLabel = new QLabel(page);
  w.inputCountLabel = new QLabel(page);
  w.delayLabel = new QLabel(page);
  w.names = new QPushButton(page);
  w.names->setObjectName(key + "_InputNames");
  w.company->addItems(texts(brandNames(kind)));
  w.model->addItems(texts(modelNames(kind)));
  QStringList counts;
  for (int n = 1; n <= kMatrixEntries; ++n) counts << QString::number(n);
  w.inputCount->addItems(counts);
  QStringList delays;
  for (int ms : MatrixSettingsModel::delayChoices(kind)) delays << qs(MatrixSettingsModel::delayText(ms));
  w.delay->addItems(delays);
  connect(w.company, &QComboBox::activated, this, [this, kind](int i) {
    model_->pickBrand(kind, i);
    syncPage(kind);
  });
  connect(w.model, &QComboBox::activated, this, [this, kind](int i) { model_->pickModel(kind, i); });
  connect(w.address, &QComboBox::activated, this, [this, kind](int i) { model_->pickAddress(kind, i); });
  connect(w.inputCount, &QComboBox::activated, this, [this, kind](int i) { model_->pickInputCount(kind, i); });
  connect(w.delay, &QComboBox::activated, this, [this, kind](int i) { model_->pickDelay(kind, i); });
  connect(w.names, &QPushButton::clicked, this, [this, kind] { names_(kind); });
  auto* form = new QFormLayout(page);
  form->addRow(w.companyLabel, w.company);
  form->addRow(w.modelLabel, w.model);
  form->addRow(w.addressLabel, w.address);
  form->addRow(w.inputCountLabel, w.inputCount);
  form->addRow(w.delayLabel, w.delay);
  form->addRow(QString(), w.names);
  return page;
}

void MatrixSettingsDialog::openDialog(const MatrixState& stored, const WallShape& wall, int language) {
  language_ = language;
  model_->open(stored, wall);
  sync();
  show();
  raise();
}

void MatrixSettingsDialog::sync() {
  for (MatrixKind kind : kMatrixKinds) syncPage(kind);
  {
    const QSignalBlocker block(pages_);
    pages_->setCurrentIndex(kindIndex(model_->activePage()));
  }
  redrawDiagram();
}

void MatrixSettingsDialog::syncPage(MatrixKind kind) {
  const MatrixPage& p = model_->page(kind);
  PageWidgets& w = page_[static_cast<std::size_t>(kindIndex(kind))];
  {
    const QSignalBlocker block(w.company);
    w.company->setCurrentIndex(p.company);
  }
  {
    const QSignalBlocker block(w.model);
    w.model->setCurrentIndex(p.model);
  }
  QStringList addresses;
  for (const std::string& a : model_->addressEntries(kind)) addresses << qs(a);
  setItems(w.address, addresses, p.address);
  {
    const QSignalBlocker block(w.inputCount);
    w.inputCount->setCurrentIndex(p.inputCount);
  }
  {
    const QSignalBlocker block(w.delay);
    if (p.delay >= 0) w.delay->setCurrentIndex(p.delay);
  }
  const bool hasModel = kind == MatrixKind::AV || kind == MatrixKind::VGA;
  w.model->setVisible(hasModel && p.modelVisible);
  w.modelLabel->setVisible(hasModel && p.modelVisible);
  w.address->setVisible(p.addressVisible);
  w.addressLabel->setVisible(p.addressVisible);
  w.inputCount->setVisible(p.inputCountVisible);
  w.inputCountLabel->setVisible(p.inputCountVisible);
}

void MatrixSettingsDialog::redrawDiagram() {
  const WallShape& wall = model_->wall();
  diagramKind_->setCurrentIndex(kindIndex(model_->diagramKind()));
  diagram_->setRowCount(wall.rows);
  diagram_->setColumnCount(wall.columns);
  const auto [rowHeight, columnWidth] = model_->cellSize(diagram_->viewport()->width() + wall.columns + 1,
                                                         diagram_->viewport()->height() + wall.rows + 1);
  for (int r = 0; r < wall.rows; ++r) {
    diagram_->setRowHeight(r, std::max(rowHeight, 12));
    for (int c = 0; c < wall.columns; ++c) {
      auto* item = new QTableWidgetItem(qs(model_->cellText(r, c)));
      item->setTextAlignment(Qt::AlignCenter);
      diagram_->setItem(r, c, item);
    }
  }
  for (int c = 0; c < wall.columns; ++c) diagram_->setColumnWidth(c, std::max(columnWidth, 20));
}

void MatrixSettingsDialog::editCell(int row, int column, bool modal) {
  const auto opened = model_->openSelector(row, column);
  if (const auto* notice = std::get_if<Notice>(&opened)) {
    lastNotice_ = qs(notice->in(language_));
    if (modal) QMessageBox::information(this, tr("信息提示框"), lastNotice_);
    return;
  }
  const auto& selector = std::get<OutputSelector>(opened);
  if (modal) {
    if (const auto chosen = selector_->choose(selector)) applySelection(*chosen);
    return;
  }
  selector_->present(selector);
  connect(selector_, &QDialog::accepted, this, [this] {
    if (const auto chosen = selector_->result()) applySelection(*chosen);
  }, Qt::SingleShotConnection);
}

void MatrixSettingsDialog::applySelection(const OutputSelector& chosen) {
  model_->applySelector(chosen);
  redrawDiagram();
}

void MatrixSettingsDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

void MatrixSettingsDialog::retranslate() {
  setWindowTitle(tr("矩阵设置"));
  for (PageWidgets& w : page_) {
    w.companyLabel->setText(tr("矩阵品牌"));
    w.modelLabel->setText(tr("矩阵型号"));
    w.addressLabel->setText(tr("矩阵地址"));
    w.inputCountLabel->setText(tr("输入数量"));
    w.delayLabel->setText(tr("延时"));
    w.names->setText(tr("设置矩阵输入名"));
  }
  diagramLabel_->setText(tr("拼接盒输入通道"));
  oneToOne_->setText(tr("一对一接法"));
  cancelAll_->setText(tr("取消所有连接"));
  ok_->setText(tr("确  认"));
  close_->setText(tr("关  闭"));
}

}  // namespace wall
