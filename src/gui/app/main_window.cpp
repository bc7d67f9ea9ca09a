#include "gui/app/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDateTime>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/app/product_types.h"
#include "core/app/session.h"
#include "core/app/wall_power.h"
#include "core/app/window_layout.h"
#include "core/link/script.h"
#include "core/settings/port_settings.h"
#include "gui/app/autostart.h"
#include "gui/app/power_off_dialog.h"
#include "gui/app/qt_text.h"
#include "gui/app/system_settings_dialog.h"
#include "gui/app/wall_grid.h"
#include "core/link/port_status.h"
#include "gui/link/control_pages.h"
#include "gui/link/port_dialog.h"
#include "gui/link/port_ui.h"
#include "gui/link/traffic_window.h"
#include "gui/matrix/matrix_dialogs.h"
#include "io/port_bank.h"
#include "io/port_opening.h"
#include "io/script_runner.h"

namespace wall {

namespace {

constexpr int kCalendarWidth = 140;
constexpr int kCalendarHeight = 130;
constexpr int kMargin = 6;

// The pages of the control panel in page order: tab, content panel.
struct PageDef {
  const char* tab;
  const char* panel;  // nullptr: the page shows no content panel
};
constexpr PageDef kPages[] = {
    {"TabSheet1", "Panel50"}, {"TabSheet2", "Panel51"}, {"TabSheet3", "Panel52"}, {"TabSheet4", "Panel53"},
    {"TabSheet5", "Panel54"}, {"TabSheet6", "Panel55"}, {"TabSheet7", "Panel56"}, {"TabSheet8", "Panel57"},
    {"TabSheet9", "Panel58"}, {"suiTabSheet1", nullptr},
};

// The groups and buttons that the product type shows, hides, moves or
// greys out; the control-panel pages place their controls around them.
struct Placeholder {
  int page;
  const char* name;
  bool button;
  int x, y;
  const char* writeButton;  // the group's "写" button, if SetBoard names it
};
constexpr Placeholder kPlaceholders[] = {
    {0, "Panel43", false, 8, 8, nullptr},       {1, "Panel12", false, 8, 8, nullptr},
    {1, "Panel13", false, 176, 8, nullptr},     {1, "Panel14", false, 344, 8, nullptr},
    {1, "BitBtn5", true, 512, 12, nullptr},     {1, "BitBtn6", true, 512, 48, nullptr},
    {2, "Panel15", false, 8, 32, "suiButton72"}, {2, "Panel16", false, 176, 32, "suiButton76"},
    {2, "Panel33", false, 344, 8, "suiButton98"}, {2, "Panel34", false, 512, 8, "suiButton102"},
    {3, "Panel42", false, 8, 8, nullptr},       {3, "Panel44", false, 176, 8, nullptr},
    {3, "GroupBox2", false, 344, 8, nullptr},   {3, "btn2", true, 512, 12, nullptr},
    {3, "btn3", true, 512, 48, nullptr},        {3, "BitBtn16", true, 512, 84, nullptr},
    {9, "Panel49", false, 8, 8, nullptr},       {9, "Panel59", false, 128, 8, nullptr},
    {9, "Panel60", false, 248, 8, nullptr},     {9, "Panel61", false, 368, 8, nullptr},
    {9, "Panel62", false, 8, 72, nullptr},      {9, "Panel64", false, 128, 72, nullptr},
    {9, "Panel65", false, 248, 72, nullptr},    {9, "GroupBox4", false, 368, 72, nullptr},
};

}  // namespace

MainWindow::MainWindow(Session& session, QString program, QWidget* parent)
    : QMainWindow(parent), session_(session), program_(std::move(program)) {
  setObjectName("Form1");
  ports_ = std::make_unique<PortBank>();
  for (int d = 1; d <= 5; ++d) {
    ports_->port(d).setSettings(session_.values().ports[static_cast<std::size_t>(d - 1)]);
  }
  runner_ = std::make_unique<ScriptRunner>(*ports_);
  systemModel_ = std::make_unique<SystemSettingsModel>(
      session_, [this](bool on) { return setAutostart(on, program_); });

  auto* central = new QWidget(this);
  central->setObjectName("centralWidget");
  setCentralWidget(central);
  grid_ = new WallGrid(session_, central);
  buildMenus();
  buildPages();
  buildSidePanel();
  buildCalendar();
  buildStatusBar();
  controlPages_ = new ControlPages(*this);

  // Every dialog exists from the start, hidden; the traffic window's
  // creation switches receive monitoring on.
  form2_ = new PowerOffDialog(this);
  traffic_ = new TrafficWindow(this);
  traffic_->setWindowFlag(Qt::Window);
  form27_ = new PortDialog(*ports_, session_, this);
  form9_ = new SystemSettingsDialog(*systemModel_, this);
  matrix_ = new MatrixDialogs(*this);
  connect(form2_, &PowerOffDialog::confirmed, this, [this] { runPowerScript(session_.powerOff(), false); });
  connect(form27_, &PortDialog::saved, this, &MainWindow::refreshStatus);
  // The status bar follows the wall port (a pulled adapter, its return).
  connect(&ports_->port(kWallDevice), &SerialPort::stateChanged, this, &MainWindow::refreshStatus);

  session_.setBoardObserver([this](const BoardView& view) { applyBoard(view); });

  connect(runner_.get(), &ScriptRunner::progress, this, [this](ScriptId id, int done, int steps) {
    if (id != powerScript_) return;
    progress_->setMaximum(steps);
    progress_->setValue(done);
  });
  connect(runner_.get(), &ScriptRunner::finished, this, &MainWindow::scriptFinished);

  // FormCreate's window: its size, and the tabs before the product applies.
  for (int i = 0; i < 10; ++i) {
    if (i != 8) pages_->setTabVisible(i, false);  // TabSheet9 stays
  }
  pages_->setTabVisible(session_.values().manYou ? 7 : 2, true);
  resize(kMainWindowWidth, kMainWindowHeight);
  timer_ = new QTimer(this);
  timer_->setInterval(100);
  connect(timer_, &QTimer::timeout, this, &MainWindow::tick);
  retranslate();
  tick();
  timer_->start();
}

MainWindow::~MainWindow() { session_.setBoardObserver({}); }

QAction* MainWindow::action(QMenu* menu, const char* name) {
  auto* a = new QAction(this);
  a->setObjectName(name);
  menu->addAction(a);
  return a;
}

void MainWindow::buildMenus() {
  QMenuBar* bar = menuBar();
  auto menu = [&](const char* name) {
    auto* m = new QMenu(this);
    m->setObjectName(name);
    bar->addMenu(m);
    return m;
  };
  QMenu* system = menu("N1");
  action(system, "N14")->setEnabled(false);  // the advanced-features dialog comes with access control
  auto* products = new QMenu(this);
  products->setObjectName("N23Menu");
  products->menuAction()->setObjectName("N23");
  system->addMenu(products);
  products->menuAction()->setVisible(false);
  auto* group = new QActionGroup(this);
  group->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
  for (const ProductMenuEntry& e : kProductMenu) {
    QAction* a = action(products, std::string(e.objectName).c_str());
    a->setText(QString::fromUtf8(e.caption.data(), static_cast<qsizetype>(e.caption.size())));
    a->setCheckable(true);
    a->setVisible(e.visibleInDesign);
    group->addAction(a);
    const int type = e.productType;
    connect(a, &QAction::triggered, this, [this, type] { session_.chooseProduct(type); });
  }
  QAction* timer = action(system, "N22");
  timer->setVisible(false);
  timer->setEnabled(false);
  system->addSeparator();
  connect(action(system, "N30"), &QAction::triggered, this, &MainWindow::powerOn);
  connect(action(system, "N31"), &QAction::triggered, this, &MainWindow::powerOff);
  system->addSeparator();
  connect(action(system, "N6"), &QAction::triggered, this, &MainWindow::close);

  QMenu* set = menu("N25");
  connect(action(set, "N7"), &QAction::triggered, this, &MainWindow::openPortDialog);
  for (const char* later : {"N9", "N5", "N24", "N10"}) action(set, later)->setEnabled(false);
  findChild<QAction*>("N9")->setVisible(false);
  findChild<QAction*>("N10")->setVisible(false);
  QAction* options = action(set, "N8");
  options->setVisible(false);  // shown by the advanced-features login
  connect(options, &QAction::triggered, this, &MainWindow::openSystemSettings);

  QMenu* tools = menu("N20");
  for (const char* later : {"N21", "N26"}) action(tools, later)->setEnabled(false);
  findChild<QAction*>("N21")->setVisible(false);
  QAction* traffic = action(tools, "N19");
  traffic->setVisible(false);  // shown by the advanced-features login
  connect(traffic, &QAction::triggered, this, &MainWindow::openTrafficWindow);
  for (const char* later : {"N62", "N63"}) action(tools, later)->setEnabled(false);
  findChild<QAction*>("N62")->setVisible(false);
  const bool ptz = session_.ptzMenusVisible();
  findChild<QAction*>("N26")->setVisible(ptz);
  findChild<QAction*>("N63")->setVisible(ptz);

  QMenu* language = menu("N3");
  QAction* zh = action(language, "N17");
  QAction* en = action(language, "N18");
  zh->setCheckable(true);
  en->setCheckable(true);
  connect(zh, &QAction::triggered, this, [this] { setLanguage(0); });
  connect(en, &QAction::triggered, this, [this] { setLanguage(1); });

  QMenu* about = menu("N4");
  connect(action(about, "u1"), &QAction::triggered, this, [this] {
    QMessageBox::about(this, tr("关于"),
                       QStringLiteral("Wall Control %1").arg(QStringLiteral(WALL_VERSION)));
  });
  QAction* help = action(about, "N11");
  help->setVisible(false);
  help->setEnabled(false);

  gridMenu_ = new QMenu(this);
  gridMenu_->setObjectName("PopupMenu1");
  for (const char* later : {"N16", "N55", "PanasonicLogin1", "PanasonicLogout1"}) {
    action(gridMenu_, later)->setEnabled(false);
  }
  findChild<QAction*>("PanasonicLogin1")->setVisible(session_.panasonicEntriesVisible());
  findChild<QAction*>("PanasonicLogout1")->setVisible(session_.panasonicEntriesVisible());
  grid_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(grid_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { gridMenu_->popup(grid_->viewport()->mapToGlobal(p)); });
}

void MainWindow::buildPages() {
  pages_ = new QTabWidget(centralWidget());
  pages_->setObjectName("PageControl1");
  for (int i = 0; i < 10; ++i) {
    auto* page = new QWidget;
    page->setObjectName(kPages[i].tab);
    if (kPages[i].panel) {
      auto* panel = new QWidget(page);
      panel->setObjectName(kPages[i].panel);
      auto* box = new QVBoxLayout(page);
      box->setContentsMargins(0, 0, 0, 0);
      box->addWidget(panel);
    }
    pages_->addTab(page, QString());
  }
  for (const Placeholder& p : kPlaceholders) {
    QWidget* page = pages_->widget(p.page);
    QWidget* parent = kPages[p.page].panel ? page->findChild<QWidget*>(kPages[p.page].panel) : page;
    QWidget* w = nullptr;
    if (p.button) {
      w = new QPushButton(parent);
      w->resize(150, 28);
    } else {
      auto* g = new QGroupBox(parent);
      g->resize(160, 56);
      if (p.writeButton) {
        auto* write = new QPushButton(g);
        write->setObjectName(p.writeButton);
        write->setGeometry(110, 22, 40, 26);
      }
      w = g;
    }
    w->setObjectName(p.name);
    w->move(p.x, p.y);
  }
  // btn2 and btn3 wait for the login or the product.
  pages_->findChild<QWidget*>("btn2")->hide();
  pages_->findChild<QWidget*>("btn3")->hide();
  connect(pages_, &QTabWidget::currentChanged, this, &MainWindow::pageChanged);
  pageMenu_ = new QMenu(this);
  pageMenu_->setObjectName("suiPopupMenu2");
  action(pageMenu_, "N49")->setEnabled(false);
  pages_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(pages_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { pageMenu_->popup(pages_->mapToGlobal(p)); });
}

void MainWindow::buildSidePanel() {
  side_ = new QWidget(centralWidget());
  side_->setObjectName("suiSideChannel1");
  plans_ = new QListWidget(side_);
  plans_->setObjectName("ListBox1");
  auto* box = new QVBoxLayout(side_);
  box->setContentsMargins(0, 0, 0, 0);
  box->addWidget(plans_);
  planMenu_ = new QMenu(this);
  planMenu_->setObjectName("suiPopupMenu1");
  for (const char* later : {"N28", "N27"}) action(planMenu_, later)->setEnabled(false);
  plans_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(plans_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { planMenu_->popup(plans_->viewport()->mapToGlobal(p)); });
}

void MainWindow::buildCalendar() {
  calendar_ = new QFrame(centralWidget());
  calendar_->setObjectName("Image1");
  calendar_->setStyleSheet(
      "#Image1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #c62828, stop:0.26 #c62828,"
      " stop:0.261 #fafafa, stop:1 #e8e8e8); border: 1px solid #9e9e9e; border-radius: 6px; }");
  calendar_->resize(kCalendarWidth, kCalendarHeight);
  day_ = new QLabel(calendar_);
  day_->setObjectName("Label58");
  day_->setAlignment(Qt::AlignCenter);
  day_->setStyleSheet("font-size: 34px; font-weight: bold; color: #212121; background: transparent;");
  day_->setGeometry(0, 40, kCalendarWidth, 50);
  month_ = new QLabel(calendar_);
  month_->setObjectName("Label59");
  month_->setAlignment(Qt::AlignCenter);
  month_->setStyleSheet("font-size: 15px; color: #424242; background: transparent;");
  month_->setGeometry(0, 96, kCalendarWidth, 26);
}

void MainWindow::buildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("suiStatusBar1");
  bar->setSizeGripEnabled(false);
  auto* strip = new QWidget(bar);
  auto* row = new QHBoxLayout(strip);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);
  for (int i = 0; i < 6; ++i) {
    auto* label = new QLabel(strip);
    label->setObjectName(QString("StatusPanel%1").arg(i));
    label->setFrameShape(QFrame::StyledPanel);
    if (i == kStretchedStatusPanel) {
      row->addWidget(label, 1);
    } else {
      label->setMinimumWidth(kStatusPanelWidths[static_cast<std::size_t>(i)]);
      row->addWidget(label);
    }
    status_[i] = label;
  }
  progressBox_ = new QWidget(strip);
  progressBox_->setObjectName("powerProgressBox");
  auto* prow = new QHBoxLayout(progressBox_);
  prow->setContentsMargins(0, 0, 0, 0);
  progress_ = new QProgressBar(progressBox_);
  progress_->setObjectName("powerProgress");
  progress_->setMaximumWidth(160);
  cancel_ = new QPushButton(progressBox_);
  cancel_->setObjectName("powerCancel");
  connect(cancel_, &QPushButton::clicked, this, [this] { runner_->cancel(powerScript_); });
  prow->addWidget(progress_);
  prow->addWidget(cancel_);
  // Shown in place of the stretched panel while a sequence runs.
  row->insertWidget(kStretchedStatusPanel + 1, progressBox_);
  progressBox_->hide();
  bar->addWidget(strip, 1);
  powerDone_ = new QMessageBox(QMessageBox::Information, QString(), QString(), QMessageBox::Ok, this);
  powerDone_->setObjectName("powerOnDone");
  powerDone_->setModal(false);
}

