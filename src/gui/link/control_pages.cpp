#include "gui/link/control_pages.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/app/numeric_field.h"
#include "core/app/session.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_text.h"
#include "gui/app/wall_grid.h"

namespace wall {

namespace {

constexpr int kGroupWidth = 160;
constexpr int kGroupHeight = 64;
constexpr int kPanelWidth = ControlPages::kPageFlowWidth;
constexpr int kGap = 8;

QString text(std::string_view chinese) {
  return QCoreApplication::translate("ControlPages", std::string(chinese).c_str());
}
QString name(std::string_view n) { return QString::fromUtf8(n.data(), static_cast<qsizetype>(n.size())); }

// Every text of the pages (the control tables hold them as plain strings),
// so that lupdate finds them.
[[maybe_unused]] const char* const kTexts[] = {
    QT_TRANSLATE_NOOP("ControlPages", "关"),
    QT_TRANSLATE_NOOP("ControlPages", "开"),
    QT_TRANSLATE_NOOP("ControlPages", "亮  度"),
    QT_TRANSLATE_NOOP("ControlPages", "对比度"),
    QT_TRANSLATE_NOOP("ControlPages", "清晰度"),
    QT_TRANSLATE_NOOP("ControlPages", "饱和度"),
    QT_TRANSLATE_NOOP("ControlPages", "色  调"),
    QT_TRANSLATE_NOOP("ControlPages", "降  噪"),
    QT_TRANSLATE_NOOP("ControlPages", "低"),
    QT_TRANSLATE_NOOP("ControlPages", "中"),
    QT_TRANSLATE_NOOP("ControlPages", "高"),
    QT_TRANSLATE_NOOP("ControlPages", "图像翻转"),
    QT_TRANSLATE_NOOP("ControlPages", "90°"),
    QT_TRANSLATE_NOOP("ControlPages", "180°"),
    QT_TRANSLATE_NOOP("ControlPages", "270°"),
    QT_TRANSLATE_NOOP("ControlPages", "画质调整"),
    QT_TRANSLATE_NOOP("ControlPages", "水平位置"),
    QT_TRANSLATE_NOOP("ControlPages", "垂直位置"),
    QT_TRANSLATE_NOOP("ControlPages", "时  钟"),
    QT_TRANSLATE_NOOP("ControlPages", "相  位"),
    QT_TRANSLATE_NOOP("ControlPages", "水平框架"),
    QT_TRANSLATE_NOOP("ControlPages", "垂直框架"),
    QT_TRANSLATE_NOOP("ControlPages", "框架开关"),
    QT_TRANSLATE_NOOP("ControlPages", "水平尺寸"),
    QT_TRANSLATE_NOOP("ControlPages", "垂直尺寸"),
    QT_TRANSLATE_NOOP("ControlPages", "风  扇"),
    QT_TRANSLATE_NOOP("ControlPages", "无信号"),
    QT_TRANSLATE_NOOP("ControlPages", "普通"),
    QT_TRANSLATE_NOOP("ControlPages", "蓝屏"),
    QT_TRANSLATE_NOOP("ControlPages", "黑屏"),
    QT_TRANSLATE_NOOP("ControlPages", "关背光"),
    QT_TRANSLATE_NOOP("ControlPages", "背光亮度"),
    QT_TRANSLATE_NOOP("ControlPages", "边缘亮度"),
    QT_TRANSLATE_NOOP("ControlPages", "投影方向"),
    QT_TRANSLATE_NOOP("ControlPages", "正投正向"),
    QT_TRANSLATE_NOOP("ControlPages", "背投正向"),
    QT_TRANSLATE_NOOP("ControlPages", "正投反向"),
    QT_TRANSLATE_NOOP("ControlPages", "背投反向"),
    QT_TRANSLATE_NOOP("ControlPages", "色温模式"),
    QT_TRANSLATE_NOOP("ControlPages", "伽玛模式"),
    QT_TRANSLATE_NOOP("ControlPages", "模式1"),
    QT_TRANSLATE_NOOP("ControlPages", "模式2"),
    QT_TRANSLATE_NOOP("ControlPages", "模式3"),
    QT_TRANSLATE_NOOP("ControlPages", "模式4"),
    QT_TRANSLATE_NOOP("ControlPages", "模式5"),
    QT_TRANSLATE_NOOP("ControlPages", "色坐标X"),
    QT_TRANSLATE_NOOP("ControlPages", "色坐标Y"),
    QT_TRANSLATE_NOOP("ControlPages", "增益Gain"),
    QT_TRANSLATE_NOOP("ControlPages", "去雾度"),
    QT_TRANSLATE_NOOP("ControlPages", "半 屏"),
    QT_TRANSLATE_NOOP("ControlPages", "去雾功能"),
    QT_TRANSLATE_NOOP("ControlPages", "自动"),
    QT_TRANSLATE_NOOP("ControlPages", "手动"),
    QT_TRANSLATE_NOOP("ControlPages", "低照度"),
    QT_TRANSLATE_NOOP("ControlPages", "除 白"),
    QT_TRANSLATE_NOOP("ControlPages", "色彩自动调整"),
    QT_TRANSLATE_NOOP("ControlPages", "ADC调整"),
    QT_TRANSLATE_NOOP("ControlPages", "色差调整"),
    QT_TRANSLATE_NOOP("ControlPages", "位置自动调整"),
    QT_TRANSLATE_NOOP("ControlPages", "重 显 率"),
    QT_TRANSLATE_NOOP("ControlPages", "画 中 画"),
    QT_TRANSLATE_NOOP("ControlPages", "副 画 面"),
    QT_TRANSLATE_NOOP("ControlPages", "边框颜色"),
    QT_TRANSLATE_NOOP("ControlPages", "尺  寸"),
    QT_TRANSLATE_NOOP("ControlPages", "交  换"),
    QT_TRANSLATE_NOOP("ControlPages", "保存"),
    QT_TRANSLATE_NOOP("ControlPages", "导出"),
    QT_TRANSLATE_NOOP("ControlPages", "应用"),
    QT_TRANSLATE_NOOP("ControlPages", "版本信息"),
    QT_TRANSLATE_NOOP("ControlPages", "设置地址"),
    QT_TRANSLATE_NOOP("ControlPages", "工厂初始化"),
    QT_TRANSLATE_NOOP("ControlPages", "不规则拼接"),
    QT_TRANSLATE_NOOP("ControlPages", "关闭"),
    QT_TRANSLATE_NOOP("ControlPages", "网格"),
    QT_TRANSLATE_NOOP("ControlPages", "16灰阶"),
    QT_TRANSLATE_NOOP("ControlPages", "32灰阶"),
    QT_TRANSLATE_NOOP("ControlPages", "64灰阶"),
    QT_TRANSLATE_NOOP("ControlPages", "256灰阶"),
    QT_TRANSLATE_NOOP("ControlPages", "彩条"),
    QT_TRANSLATE_NOOP("ControlPages", "黑"),
    QT_TRANSLATE_NOOP("ControlPages", "白"),
    QT_TRANSLATE_NOOP("ControlPages", "红"),
    QT_TRANSLATE_NOOP("ControlPages", "绿"),
    QT_TRANSLATE_NOOP("ControlPages", "蓝"),
    QT_TRANSLATE_NOOP("ControlPages", "青"),
    QT_TRANSLATE_NOOP("ControlPages", "黄"),
    QT_TRANSLATE_NOOP("ControlPages", "紫"),
    QT_TRANSLATE_NOOP("ControlPages", "灰度"),
    QT_TRANSLATE_NOOP("ControlPages", "电源"),
    QT_TRANSLATE_NOOP("ControlPages", "静音"),
    QT_TRANSLATE_NOOP("ControlPages", "菜单"),
    QT_TRANSLATE_NOOP("ControlPages", "信号"),
    QT_TRANSLATE_NOOP("ControlPages", "上"),
    QT_TRANSLATE_NOOP("ControlPages", "下"),
    QT_TRANSLATE_NOOP("ControlPages", "左"),
    QT_TRANSLATE_NOOP("ControlPages", "右"),
    QT_TRANSLATE_NOOP("ControlPages", "工厂菜单"),
    QT_TRANSLATE_NOOP("ControlPages", "主副交换"),
    QT_TRANSLATE_NOOP("ControlPages", "系统保存"),
    QT_TRANSLATE_NOOP("ControlPages", "0°"),
    QT_TRANSLATE_NOOP("ControlPages", "图像冻结"),
    QT_TRANSLATE_NOOP("ControlPages", "系统信息"),
    QT_TRANSLATE_NOOP("ControlPages", "温度信息"),
    QT_TRANSLATE_NOOP("ControlPages", "1366X768三星"),
    QT_TRANSLATE_NOOP("ControlPages", "读取所有"),
    QT_TRANSLATE_NOOP("ControlPages", "停止读取"),
    QT_TRANSLATE_NOOP("ControlPages", "读"),
    QT_TRANSLATE_NOOP("ControlPages", "写"),
    QT_TRANSLATE_NOOP("ControlPages", "发送"),
    QT_TRANSLATE_NOOP("ControlPages", "基色调整"),
    QT_TRANSLATE_NOOP("ControlPages", "屏参设置"),
    QT_TRANSLATE_NOOP("ControlPages", "密码"),
    QT_TRANSLATE_NOOP("ControlPages", "LVDS信号标准"),
    QT_TRANSLATE_NOOP("ControlPages", "色彩制式"),
    QT_TRANSLATE_NOOP("ControlPages", "动态模式"),
    QT_TRANSLATE_NOOP("ControlPages", "遥控按键"),
    QT_TRANSLATE_NOOP("ControlPages", "白色"),
    QT_TRANSLATE_NOOP("ControlPages", "红色"),
    QT_TRANSLATE_NOOP("ControlPages", "绿色"),
    QT_TRANSLATE_NOOP("ControlPages", "蓝色"),
    QT_TRANSLATE_NOOP("ControlPages", "青色"),
    QT_TRANSLATE_NOOP("ControlPages", "紫色"),
    QT_TRANSLATE_NOOP("ControlPages", "黄色"),
};

}  // namespace

template <class T>
T* ControlPages::find(std::string_view n) const {
  if (n.empty()) return nullptr;
  return window_.findChild<T*>(name(n));
}

ControlPages::ControlPages(MainWindow& window) : QObject(&window), window_(window) {
  pages_ = window.findChild<QTabWidget*>("PageControl1");
  for (int p = 0; p < kPageCount; ++p) {
    // Below what the window placed already (the groups SetBoard moves).
    int bottom = 0;
    for (QWidget* w : pagePanel(p)->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      bottom = std::max(bottom, w->geometry().bottom() + 1);
    }
    nextSlot_[p] = bottom;
  }
  buildGroups();
  buildColourEditor();
  buildButtons();
  buildRawSender();
  buildPanelParameters();
  buildSidePanel();
  // Each page scrolls when the window is too small for its groups.
  for (int p = 0; p < kPageCount; ++p) {
    QWidget* panel = pagePanel(p);
    fitPage(panel);
    QWidget* page = pages_ ? static_cast<QTabWidget*>(pages_)->widget(p) : nullptr;
    if (!page || panel == page) continue;
    auto* scroll = new QScrollArea(page);
    scroll->setObjectName(QStringLiteral("%1Scroll").arg(panel->objectName()));
    scroll->setFrameShape(QFrame::NoFrame);
    page->layout()->replaceWidget(panel, scroll);
    const bool visible = !panel->isHidden();
    scroll->setWidget(panel);
    panel->setVisible(visible);
  }
  auto& runner = window_.runner();
  connect(&runner, &ScriptRunner::replyRead, this, &ControlPages::onReplyRead);
  connect(&runner, &ScriptRunner::finished, this, &ControlPages::onScriptFinished);
  for (const char* a : {"N49", "N55"}) {
    if (auto* action = window_.findChild<QAction*>(a)) action->setEnabled(true);
  }
  connect(window_.findChild<QAction*>("N49"), &QAction::triggered, this, &ControlPages::readPage);
  connect(window_.findChild<QAction*>("N55"), &QAction::triggered, this, &ControlPages::readSources);
  retranslate();
}

ControlPages::~ControlPages() = default;

void ControlPages::fitPage(QWidget* panel) {
  const QSize all = panel->childrenRect().united(QRect(0, 0, kPanelWidth, 1)).size() + QSize(kGap, kGap);
  panel->setMinimumSize(panel->minimumSize().expandedTo(all));
}

QWidget* ControlPages::pagePanel(int page) {
  auto* tabs = static_cast<QTabWidget*>(pages_);
  QWidget* tab = tabs->widget(page);
  static const char* kPanels[] = {"Panel50", "Panel51", "Panel52", "Panel53", "Panel54",
                                  "Panel55", "Panel56", "Panel57", "Panel58", nullptr};
  if (!kPanels[page]) return tab;
  return tab->findChild<QWidget*>(kPanels[page]);
}

// Places `w` at the page's next free place: a flow of rows below the
// window's own groups.
QWidget* ControlPages::placeAt(int page, QWidget* w) {
  QWidget* panel = pagePanel(page);
  w->setParent(panel);
  int x = kGap;
  int y = nextSlot_[page] + kGap;
  // Find the end of the current row.
  for (QWidget* other : panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (other == w) continue;
    if (other->y() == y && other->geometry().right() + kGap + 1 > x) x = other->geometry().right() + kGap + 1;
  }
  if (x + w->width() > kPanelWidth) {
    int bottom = y;
    for (QWidget* other : panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (other != w && other->y() == y) bottom = std::max(bottom, other->geometry().bottom() + 1);
    }
    nextSlot_[page] = bottom;
    x = kGap;
    y = bottom + kGap;
  }
  w->move(x, y);
  w->show();
  return w;
}

QWidget* ControlPages::groupBox(const GroupDef& g) {
  auto* box = find<QGroupBox>(g.panel);
  if (!box) {
    box = new QGroupBox;
    box->setObjectName(name(g.panel));
    box->resize(kGroupWidth, kGroupHeight);
    placeAt(g.page, box);
  } else {
    box->resize(kGroupWidth, kGroupHeight);
  }
  if (g.hidden) box->hide();
  return box;
}

void ControlPages::buildGroups() {
  for (const GroupDef& g : controlGroups()) {
    QWidget* box = groupBox(g);
    if (g.kind == GroupKind::Value) {
      wireValueGroup(g, box);
    } else {
      wireChoiceGroup(g, box);
    }
  }
}

std::uint8_t ControlPages::groupCode(const GroupDef& g) const {
  for (int row = 0; row < kCoordinateCount; ++row) {
    if (kColourRows[static_cast<std::size_t>(row)] == g.panel) return colourCode(colour_, row);
  }
  return g.code;
}

void ControlPages::wireValueGroup(const GroupDef& g, QWidget* box) {
  auto button = [&](std::string_view n) {
    auto* b = find<QPushButton>(n);
    if (!b) b = new QPushButton(box);
    b->setParent(box);
    b->setObjectName(name(n));
    b->show();
    return b;
  };
  QPushButton* minus = button(g.minus);
  QPushButton* plus = button(g.plus);
  minus->setText(QStringLiteral("-"));
  plus->setText(QStringLiteral("+"));
  auto* bar = new QScrollBar(Qt::Horizontal, box);
  bar->setObjectName(name(g.bar));
  bar->setRange(g.minimum, g.maximum);
  auto* edit = new QLineEdit(box);
  edit->setObjectName(name(g.edit));
  edit->setText(QString::number(bar->value()));
  QPushButton* write = button(g.write);
  QPushButton* read = button(g.read);
  const int coordinate = [&] {
    for (int row = 0; row < kCoordinateCount; ++row) {
      if (kColourRows[static_cast<std::size_t>(row)] == g.panel) return row;
    }
    return -1;
  }();
  connect(minus, &QPushButton::clicked, this, [this, &g] { send(frames().buttonIncDec(groupCode(g), 0)); });
  connect(plus, &QPushButton::clicked, this, [this, &g] { send(frames().buttonIncDec(groupCode(g), 1)); });
  connect(bar, &QScrollBar::valueChanged, edit, [edit](int v) { edit->setText(QString::number(v)); });
  connect(edit, &QLineEdit::textEdited, this, [this, edit, bar] { onEditChanged(edit, bar); });
  connect(write, &QPushButton::clicked, this, [this, &g, bar, coordinate] {
    send(frames().buttonWrite(groupCode(g), static_cast<std::uint32_t>(bar->value())));
    if (coordinate >= 0) colours_.set(colour_, coordinate, bar->value());
  });
  connect(read, &QPushButton::clicked, this, [this, &g, coordinate] {
    ReadItem item;
    item.code = groupCode(g);
    item.control = g.bar;
    item.edit = g.edit;
    item.colour = coordinate >= 0 ? colour_ : -1;
    item.coordinate = coordinate;
    startRead(buttonReadInto(readContext(), item));
  });
}

void ControlPages::wireChoiceGroup(const GroupDef& g, QWidget* box) {
  auto* list = new QComboBox(box);
  list->setObjectName(name(g.bar));
  for (auto item : g.items) list->addItem(text(item));
  list->setCurrentIndex(0);
  auto button = [&](std::string_view n, const QString& fallback) {
    auto* b = find<QPushButton>(n);
    if (!b) b = new QPushButton(box);
    b->setParent(box);
    b->setObjectName(n.empty() ? fallback : name(n));
    b->show();
    return b;
  };
  QPushButton* write = button(g.write, QString());
  QPushButton* read = button(g.read, name(g.panel) + QStringLiteral("Read"));
  read->setEnabled(!g.readDisabled);
  connect(list, &QComboBox::activated, this, [this, &g](int index) {
    const auto& v = window_.session().values();
    if (auto frame = choiceChangeFrame(frames(), g, index, v.boardSel, v.readEn)) send(*frame);
  });
  connect(write, &QPushButton::clicked, this, [this, &g, list] { send(choiceWriteFrame(frames(), g, list->currentIndex())); });
  connect(read, &QPushButton::clicked, this, [this, &g] { startRead(buttonRead(readContext(), g)); });
}

void ControlPages::buildColourEditor() {
  auto* box = new QGroupBox;
  box->setObjectName("GroupBox1");
  box->resize(kPanelWidth - 2 * kGap, 48);
  auto* row = new QHBoxLayout(box);
  for (int c = 0; c < kColourCount; ++c) {
    auto* radio = new QRadioButton(box);
    radio->setObjectName(name(kColourRadios[static_cast<std::size_t>(c)]));
    radio->setChecked(c == 0);
    row->addWidget(radio);
    connect(radio, &QRadioButton::clicked, this, [this, c] { selectColour(c); });
  }
  placeAt(kPageDlp, box);
}

void ControlPages::selectColour(int colour) {
  colour_ = colour;
  for (int row = 0; row < kCoordinateCount; ++row) {
    const GroupDef* g = findGroup(kColourRows[static_cast<std::size_t>(row)]);
    auto* bar = find<QScrollBar>(g->bar);
    bar->setValue(colours_.value(colour, row));
    find<QLineEdit>(g->edit)->setText(QString::number(bar->value()));
  }
}

void ControlPages::buildButtons() {
  for (const ButtonDef& b : controlButtons()) {
    if (b.page < 0) continue;
    auto* button = find<QPushButton>(b.name);
    if (!button) {
      button = new QPushButton;
      button->setObjectName(name(b.name));
      button->resize(b.group.empty() ? 96 : 64, 26);
      if (b.group.empty()) {
        placeAt(b.page, button);
      } else {
        auto* box = find<QGroupBox>(b.group);
        if (!box) {
          box = new QGroupBox;
          box->setObjectName(name(b.group));
          box->resize(kGroupWidth, kGroupHeight);
          placeAt(b.page, box);
        }
        // Buttons of a box flow in rows of two.
        const int n = static_cast<int>(box->findChildren<QPushButton*>().size());
        if (n >= 4) box->resize(std::max(box->width(), 8 + ((n + 2) / 2) * 70), box->height());
        button->setParent(box);
        button->move(6 + (n / 2) * 70, 16 + (n % 2) * 22);
        button->resize(64, 20);
        button->show();
      }
    }
    const ButtonDef* def = &b;
    connect(button, &QPushButton::clicked, this, [this, def] {
      if (auto frame = buttonFrame(frames(), *def, window_.session().values().boardSel)) send(*frame);
    });
  }
  // The test patterns' "-" and "+".
  for (bool plus : {false, true}) {
    auto* b = new QPushButton(plus ? QStringLiteral("+") : QStringLiteral("-"));
    b->setObjectName(plus ? "BitBtn79" : "BitBtn55");
    b->resize(40, 26);
    placeAt(kPageTestPattern, b);
    connect(b, &QPushButton::clicked, this, [this, plus] {
      send(testPatternStepFrame(frames(), plus, window_.session().values().boardSel));
    });
  }
  buildConfigButtons();
}

void ControlPages::buildConfigButtons() {
  connect(find<QPushButton>("suiButton129"), &QPushButton::clicked, this, [this] {
    auto* d = new QFileDialog(&window_, QString(), QString(), QStringLiteral("Config|*.cfg"));
    d->setObjectName("SaveFileDialog");
    d->setAcceptMode(QFileDialog::AcceptSave);
    d->selectFile(QStringLiteral("myFile"));
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &QFileDialog::fileSelected, this, [this](const QString& file) {
      const std::string error = config_.save(ConfigList::savedFileName(ss(file)));
      if (!error.empty()) QMessageBox::warning(&window_, QString(), qs(error));
    });
    d->open();
  });
  connect(find<QPushButton>("suiButton130"), &QPushButton::clicked, this, [this] {
    auto* d = new QFileDialog(&window_, QString(), QString(), QStringLiteral("Config|*.cfg"));
    d->setObjectName("OpenFileDialog");
    d->setFileMode(QFileDialog::ExistingFile);
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &QFileDialog::fileSelected, this, [this](const QString& file) {
      const std::string error = config_.load(ss(file), window_.session().language());
      if (!error.empty()) QMessageBox::information(&window_, QString(), qs(error));
    });
    d->open();
  });
  connect(find<QPushButton>("suiButton131"), &QPushButton::clicked, this, [this] {
    const auto& v = window_.session().values();
    window_.runner().submit(config_.replay(v.cmdForm, window_.session().selection()));
  });
}

