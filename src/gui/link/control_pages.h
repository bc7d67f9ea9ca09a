#pragma once
// The control panel's pages: every value group, choice group and button of
// the control-panel tables, built into the main window's content panels,
// with the side-panel buttons and the read-back ("读取所有", "停止读取",
// "读取本页数据", "读信号源"). Reads run on the script runner; their results
// come back here through the runner's signals and go into the controls.

#include <QObject>
#include <QString>
#include <memory>
#include <string_view>

#include "core/link/config_list.h"
#include "core/link/control_pages.h"
#include "core/link/raw_sender.h"
#include "core/link/read_back.h"
#include "io/script_runner.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

namespace wall {

class MainWindow;

class ControlPages : public QObject, public ReadSink {
  Q_OBJECT
 public:
  explicit ControlPages(MainWindow& window);
  ~ControlPages() override;

  // A page's own controls flow within this width; a widget placed beside
  // them starts here.
  static constexpr int kPageFlowWidth = 680;
  // Sizes a page's panel to everything it holds, so that the page's scroll
  // area reaches every control.
  static void fitPage(QWidget* panel);

  // ReadEnable: shows or hides the read-back controls.
  void readEnable(bool on);
  void retranslate();

  const ConfigList& configList() const { return config_; }
  ConfigList& configList() { return config_; }
  const ColourStore& colours() const { return colours_; }
  bool reading() const { return readId_ != 0; }

 public slots:
  void readAll();      // Button1Click
  void stopReading();  // suiButton97Click
  void readPage();     // N49Click
  void readSources();  // N55Click

 signals:
  // A multi-read or single read ended (after its message box, if any).
  void readFinished();

 private:
  void buildGroups();
  void buildButtons();
  void buildColourEditor();
  void buildRawSender();
  void buildConfigButtons();
  void buildPanelParameters();
  void buildSidePanel();
  QWidget* groupBox(const GroupDef& g);
  QWidget* pagePanel(int page);
  QWidget* placeAt(int page, QWidget* w);
  void wireValueGroup(const GroupDef& g, QWidget* box);
  void wireChoiceGroup(const GroupDef& g, QWidget* box);

  void send(const Bytes& bytes);
  WallFrames frames() const;
  ReadContext readContext() const;
  void startRead(ReadPlan plan);
  void onReplyRead(ScriptId id, const ReadResult& result);
  void onScriptFinished(const ScriptReport& report);
  std::uint8_t groupCode(const GroupDef& g) const;
  void selectColour(int colour);
  void onEditChanged(QLineEdit* edit, QScrollBar* bar);

  // ReadSink
  int setValue(const ReadItem& item, const ReplyValue& reply) override;
  void setListIndex(const ReadItem& item, int index) override;
  void setUnitSource(int row, int column, int source) override;
  void setColourValue(int colour, int coordinate, int value) override;
  void setEnabled(std::string_view control) override;
  void setStatus(ReadState state) override;

  template <class T>
  T* find(std::string_view name) const;

  MainWindow& window_;
  QWidget* pages_;
  ConfigList config_;
  RawSender raw_;
  ColourStore colours_;
  FreezeButton freeze_;
  int colour_ = 0;
  int nextSlot_[kPageCount] = {};
  std::unique_ptr<ReadBackRun> run_;
  ScriptId readId_ = 0;
  bool stopFlag_ = false;
};

}  // namespace wall