void MainWindow::setTitleSuffix(const QString& suffix) {
  titleSuffix_ = suffix;
  setWindowTitle(qs(session_.caption()) + titleSuffix_);
}

void MainWindow::retranslate() {
  setWindowTitle(qs(session_.caption()) + titleSuffix_);
  auto text = [this](const char* name, const QString& t) {
    if (auto* a = findChild<QAction*>(name)) a->setText(t);
  };
  auto menuTitle = [this](const char* name, const QString& t) {
    if (auto* m = findChild<QMenu*>(name)) m->setTitle(t);
  };
  menuTitle("N1", tr("系统"));
  text("N14", tr("高级功能"));
  menuTitle("N23Menu", tr("产品选型"));
  text("N22", tr("定时系统"));
  text("N30", tr("幕墙开机"));
  text("N31", tr("幕墙关机"));
  text("N6", tr("退出"));
  menuTitle("N25", tr("设置"));
  text("N7", tr("串口设置"));
  text("N9", tr("矩阵设置"));
  text("N5", tr("幕墙设置"));
  text("N24", tr("幕墙颜色"));
  text("N10", tr("标志设置"));
  text("N8", tr("系统设置"));
  menuTitle("N20", tr("工具"));
  text("N21", tr("虚拟键盘"));
  text("N26", tr("云台控制"));
  text("N19", tr("串口显示"));
  text("N62", tr("温度控制"));
  text("N63", tr("轮询设置"));
  menuTitle("N3", tr("语言"));
  text("N17", tr("中文"));
  text("N18", tr("English"));
  menuTitle("N4", tr("关于"));
  text("u1", tr("关于"));
  text("N11", tr("帮助"));
  text("N16", tr("输入控制"));
  text("N55", tr("读信号源"));
  text("PanasonicLogin1", QStringLiteral("Panasonic Login"));
  text("PanasonicLogout1", QStringLiteral("Panasonic Logout"));
  text("N28", tr("保存模式"));
  text("N27", tr("重命名"));
  text("N49", tr("读取本页数据"));
  findChild<QAction*>("N17")->setChecked(session_.language() == 0);
  findChild<QAction*>("N18")->setChecked(session_.language() != 0);
  retranslatePages();
  if (controlPages_) controlPages_->retranslate();
  cancel_->setText(tr("取消"));
  powerDone_->setWindowTitle(tr("信息提示框"));
  powerDone_->setText(tr("完成开机!"));
  refillPlans();
  refreshStatus();
  tick();
}