void ControlPages::buildRawSender() {
  auto* box = new QGroupBox;
  box->setObjectName("RawSenderBox");
  box->resize(kPanelWidth - 2 * kGap, 52);
  auto* row = new QHBoxLayout(box);
  auto* list = new QComboBox(box);
  list->setObjectName("ComboBox1");
  list->setEditable(true);
  list->setInsertPolicy(QComboBox::NoInsert);
  list->addItem(QString::fromLatin1(kRawInitialItem));
  auto* sendButton = new QPushButton(box);
  sendButton->setObjectName("BitBtn61");
  row->addWidget(list, 1);
  row->addWidget(sendButton);
  placeAt(kPageService, box);
  connect(list, &QComboBox::activated, this, [this](int i) { raw_.select(i); });
  connect(sendButton, &QPushButton::clicked, this, [this, list] {
    const QString typed = list->currentText();
    RawSendResult r = raw_.send(ss(typed), window_.session().language());
    list->clear();
    for (const std::string& item : raw_.items()) list->addItem(qs(item));
    list->setCurrentIndex(raw_.selected());
    list->setEditText(typed);
    if (r.bytes) {
      // The command format and the selection play no part.
      window_.runner().submit(Script().send(kWallDevice, std::move(*r.bytes)));
      return;
    }
    auto* message = new QMessageBox(QMessageBox::Information, qs(r.caption), qs(r.message), QMessageBox::Ok, &window_);
    message->setObjectName("rawSenderMessage");
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->open();
  });
}

