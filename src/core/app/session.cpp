#include "core/app/session.h"

#include <algorithm>

#include "core/app/plan_names.h"
#include "core/app/product_types.h"
#include "core/app/source_names.h"
#include "core/app/wall_power.h"
#include "core/matrix/matrix_kind.h"
#include "core/matrix/matrix_store.h"
#include "core/settings/settings_file.h"
#include "core/settings/startup_settings.h"

namespace wall {

namespace {

constexpr const char* kSetting = "SETTING";
constexpr int kWhite = 0xFFFFFF;

std::string sourceKey(int index) { return "Source" + std::to_string(index); }
std::string colourKey(int row, int column) {
  return "H" + std::to_string(column) + "V" + std::to_string(row);
}

// A wall side read from the file: a value outside 1..30 would give a grid
// with no cell (or thousands of them); it is held to that range.
int wallSide(int value) { return std::clamp(value, 1, kMaxWallSide); }

}  // namespace

Session::Session(SettingsFile& file, std::string exeDir) : file_(file), exeDir_(std::move(exeDir)) {
  if (!exeDir_.empty() && exeDir_.back() != '/') exeDir_ += '/';
  v_.imageFile = exeDir_ + "bmp/default.bmp";
}

void Session::load() {
  SettingsFile& f = file_;
  const StartupSettings s = readStartupSettings(f, exeDir_);
  v_.language = s.language;
  v_.cmdDelayTime10Ms = s.cmdDelayTime10Ms;
  v_.matrixToScreenTime = s.matrixToScreenTime;
  v_.switchOrder = s.switchOrder;
  v_.autoAutoAdjEn = s.bAutoAutoAdjEn;
  v_.began = s.began;
  v_.powerDelayTime10Ms = s.powerDelayTime10Ms;
  v_.autoPowerOn = s.autoPowerOn;
  v_.login = s.bLogin;
  v_.inputControlMode = s.switchType;
  v_.rows = wallSide(s.row);
  v_.columns = wallSide(s.col);
  v_.imageFile = s.imageFile;
  v_.timerSystemEnable = s.timerSystemEnable;
  v_.rollOnOff = s.matrixRollOnOff;
  v_.boardSel = s.boardSel;
  v_.readEn = s.bReadEn != 0;
  v_.manYou = s.bManYou != 0;
  v_.cmdForm = s.cmdForm;
  v_.currentPlan = s.wallMode;
  v_.matrixUse = s.matrixUse;
  v_.wallCustomColors = s.wallCustomColors != 0;
  v_.ports = s.ports;
  v_.portFlags = s.portFlags;
  entriesPerUnit_ = wall::entriesPerUnit(v_.boardSel);
  planCount_ = wall::planCount(v_.boardSel);
  v_.avCompany = f.readInt("Matrix", "AV_Company", 0);
  v_.vgaCompany = f.readInt("Matrix", "VGA_Company", 0);
  colours_.assign(static_cast<std::size_t>(v_.rows * v_.columns), kWhite);
  for (int c = 0; c < v_.columns; ++c) {
    for (int r = 0; r < v_.rows; ++r) {
      colours_[static_cast<std::size_t>(index(r, c))] = f.readInt("WallColor", colourKey(r, c), kWhite);
    }
  }
  v_.useMatrix = f.readInt("Unit1", "suiCheckBox1", 0) != 0;
  v_.popCount = f.readInt("WallPopList", "ListLeng", 0);
  matrices_ = loadMatrixState(f, wallShape());
  reloadSources();
}

void Session::saveAtClose() {
  SettingsFile::Batch batch(file_);
  file_.writeInt("WallPopList", "ListLeng", v_.popCount);
  file_.writeBool("MatrixRoll", "OnOff", v_.rollOnOff);
}

bool Session::inWall(int row, int column) const {
  return row >= 0 && column >= 0 && row < v_.rows && column < v_.columns;
}

int Session::unitSource(int row, int column) const {
  if (!inWall(row, column)) return kNoSource;
  return sources_[static_cast<std::size_t>(index(row, column))];
}

void Session::setUnitSource(int row, int column, int source) {
  if (!inWall(row, column)) return;
  sources_[static_cast<std::size_t>(index(row, column))] = source;
  file_.writeInt("Unit1", sourceKey(index(row, column)), source);
}

std::string Session::unitLabel(int row, int column) const {
  return wall::unitLabel(row, column, sourceName(v_.boardSel, unitSource(row, column)));
}

int Session::unitColour(int row, int column) const {
  if (!inWall(row, column) || colours_.empty()) return kWhite;
  return colours_[static_cast<std::size_t>(index(row, column))];
}

void Session::reloadSources() {
  sources_.assign(static_cast<std::size_t>(v_.rows * v_.columns), kNoSource);
  for (int i = 0; i < v_.rows * v_.columns; ++i) {
    sources_[static_cast<std::size_t>(i)] = file_.readInt("Unit1", sourceKey(i), kNoSource);
  }
}

void Session::setSelection(const Selection& s) {
  if (s.fitsWall(v_.rows, v_.columns)) selection_ = s;
}

void Session::changeBoardSel(int productType) {
  v_.boardSel = productType;
  file_.writeInt("System", "BoardSel", productType);
}

BoardView Session::chooseProduct(int productType) {
  changeBoardSel(productType);
  entriesPerUnit_ = wall::entriesPerUnit(productType);
  return setBoard();
}

BoardView Session::setBoard() {
  reloadSources();
  BoardView view = wall::setBoard({v_.boardSel, accessLevel_, v_.readEn, v_.manYou});
  if (view.readEnSwitchedOff) setReadEn(false);
  planCount_ = view.planCount;
  if (boardObserver_) boardObserver_(view);
  return view;
}

WallShape Session::wallShape() const { return WallShape{v_.rows, v_.columns, v_.boardSel == kKestrelProduct}; }

void Session::setMatrixCompanies(int avCompany, int vgaCompany) {
  v_.avCompany = avCompany;
  v_.vgaCompany = vgaCompany;
}

bool Session::ptzMenusVisible() const {
  const int av = v_.avCompany;
  return av == 5 || av == 28 || av == 113 || v_.vgaCompany == 52;
}

bool Session::panasonicEntriesVisible() const { return v_.avCompany == 88; }

void Session::setLanguage(int language) {
  v_.language = language;
  file_.writeInt(kSetting, "Language", language);
}

std::string Session::caption() {
  return file_.readString(kSetting, "Caption", v_.language == 0 ? "液晶幕墙系统软件" : " LCD Wall Control");
}

std::vector<std::string> Session::planNames() {
  std::vector<std::string> names;
  names.reserve(static_cast<std::size_t>(planCount_));
  for (int i = 0; i < planCount_; ++i) {
    std::optional<std::string> stored;
    if (file_.hasKey("Wall", planNameKey(i))) stored = file_.readString("Wall", planNameKey(i), "");
    names.push_back(planName(stored, i, v_.language));
  }
  return names;
}

void Session::setAutoPowerOn(bool on) {
  v_.autoPowerOn = on ? 1 : 0;
  file_.writeInt(kSetting, "AutoPowerOn", v_.autoPowerOn);
}

void Session::setLogin(bool on) {
  v_.login = on ? 1 : 0;
  file_.writeInt(kSetting, "bLogin", v_.login);
}

void Session::setReadEn(bool on) {
  v_.readEn = on;
  file_.writeInt(kSetting, "bReadEn", on ? 1 : 0);
}

void Session::setManYou(bool on) {
  v_.manYou = on;
  file_.writeInt(kSetting, "bManYou", on ? 1 : 0);
}

void Session::setAutoAutoAdjEn(bool on) {
  v_.autoAutoAdjEn = on;
  file_.writeBool(kSetting, "bAutoAutoAdjEn", on);
}

void Session::setBegan(bool on) {
  v_.began = on;
  file_.writeBool(kSetting, "Began", on);
}

void Session::commitSystemSettings(int cmdDelay, int powerDelay, int cmdForm, int switchOrder) {
  v_.cmdDelayTime10Ms = cmdDelay;
  v_.powerDelayTime10Ms = powerDelay;
  v_.cmdForm = cmdForm;
  v_.switchOrder = switchOrder;
  SettingsFile::Batch batch(file_);
  file_.writeInt(kSetting, "CmdDelayTime10Ms", cmdDelay);
  file_.writeInt(kSetting, "PowerDelayTime10Ms", powerDelay);
  file_.writeInt(kSetting, "CmdForm", cmdForm);
  file_.writeInt(kSetting, "MatrixToScreenTime", v_.matrixToScreenTime);
  file_.writeInt(kSetting, "SwitchOrder", switchOrder);
}

Script Session::powerOn() const { return powerOnScript(v_.cmdForm, selection_, v_.powerDelayTime10Ms); }
Script Session::powerOff() const { return powerOffScript(v_.cmdForm, selection_); }
Script Session::startupPowerOn() const { return startupPowerOnScript(v_.cmdForm); }

}  // namespace wall