void MainWindow::retranslatePages() {
  const QString tabs[] = {tr("图像处理"), tr("视窗处理"), tr("画  中  画"), tr("  系    统  "), tr("测试画面"),
                          tr("光机控制"), tr("调试助手"), tr("  漫    游  "), tr("图像调整"), tr("其他控制")};
  for (int i = 0; i < 10; ++i) pages_->setTabText(i, tabs[i]);
  struct Caption {
    const char* name;
    QString text;
  };
  const Caption captions[] = {
      {"Panel43", tr("图像翻转")},   {"Panel12", tr("框架开关")}, {"Panel13", tr("水平框架")},
      {"Panel14", tr("垂直框架")},   {"BitBtn5", tr("尺  寸")},   {"BitBtn6", tr("边框颜色")},
      {"Panel15", tr("水平位置")},   {"Panel16", tr("垂直位置")}, {"Panel33", tr("垂直尺寸")},
      {"Panel34", tr("水平尺寸")},   {"Panel42", tr("信源模式")}, {"Panel44", tr("边缘亮度")},
      {"GroupBox2", QStringLiteral("Config")}, {"btn2", tr("温度信息")}, {"btn3", tr("版本信息")},
      {"BitBtn16", tr("不规则拼接")}, {"Panel49", tr("半 屏")},    {"Panel59", QStringLiteral("DITHER")},
      {"Panel60", tr("去雾功能")},   {"Panel61", tr("TI_Mode")},  {"Panel62", tr("低照度")},
      {"Panel64", tr("除 白")},      {"Panel65", tr("去雾度")},   {"GroupBox4", tr("镜像")},
  };
  for (const Caption& c : captions) {
    QWidget* w = pages_->findChild<QWidget*>(c.name);
    if (auto* g = qobject_cast<QGroupBox*>(w)) g->setTitle(c.text);
    if (auto* b = qobject_cast<QPushButton*>(w)) b->setText(c.text);
  }
  for (const char* write : {"suiButton72", "suiButton76", "suiButton98", "suiButton102"}) {
    if (auto* b = pages_->findChild<QPushButton*>(write)) b->setText(tr("写"));
  }
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QMainWindow::changeEvent(event);
}