void ControlPages::buildPanelParameters() {
  auto* box = new QGroupBox;
  box->setObjectName("GroupBox7");
  box->resize(2 * kGroupWidth, kGroupHeight);
  auto* row = new QHBoxLayout(box);
  auto* label = new QLabel(box);
  label->setObjectName("GroupBox7PasswordLabel");
  auto* pwd = new QLineEdit(box);
  pwd->setObjectName("EditPwd");
  pwd->setEchoMode(QLineEdit::Password);
  auto* list = new QComboBox(box);
  list->setObjectName("ComboBox3");
  for (const PanelParameter& p : kPanelParameters) list->addItem(name(p.item));
  list->setEnabled(false);
  row->addWidget(label);
  row->addWidget(pwd);
  row->addWidget(list, 1);
  placeAt(kPageOther, box);
  connect(pwd, &QLineEdit::textChanged, list, [list](const QString& t) { list->setEnabled(ss(t) == kPanelUnlockCode); });
  connect(list, &QComboBox::activated, this, [this, pwd](int index) {
    if (auto frame = panelParameterFrame(frames(), ss(pwd->text()), index)) send(*frame);
  });
}

void ControlPages::buildSidePanel() {
  QWidget* side = window_.findChild<QWidget*>("suiSideChannel1");
  auto* layout = side ? qobject_cast<QVBoxLayout*>(side->layout()) : nullptr;
  auto add = [&](const char* n) {
    auto* b = new QPushButton(side);
    b->setObjectName(n);
    if (layout) layout->addWidget(b);
    return b;
  };
  connect(add("Button1"), &QPushButton::clicked, this, &ControlPages::readAll);
  connect(add("suiButton97"), &QPushButton::clicked, this, &ControlPages::stopReading);
  connect(add("BitBtn8"), &QPushButton::clicked, this, [this] {
    if (auto frame = buttonFrame(frames(), *findButton("BitBtn8"), window_.session().values().boardSel)) send(*frame);
  });
  connect(add("BitBtn9"), &QPushButton::clicked, this,
          [this] { send(freeze_.click(frames(), window_.session().values().boardSel)); });
  if (auto* temperature = find<QPushButton>("btn2")) {
    connect(temperature, &QPushButton::clicked, this, [this] { send(frames().buttonIncDec(0xBE, 1)); });
  }
}

