#include "gui/sim/virtual_wall_window.h"

#include <QEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "core/app/session.h"
#include "core/app/source_names.h"
#include "gui/sim/sim_bench.h"

namespace wall {

namespace {

constexpr int kRecentLines = 9;
constexpr int kMargin = 16;
constexpr int kGap = 6;
constexpr int kHeader = 44;
constexpr int kLogLineHeight = 17;

const QColor kBackground(0x1b, 0x20, 0x2a);
const QColor kUnitOff(0x2a, 0x2f, 0x3a);
const QColor kText(0xec, 0xef, 0xf4);
const QColor kMuted(0x8a, 0x93, 0xa6);
const QColor kPip(0xf5, 0xc5, 0x42);

// The colour of a unit's picture by the kind of its source.
QColor sourceColour(int sourceCode) {
  switch (sourceCode) {
    case 0:
    case 1: return {0x2f, 0x6f, 0xb0};             // VGA, RGB
    case 2: case 3: case 4: case 5: case 6:
    case 7: return {0x2f, 0x8a, 0x5a};              // AV, S-video
    case 8:
    case 9: return {0xb0, 0x72, 0x2f};              // YPbPr
    case 10:
    case 11: return {0x7a, 0x4f, 0xb8};             // DVI, HDMI
    default: return {0x4a, 0x50, 0x5c};
  }
}

}  // namespace

VirtualWallWindow::VirtualWallWindow(Session& session, SimBench& bench, QWidget* parent)
    : QWidget(parent), session_(session), bench_(bench) {
  setObjectName("virtualWall");
  setWindowFlag(Qt::Window);
  setMinimumSize(560, 360);
  resize(780, 600);

  // The wall side's plan-recall notice, for trying what the program does
  // when someone recalls a plan at the processor.
  recallLabel_ = new QLabel(this);
  recallLabel_->setStyleSheet(QStringLiteral("QLabel { color: #8a93a6; }"));
  recallPlan_ = new QSpinBox(this);
  recallPlan_->setObjectName("recallPlan");
  recallPlan_->setRange(1, std::max(1, session_.planCount()));
  recallPlan_->setMinimumWidth(56);
  recallButton_ = new QPushButton(this);
  recallButton_->setObjectName("sendRecallNotice");
  recallLabel_->setBuddy(recallPlan_);
  connect(recallButton_, &QPushButton::clicked, this, [this] {
    recallPlan_->setMaximum(std::max(1, session_.planCount()));
    bench_.sendRecallNotice(recallPlan_->value());
  });
  retranslate();

  connect(&bench_, &SimBench::changed, this, &VirtualWallWindow::framesDecoded);
  auto* follow = new QTimer(this);
  follow->setInterval(500);
  connect(follow, &QTimer::timeout, this, &VirtualWallWindow::followSettings);
  follow->start();
  followSettings();
}

void VirtualWallWindow::retranslate() {
  setWindowTitle(tr("虚拟显示墙 (演示模式)"));
  recallLabel_->setText(tr("方案调用通知:"));
  recallButton_->setText(tr("发送"));
  recallButton_->setToolTip(tr("像显示墙处理器一样发出方案调用通知 (FA F5 Recall)"));
  placeControls();
  update();
}

void VirtualWallWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(event);
}

void VirtualWallWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeControls();
}

void VirtualWallWindow::placeControls() {
  // Right-aligned in the header, beside the wall's summary.
  const int h = 26;
  const int y = (kHeader - h) / 2;
  int x = width() - kMargin;
  for (QWidget* w : std::initializer_list<QWidget*>{recallButton_, recallPlan_, recallLabel_}) {
    const int wWidth = w->sizeHint().expandedTo(w->minimumSize()).width();
    x -= wWidth;
    w->setGeometry(x, y, wWidth, h);
    x -= 6;
  }
  controlsLeft_ = x;
}