void MainWindow::setLanguage(int language) {
  session_.setLanguage(language);
  if (language != 0) {
    if (translator_.isEmpty() && !translator_.load(QStringLiteral(":/i18n/wallcontrol_en.qm"))) {
      qWarning("wallcontrol: the English translation is missing");
    }
    QCoreApplication::installTranslator(&translator_);
  } else {
    QCoreApplication::removeTranslator(&translator_);
  }
  // Every window switches now, not at the next turn of the event loop.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  retranslate();
}

void MainWindow::refillPlans() {
  const int current = plans_->currentRow();
  plans_->clear();
  for (const std::string& name : session_.planNames()) plans_->addItem(qs(name));
  const int plan = current >= 0 ? current : session_.values().currentPlan;
  if (plan >= 0 && plan < plans_->count()) plans_->setCurrentRow(plan);
}

void MainWindow::refreshStatus() {
  SerialPort& wallPort = ports_->port(kWallDevice);
  const PortStatusTexts t = portStatusTexts(wallPort.settings(), wallPort.isOpen(), session_.language());
  status_[0]->setText(qs(t.port));
  status_[1]->setText(qs(t.baud));
  status_[2]->setText(qs(t.state));
  status_[3]->setText(session_.values().readEn ? tr("读取状态: ") : QString());
}