void ControlPages::onEditChanged(QLineEdit* edit, QScrollBar* bar) {
  const NumericFieldResult r = numericFieldChanged(ss(edit->text()), bar->maximum());
  if (r.beep) QApplication::beep();
  if (!r.value) {
    edit->setText(qs(r.text));
    return;
  }
  bar->setValue(*r.value);
  edit->setText(QString::number(bar->value()));
}

void ControlPages::readEnable(bool on) {
  for (const GroupDef& g : controlGroups()) {
    if (g.alwaysShown) continue;
    for (auto n : {g.write, g.read}) {
      if (auto* w = find<QWidget>(n)) w->setVisible(on);
    }
    if (g.kind == GroupKind::Choice) continue;
    find<QWidget>(g.bar)->setVisible(on);
    find<QWidget>(g.edit)->setVisible(on);
    auto* minus = find<QWidget>(g.minus);
    auto* plus = find<QWidget>(g.plus);
    auto* box = find<QGroupBox>(g.panel);
    if (on) {
      // Full layout: "-" and "+" beside the bar, field and buttons below.
      minus->setGeometry(4, 18, 22, 20);
      plus->setGeometry(28, 18, 22, 20);
      find<QWidget>(g.bar)->setGeometry(54, 20, 100, 16);
      find<QWidget>(g.edit)->setGeometry(4, 40, 44, 20);
      find<QWidget>(g.write)->setGeometry(52, 40, 48, 20);
      find<QWidget>(g.read)->setGeometry(104, 40, 48, 20);
      if (box) box->setFlat(true);
    } else {
      // Compact: only the caption with "-" and "+", 25 × 25.
      minus->setGeometry(40, 24, 25, 25);
      plus->setGeometry(80, 24, 25, 25);
      if (box) box->setFlat(false);
    }
  }
  for (const GroupDef& g : controlGroups()) {
    if (g.kind != GroupKind::Choice) continue;
    find<QWidget>(g.bar)->setGeometry(4, 18, 150, 20);
    if (auto* w = find<QWidget>(g.write)) w->setGeometry(4, 40, 72, 20);
    const QString readName = g.read.empty() ? name(g.panel) + QStringLiteral("Read") : name(g.read);
    if (auto* r = window_.findChild<QWidget*>(readName)) r->setGeometry(82, 40, 72, 20);
  }
  for (const char* n : {"Button1", "suiButton97"}) find<QWidget>(n)->setVisible(on);
}