void VirtualWallWindow::followSettings() {
  const int rows = session_.values().rows;
  const int columns = session_.values().columns;
  const int cmdForm = session_.values().cmdForm;
  const WallShape shape = session_.wallShape();
  std::array<std::vector<int>, 4> cabling;
  for (MatrixKind kind : kMatrixKinds) {
    cabling[static_cast<std::size_t>(kindIndex(kind))] = sim::wiringFromMap(session_.matrices().map(kind), kind, shape);
  }
  const bool same = bench_.inspect([&](const sim::SimSystem& s) {
    for (MatrixKind kind : kMatrixKinds) {
      if (s.wiring(kind) != cabling[static_cast<std::size_t>(kindIndex(kind))]) return false;
    }
    return s.wall().rows() == rows && s.wall().columns() == columns && s.wall().cmdForm() == cmdForm;
  });
  if (!same) {
    bench_.configure([&](sim::SimSystem& s) {
      s.wall().resize(rows, columns);
      s.wall().setCmdForm(cmdForm);
      for (MatrixKind kind : kMatrixKinds) s.setWiring(kind, cabling[static_cast<std::size_t>(kindIndex(kind))]);
    });
  }
}

void VirtualWallWindow::framesDecoded(const QStringList& lines) {
  for (const QString& line : lines) recent_.append(line);
  while (recent_.size() > kRecentLines) recent_.removeFirst();
  update();
}

void VirtualWallWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), kBackground);

  struct Unit {
    sim::SimSystem::UnitView view;
    int testPattern;
  };
  const int productType = session_.values().boardSel;
  const auto [rows, columns, units, windows] = bench_.inspect([](const sim::SimSystem& s) {
    std::vector<Unit> all;
    for (int r = 0; r < s.wall().rows(); ++r) {
      for (int c = 0; c < s.wall().columns(); ++c) all.push_back({s.view(r, c), s.wall().unit(r, c).testPattern});
    }
    return std::tuple{s.wall().rows(), s.wall().columns(), all, s.wall().windows()};
  });

  // Header.
  QFont title = font();
  title.setPointSizeF(title.pointSizeF() * 1.35);
  title.setBold(true);
  p.setFont(title);
  p.setPen(kText);
  const QString heading = tr("虚拟显示墙");
  p.drawText(QRect(kMargin, 0, width() - 2 * kMargin, kHeader), Qt::AlignVCenter | Qt::AlignLeft, heading);
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.9);
  // The summary between the heading and the recall controls.
  const int summaryLeft = kMargin + p.fontMetrics().horizontalAdvance(heading) + 14;
  p.setFont(small);
  p.setPen(kMuted);
  int on = 0;
  for (const Unit& u : units) on += u.view.power ? 1 : 0;
  const QString summary =
      tr("%1 × %2 单元 · %3 开机 · %4 个子窗口").arg(rows).arg(columns).arg(on).arg(windows.size());
  const int summaryWidth = std::max(0, controlsLeft_ - 8 - summaryLeft);
  p.drawText(QRect(summaryLeft, 0, summaryWidth, kHeader), Qt::AlignVCenter | Qt::AlignLeft,
             p.fontMetrics().elidedText(summary, Qt::ElideRight, summaryWidth));

  // The wall.
  const int logHeight = kRecentLines * kLogLineHeight + 16;
  const QRect area(kMargin, kHeader, width() - 2 * kMargin, height() - kHeader - logHeight - kMargin);
  const double cellW = (area.width() - (columns - 1) * kGap) / static_cast<double>(columns);
  const double cellH = (area.height() - (rows - 1) * kGap) / static_cast<double>(rows);
  auto cellRect = [&](int r, int c) {
    return QRectF(area.left() + c * (cellW + kGap), area.top() + r * (cellH + kGap), cellW, cellH);
  };
  QFont big = font();
  big.setBold(true);
  big.setPointSizeF(std::clamp(cellH / 6.0, 7.0, 20.0));
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      const Unit& u = units[static_cast<std::size_t>(r * columns + c)];
      const QRectF cell = cellRect(r, c);
      QPainterPath path;
      path.addRoundedRect(cell, 6, 6);
      if (u.view.power) {
        const QColor base = sourceColour(u.view.sourceCode);
        QLinearGradient g(cell.topLeft(), cell.bottomRight());
        g.setColorAt(0, base.lighter(125));
        g.setColorAt(1, base.darker(130));
        p.fillPath(path, g);
      } else {
        p.fillPath(path, kUnitOff);
      }
      p.setPen(QPen(u.view.power ? QColor(255, 255, 255, 60) : QColor(0x3b, 0x42, 0x52), 1));
      p.drawPath(path);

      const QRectF inner = cell.adjusted(8, 6, -8, -6);
      p.setFont(small);
      p.setPen(u.view.power ? QColor(255, 255, 255, 190) : kMuted);
      p.drawText(inner, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("%1:%2").arg(r + 1).arg(c + 1));
      p.drawText(inner, Qt::AlignRight | Qt::AlignTop,
                 u.view.power ? tr("● 开") : tr("○ 关"));
      if (!u.view.power) continue;
      std::string name = sourceName(productType, u.view.sourceCode);
      QString shown = name.empty() ? tr("无信号") : QString::fromStdString(name);
      if (u.testPattern >= 0) shown = tr("测试画面 %1").arg(u.testPattern);
      p.setFont(big);
      p.setPen(kText);
      p.drawText(inner, Qt::AlignCenter, shown);
      if (u.view.kind) {
        p.setFont(small);
        p.setPen(QColor(255, 255, 255, 200));
        const QString kind = QString::fromUtf8(kindLabel(*u.view.kind).data());
        // The long form where it fits; on a big wall's small cells the
        // numbers alone (the colour already says the kind).
        QStringList forms;
        if (u.view.matrixOutput == 0) {
          forms << tr("%1 矩阵 未接").arg(kind) << tr("未接");
        } else if (u.view.matrixInput) {
          forms << tr("%1 矩阵 输入 %2 → 输出 %3").arg(kind).arg(*u.view.matrixInput).arg(u.view.matrixOutput)
                << QStringLiteral("%1 → %2").arg(*u.view.matrixInput).arg(u.view.matrixOutput);
        } else {
          forms << tr("%1 矩阵 输出 %2").arg(kind).arg(u.view.matrixOutput)
                << tr("输出 %1").arg(u.view.matrixOutput);
        }
        QString route = forms.last();
        for (const QString& form : forms) {
          if (p.fontMetrics().horizontalAdvance(form) <= inner.width()) {
            route = form;
            break;
          }
        }
        route = p.fontMetrics().elidedText(route, Qt::ElideRight, static_cast<int>(inner.width()));
        p.drawText(inner, Qt::AlignHCenter | Qt::AlignBottom, route);
      }
    }
  }

  // Picture-in-picture windows over their blocks.
  for (const sim::PipWindow& w : windows) {
    const int bottom = std::min(w.block.bottom, rows - 1);
    const int right = std::min(w.block.right, columns - 1);
    if (w.block.top >= rows || w.block.left >= columns) continue;
    const QRectF block = cellRect(w.block.top, w.block.left).united(cellRect(bottom, right));
    const QRectF win(block.left() + block.width() * w.left / 1000.0, block.top() + block.height() * w.top / 1000.0,
                     block.width() * w.width / 1000.0, block.height() * w.height / 1000.0);
    QPainterPath path;
    path.addRoundedRect(win.adjusted(2, 2, -2, -2), 4, 4);
    p.fillPath(path, QColor(0x11, 0x14, 0x1b, 240));
    p.setPen(QPen(kPip, 2));
    p.drawPath(path);
    const std::string name = sourceName(productType, sim::sourceCodeOfInput(w.inputCode));
    p.setFont(small);
    p.setPen(kPip);
    p.drawText(win.adjusted(6, 4, -6, -4), Qt::AlignCenter | Qt::TextWordWrap,
               tr("子窗口 %1").arg(name.empty() ? QStringLiteral("—") : QString::fromStdString(name)));
  }

  // The last frames decoded.
  const QRect log(kMargin, height() - logHeight - kMargin + 8, width() - 2 * kMargin, logHeight);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x13, 0x17, 0x1f));
  p.drawRoundedRect(log, 6, 6);
  QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  mono.setPointSizeF(small.pointSizeF());
  p.setFont(mono);
  int y = log.top() + 8;
  if (recent_.isEmpty()) {
    p.setPen(kMuted);
    p.drawText(QRect(log.left() + 10, y, log.width() - 20, kLogLineHeight), Qt::AlignLeft | Qt::AlignVCenter,
               tr("等待命令……"));
  }
  for (const QString& line : recent_) {
    p.setPen(line.contains(QStringLiteral("unknown")) ? QColor(0xe0, 0x6c, 0x75) : QColor(0xa3, 0xbe, 0x8c));
    p.drawText(QRect(log.left() + 10, y, log.width() - 20, kLogLineHeight), Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(line, Qt::ElideRight, log.width() - 20));
    y += kLogLineHeight;
  }
}

}  // namespace wall
