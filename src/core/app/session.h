#pragma once
// The Session: what the program keeps for its whole run — the settings
// values read at start, the product type, the units' sources and colours,
// the grid selection, the access level, the language — and the operations
// the windows call. Every change is written to the settings file at the
// moment it is made; only two values wait for the close.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/app/board_view.h"
#include "core/link/script.h"
#include "core/link/selection.h"
#include "core/matrix/matrix_state.h"
#include "core/settings/port_settings.h"

namespace wall {

class SettingsFile;

// The SETTING values and the others that the main window keeps.
struct SessionValues {
  int language = 0;
  int cmdDelayTime10Ms = 0;
  int matrixToScreenTime = 200;
  int switchOrder = 0;
  bool autoAutoAdjEn = false;
  bool began = false;
  int powerDelayTime10Ms = 0;
  int autoPowerOn = 0;
  int login = 0;  // bLogin
  int inputControlMode = 1;  // Unit14 suiRadioGroup1
  int rows = 3;
  int columns = 3;
  std::string imageFile;
  int boardSel = 6;
  bool readEn = false;   // bReadEn
  bool manYou = false;   // bManYou
  int cmdForm = 0;
  int avCompany = 0;
  int vgaCompany = 0;
  bool timerSystemEnable = false;
  bool rollOnOff = false;  // MatrixRoll OnOff, saved at close
  int currentPlan = 0;     // Wall Wall_Mode
  int matrixUse = 1;
  bool wallCustomColors = false;
  int popCount = 0;        // WallPopList ListLeng, saved at close
  bool useMatrix = false;  // Unit1 suiCheckBox1
  std::array<PortSettings, 5> ports;  // devices 1 to 5 as read at start
  PortFlags portFlags;
};

// The largest wall the settings describe.
inline constexpr int kMaxWallSide = 30;

class Session {
 public:
  // `exeDir` is where the default logo lives ("bmp/default.bmp" beside it).
  Session(SettingsFile& file, std::string exeDir);

  SettingsFile& file() { return file_; }
  const SessionValues& values() const { return v_; }

  // Reads the settings in the order of the program's start (the port
  // settings are read by the port layer).
  void load();
  // At close: the pop-up window count and the roll-polling switch.
  void saveAtClose();

  // --- the wall grid
  int rows() const { return v_.rows; }
  int columns() const { return v_.columns; }
  int unitSource(int row, int column) const;
  void setUnitSource(int row, int column, int source);  // and saves it
  std::string unitLabel(int row, int column) const;
  // The unit's colour as stored (a Windows colour value: 0x00BBGGRR).
  int unitColour(int row, int column) const;
  // SetBoard's step 3: read every unit's source from the file again.
  void reloadSources();
  const Selection& selection() const { return selection_; }
  void setSelection(const Selection& s);

  // --- product type
  // ChangeBoardSel: store and write System BoardSel.
  void changeBoardSel(int productType);
  // A product menu entry: ChangeBoardSel, the matrix stride, then SetBoard.
  BoardView chooseProduct(int productType);
  int entriesPerUnit() const { return entriesPerUnit_; }
  int planCount() const { return planCount_; }
  // SetBoard: refills the grid, computes the view and saves bReadEn = 0
  // when the product type switches read-back off. Observers see the view.
  BoardView setBoard();
  using BoardObserver = std::function<void(const BoardView&)>;
  void setBoardObserver(BoardObserver observer) { boardObserver_ = std::move(observer); }

  int accessLevel() const { return accessLevel_; }
  void setAccessLevel(int level) { accessLevel_ = level; }

  // Menu entries that the matrix brands show: "云台控制" and "轮询设置",
  // and the Panasonic login entries of the grid's pop-up menu.
  bool ptzMenusVisible() const;
  bool panasonicEntriesVisible() const;

  // --- language
  int language() const { return v_.language; }
  void setLanguage(int language);  // stores Language
  // The window caption: SETTING Caption, else the language's default.
  std::string caption();
  std::vector<std::string> planNames();

  // --- system settings (each saved at once)
  void setAutoPowerOn(bool on);
  void setLogin(bool on);
  void setReadEn(bool on);  // then SetBoard is the caller's next step
  void setManYou(bool on);
  void setAutoAutoAdjEn(bool on);
  void setBegan(bool on);
  void setMatrixToScreenTime(int value) { v_.matrixToScreenTime = value; }  // saved by OK only
  void commitSystemSettings(int cmdDelay, int powerDelay, int cmdForm, int switchOrder);

  // --- matrices: settings, output maps and current inputs, loaded with
  // the rest; the shape the tables are laid out for.
  MatrixState& matrices() { return matrices_; }
  const MatrixState& matrices() const { return matrices_; }
  WallShape wallShape() const;
  // After the matrix settings are confirmed: the brands that drive menus.
  void setMatrixCompanies(int avCompany, int vgaCompany);
  // SwitchType (stored by the input-control dialog) and the roll-polling
  // switch (saved at close).
  void setSwitchType(int type) { v_.inputControlMode = type; }
  void setRollOnOff(bool on) { v_.rollOnOff = on; }

  // --- wall power
  Script powerOn() const;
  Script powerOff() const;
  Script startupPowerOn() const;

 private:
  int index(int row, int column) const { return row * v_.columns + column; }
  bool inWall(int row, int column) const;

  SettingsFile& file_;
  std::string exeDir_;
  SessionValues v_;
  std::vector<int> sources_;
  std::vector<int> colours_;
  Selection selection_;
  int accessLevel_ = 0;
  int entriesPerUnit_ = 1;
  int planCount_ = 48;
  BoardObserver boardObserver_;
  MatrixState matrices_;
};

}  // namespace wall