void ControlPages::retranslate() {
  for (const GroupDef& g : controlGroups()) {
    if (auto* box = find<QGroupBox>(g.panel)) box->setTitle(text(g.caption));
    if (auto* w = find<QPushButton>(g.write)) w->setText(text("写"));
    if (auto* r = find<QPushButton>(g.read)) r->setText(text("读"));
    if (g.read.empty()) {
      if (auto* r = window_.findChild<QPushButton*>(name(g.panel) + QStringLiteral("Read"))) r->setText(text("读"));
    }
    if (g.kind == GroupKind::Choice) {
      auto* list = find<QComboBox>(g.bar);
      for (int i = 0; i < list->count(); ++i) list->setItemText(i, text(g.items[static_cast<std::size_t>(i)]));
    }
  }
  for (const ButtonDef& b : controlButtons()) {
    if (auto* w = find<QPushButton>(b.name)) w->setText(text(b.caption));
  }
  const std::string_view colourNames[] = {"白色", "红色", "绿色", "蓝色", "青色", "紫色", "黄色"};
  for (int c = 0; c < kColourCount; ++c) {
    find<QRadioButton>(kColourRadios[static_cast<std::size_t>(c)])->setText(text(colourNames[c]));
  }
  find<QGroupBox>("GroupBox1")->setTitle(text("基色调整"));
  find<QGroupBox>("GroupBox7")->setTitle(text("屏参设置"));
  find<QLabel>("GroupBox7PasswordLabel")->setText(text("密码"));
  find<QPushButton>("BitBtn61")->setText(text("发送"));
  find<QGroupBox>("GroupBox3")->setTitle(text("LVDS信号标准"));
  find<QGroupBox>("Panel18")->setTitle(text("遥控按键"));
  find<QGroupBox>("Panel32")->setTitle(text("色彩制式"));
  find<QGroupBox>("Panel46")->setTitle(text("动态模式"));
  for (auto [n, t] : {std::pair{"Button1", "读取所有"}, {"suiButton97", "停止读取"}, {"BitBtn8", "系统信息"},
                      {"BitBtn9", "图像冻结"}, {"btn2", "温度信息"}}) {
    if (auto* b = find<QPushButton>(n)) b->setText(text(t));
  }
}