void MainWindow::tick() {
  const QDateTime now = QDateTime::currentDateTime();
  const QString months[] = {tr("一月"), tr("二月"), tr("三月"), tr("四月"), tr("五月"), tr("六月"),
                            tr("七月"), tr("八月"), tr("九月"), tr("十月"), tr("十一月"), tr("十二月")};
  day_->setText(QString::number(now.date().day()));
  month_->setText(months[now.date().month() - 1]);
  status_[5]->setText(now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
  if (traffic_ && traffic_->monitoring()) {
    if (const auto package = ports_->port(kWallDevice).readPackage(1000)) {
      traffic_->showPackage(QByteArray(reinterpret_cast<const char*>(package->data()),
                                       static_cast<qsizetype>(package->size())));
    }
  }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  layoutCentral();
}

void MainWindow::layoutCentral() {
  QWidget* central = centralWidget();
  const int h = central->height();
  const WindowLayout l =
      formCanResize({width(), height(), session_.rows(), session_.columns(), 0, kCalendarWidth, kCalendarHeight});
  grid_->setGeometry(kMargin, kMargin, l.gridWidth, l.gridHeight);
  grid_->setCellSize(l.cellWidth, l.cellHeight);
  const int sideX = kMargin + l.gridWidth + kMargin;
  side_->setGeometry(sideX, kMargin, std::max(0, width() - sideX - kMargin), l.gridHeight);
  const int pagesTop = kMargin + l.gridHeight + kMargin;
  const int pagesHeight = std::max(0, h - pagesTop - kMargin);
  pages_->setGeometry(kMargin, pagesTop, std::min(l.pageControlWidth, width() - 2 * kMargin), pagesHeight);
  calendar_->move(l.imageLeft, pagesTop + std::max(0, (pagesHeight - kCalendarHeight) / 2));
  status_[kStretchedStatusPanel]->setMinimumWidth(0);
}

void MainWindow::pageChanged(int index) {
  for (int i = 0; i < 9; ++i) {
    if (auto* panel = pages_->findChild<QWidget*>(kPages[i].panel)) panel->setVisible(i == index);
  }
}

void MainWindow::applyEffect(const ControlEffect& e) {
  const QString name = QString::fromStdString(e.name);
  if (e.name == kReadBackBox) return;  // the dialog's model has it
  if (auto* page = pages_->findChild<QWidget*>(name); page && pages_->indexOf(page) >= 0) {
    const int i = pages_->indexOf(page);
    if (e.visible) pages_->setTabVisible(i, *e.visible);
    if (e.enabled) pages_->setTabEnabled(i, *e.enabled);
    return;
  }
  if (auto* a = findChild<QAction*>(name)) {
    if (e.visible) a->setVisible(*e.visible);
    if (e.enabled) a->setEnabled(*e.enabled);
    if (e.checked) a->setChecked(*e.checked);
    return;
  }
  if (auto* w = findChild<QWidget*>(name)) {
    if (e.visible) w->setVisible(*e.visible);
    if (e.enabled) w->setEnabled(*e.enabled);
    if (e.top) w->move(w->x(), *e.top);
  }
}

void MainWindow::applyBoard(const BoardView& view) {
  for (const ControlEffect& e : view.effects) applyEffect(e);
  systemModel_->applyBoard(view);
  form9_->sync();
  grid_->wallModel()->refresh();
  refillPlans();
  // ReadEnable: the read-back entries follow the setting.
  findChild<QAction*>("N49")->setVisible(view.readEn);
  findChild<QAction*>("N55")->setVisible(view.readEn);
  controlPages_->readEnable(view.readEn);
  refreshStatus();
}

void MainWindow::openPorts() {
  openConfiguredPorts(*ports_, session_.file(), session_.language(), portOpeningUi(this));
  refreshStatus();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!activated_) {
    activated_ = true;
    firstActivation();
  }
}

