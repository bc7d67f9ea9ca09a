#pragma once
// The read-back: single reads (ButtonRead, ButtonRead1), page reads
// (PageRead), "读取所有" and the input sources of the selection
// (GetMainSource), each built as one Script of send and read steps, and the
// rules that turn the read results into control values, configuration
// lines, unit sources and the closing message.
//
// The runner executes the script; every read result is handed to a
// ReadBackRun, which applies it through a ReadSink (the window, wallctl or a
// test). The stop flag is the runner's cancel: it acts before the next step,
// and a read step is never cut short, so a multi-read ends between two reads.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/link/config_list.h"
#include "core/link/control_pages.h"
#include "core/link/read_reply.h"
#include "core/link/script.h"
#include "core/link/selection.h"

namespace wall {

enum class ReadTarget {
  Value,      // a scroll bar and its edit field (ButtonRead)
  List,       // a list's selected index (ButtonRead1)
  Source,     // one unit's input source (GetMainSource)
  SubSource,  // the roaming page's sub-source list (ButtonRead1 of 0x61)
  Presets,    // the roaming page's size and position presets (ButtonRead1 of 0x63)
};

struct ReadItem {
  ReadTarget target = ReadTarget::Value;
  std::uint8_t code = 0;
  std::string_view control;     // scroll bar or list
  std::string_view edit;        // value reads: the edit field
  std::string_view configName;  // the configuration line's name; empty: not listed
  int page = -1;                // the page being read; -1 for a single read
  int colour = -1;              // colour-coordinate reads: which stored value
  int coordinate = -1;
  int row = -1;                 // source reads: the unit
  int column = -1;
  bool operator==(const ReadItem&) const = default;
};

struct ReadContext {
  int cmdForm = 0;
  Selection selection;
  int cmdDelayTime10Ms = 0;  // polls per read; also the wait after a value read, in ms
  int productType = 6;
  int accessLevel = 0;
  bool manYou = false;
  int rows = 3;
  int columns = 3;
};

enum class ReadKind { Single, Page, All, Sources };

// A script with the read items of its read steps, in order.
struct ReadPlan {
  ReadKind kind = ReadKind::Single;
  Script script;
  std::vector<ReadItem> items;
};

// One read of a value group or of a list (the controls of `group`).
ReadPlan buttonRead(const ReadContext& ctx, const GroupDef& group);
// A read of any code into named controls (the dialogs of other windows).
ReadPlan buttonReadInto(const ReadContext& ctx, ReadItem item);
ReadPlan pageRead(const ReadContext& ctx, int page);
ReadPlan readAll(const ReadContext& ctx);
ReadPlan getMainSource(const ReadContext& ctx);

// The reads of a page, in order (empty for pages 4, 6 and 9).
std::vector<ReadItem> pageReads(int page);

// A scroll bar's range and position, changed the way the bar changes when
// the read sets it: for the position codes of the 8-byte format the maximum
// first, then the position; for the window codes the position, then the
// minimum, then the maximum; each change keeps the others consistent.
struct BarState {
  int minimum = 0;
  int maximum = 100;
  int position = 0;
  bool operator==(const BarState&) const = default;
};
BarState applyReply(BarState bar, const ReplyValue& reply);

enum class ReadState { Reading, Success, Failure };
// SetReadStatus's text for panel 3.
std::string readStatusText(ReadState state, int language);

// What the window (or wallctl, or a test) does with the results.
class ReadSink {
 public:
  virtual ~ReadSink() = default;
  // Sets the bar from the reply; returns the bar's resulting position.
  virtual int setValue(const ReadItem& item, const ReplyValue& reply) = 0;
  virtual void setListIndex(const ReadItem& item, int index) = 0;
  virtual void setUnitSource(int row, int column, int source) = 0;
  virtual void setSubSource(int wallInputCode) { (void)wallInputCode; }
  virtual void setPresets(int sizePreset, int positionPreset) { (void)sizePreset, (void)positionPreset; }
  virtual void setColourValue(int colour, int coordinate, int value) { (void)colour, (void)coordinate, (void)value; }
  virtual void setEnabled(std::string_view control) { (void)control; }
  virtual void setStatus(ReadState state) { (void)state; }
};

struct ReadEnd {
  bool status = false;          // SetReadStatus's outcome, when set at the end
  bool setsStatus = false;
  bool showMessage = false;
  std::string message;
  std::string caption;
};

class ReadBackRun {
 public:
  ReadBackRun(ReadPlan plan, const ReadContext& ctx, ReadSink& sink, ConfigList* configList);

  const ReadPlan& plan() const { return plan_; }
  // A read step's result, in order.
  void apply(const ReadResult& result);
  // The last read value (−1 until a read succeeds) and the last result.
  int lastValue() const { return lastValue_; }
  bool lastOk() const { return lastOk_; }
  int readsDone() const { return done_; }
  bool allOk() const { return allOk_; }
  // The end: `stopFlag` tells whether "停止读取" was pressed.
  ReadEnd finish(bool stopFlag, int language) const;

 private:
  void applyValue(const ReadItem& item, const ReplyValue& reply);
  void afterRead(const ReadItem& item, bool ok);

  ReadPlan plan_;
  ReadContext ctx_;
  ReadSink& sink_;
  ConfigList* config_;
  int done_ = 0;
  int lastValue_ = -1;
  bool lastOk_ = false;
  bool allOk_ = true;
  bool pipAllOk_ = true;
  int pipReads_ = 0;
};

}  // namespace wall