void ControlPages::send(const Bytes& bytes) { window_.runner().submit(Script().send(kWallDevice, bytes)); }

WallFrames ControlPages::frames() const {
  return WallFrames(window_.session().values().cmdForm, window_.session().selection());
}

ReadContext ControlPages::readContext() const {
  const Session& s = window_.session();
  const auto& v = s.values();
  ReadContext c;
  c.cmdForm = v.cmdForm;
  c.selection = s.selection();
  c.cmdDelayTime10Ms = v.cmdDelayTime10Ms;
  c.productType = v.boardSel;
  c.accessLevel = s.accessLevel();
  c.manYou = v.manYou;
  c.rows = s.rows();
  c.columns = s.columns();
  return c;
}

void ControlPages::startRead(ReadPlan plan) {
  if (readId_ != 0) return;  // one read at a time, as the window's reads always were
  run_ = std::make_unique<ReadBackRun>(std::move(plan), readContext(), *this, &config_);
  readId_ = window_.runner().submit(run_->plan().script);
}

void ControlPages::readAll() {
  stopFlag_ = false;
  startRead(wall::readAll(readContext()));
}

void ControlPages::stopReading() {
  stopFlag_ = true;
  if (readId_ != 0) window_.runner().cancel(readId_);
}

void ControlPages::readPage() {
  stopFlag_ = false;
  startRead(pageRead(readContext(), static_cast<QTabWidget*>(pages_)->currentIndex()));
}