void MainWindow::firstActivation() {
  setLanguage(session_.language());
  session_.setBoard();
  if (session_.values().began) runner_->submit(session_.startupPowerOn());
}

void MainWindow::runPowerScript(const Script& script, bool sequenced) {
  powerSequenced_ = sequenced;
  powerScript_ = runner_->submit(script);
  if (sequenced) {
    progress_->setRange(0, static_cast<int>(script.size()));
    progress_->setValue(0);
    progressBox_->show();
  }
}

void MainWindow::scriptFinished(const ScriptReport& report) {
  if (report.id != powerScript_) return;
  progressBox_->hide();
  const bool completed = !report.cancelled;
  if (completed && powerSequenced_) {
    powerDone_->setWindowTitle(tr("信息提示框"));
    powerDone_->setText(tr("完成开机!"));
    powerDone_->show();
  }
  emit powerScriptFinished(completed);
}

void MainWindow::powerOn() {
  runPowerScript(session_.powerOn(), powerOnIsSequenced(session_.values().powerDelayTime10Ms));
}

void MainWindow::powerOff() {
  form2_->show();
  form2_->raise();
}

void MainWindow::openSystemSettings() { form9_->openDialog(); }

void MainWindow::openPortDialog() {
  form27_->show();
  form27_->raise();
}

void MainWindow::openTrafficWindow() {
  traffic_->show();
  traffic_->raise();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  session_.saveAtClose();
  runner_->cancelAll();
  timer_->stop();
  for (QWidget* w : {static_cast<QWidget*>(traffic_), static_cast<QWidget*>(form9_),
                     static_cast<QWidget*>(form27_), static_cast<QWidget*>(form2_)}) {
    w->hide();
  }
  event->accept();
  QMainWindow::closeEvent(event);
}

}  // namespace wall