void ControlPages::readSources() {
  stopFlag_ = false;
  startRead(getMainSource(readContext()));
}

void ControlPages::onReplyRead(ScriptId id, const ReadResult& result) {
  if (id != readId_ || !run_) return;
  run_->apply(result);
}

void ControlPages::onScriptFinished(const ScriptReport& report) {
  if (report.id != readId_ || !run_) return;
  readId_ = 0;
  const ReadEnd end = run_->finish(stopFlag_, window_.session().language());
  if (end.setsStatus) setStatus(end.status ? ReadState::Success : ReadState::Failure);
  if (end.showMessage) {
    auto* box = new QMessageBox(QMessageBox::Information, qs(end.caption), qs(end.message), QMessageBox::Ok, &window_);
    box->setObjectName("readMessage");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
  }
  emit readFinished();
}

int ControlPages::setValue(const ReadItem& item, const ReplyValue& reply) {
  auto* bar = find<QScrollBar>(item.control);
  if (!bar) return reply.value;
  const BarState s = applyReply({bar->minimum(), bar->maximum(), bar->value()}, reply);
  bar->setRange(s.minimum, s.maximum);
  bar->setValue(s.position);
  if (auto* edit = find<QLineEdit>(item.edit)) edit->setText(QString::number(bar->value()));
  return bar->value();
}

void ControlPages::setListIndex(const ReadItem& item, int index) {
  if (auto* list = find<QComboBox>(item.control)) list->setCurrentIndex(index < list->count() ? index : -1);
}

void ControlPages::setUnitSource(int row, int column, int source) {
  window_.session().setUnitSource(row, column, source);
  window_.grid()->wallModel()->refresh();
}

void ControlPages::setColourValue(int colour, int coordinate, int value) { colours_.set(colour, coordinate, value); }

void ControlPages::setEnabled(std::string_view control) {
  if (auto* w = find<QWidget>(control)) w->setEnabled(true);
}

void ControlPages::setStatus(ReadState state) {
  if (auto* label = window_.findChild<QLabel*>("StatusPanel3")) {
    label->setText(qs(readStatusText(state, window_.session().language())));
  }
}

}  // namespace wall
