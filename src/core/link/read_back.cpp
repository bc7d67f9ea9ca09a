#include "core/link/read_back.h"

#include <algorithm>

#include "core/link/wall_frames.h"

namespace wall {

namespace {

constexpr std::uint8_t kSourceReadCode = 0x30;
constexpr std::uint8_t kSubSourceCode = 0x61;
constexpr std::uint8_t kPresetsCode = 0x63;

ReadItem valueItem(std::string_view bar, std::string_view configName, int page) {
  ReadItem item;
  for (const GroupDef& g : controlGroups()) {
    if (g.bar != bar) continue;
    item.target = g.kind == GroupKind::Value ? ReadTarget::Value : ReadTarget::List;
    item.code = g.code;
    item.control = g.bar;
    item.edit = g.edit;
    break;
  }
  item.configName = configName;
  item.page = page;
  return item;
}

std::vector<ReadItem> pageTable(int page) {
  auto v = [page](std::string_view bar, std::string_view name) { return valueItem(bar, name, page); };
  switch (page) {
    case kPagePicture:
      return {v("suiScrollBar1", "CmdVidoBrightness"), v("suiScrollBar2", "CmdVidoContrast"),
              v("suiScrollBar4", "CmdVidoSharpness"),  v("suiScrollBar5", "CmdVidoSaturation"),
              v("suiComboBox10", "CmdVido3DNR"),       v("suiScrollBar6", "CmdVidoHue")};
    case kPageWindow:
      return {v("suiScrollBar8", "CmdHPosition"),   v("suiScrollBar9", "CmdVPosition"),
              v("suiScrollBar14", "CmdRGBClock"),   v("suiScrollBar19", "CmdRGBPhase"),
              v("suiScrollBar20", "CmdSysHscale"),  v("suiScrollBar21", "CmdSysVscale"),
              v("suiComboBox8", "CmdSysRedisplay")};
    case kPagePip:
      return {v("suiScrollBar22", "CmdPIPHPos"), v("suiScrollBar24", "CmdPIPVPos"),
              v("suiScrollBar27", "CmdPIPHSize"), v("suiScrollBar7", "CmdPIPVSize")};
    case kPageSystem:
      return {v("suiScrollBar3", "CmdBackLight"), v("suiComboBox9", "CmdFanRun"), v("ComboBox2", "CmdNosignalMode")};
    case kPageDlp: {
      std::vector<ReadItem> out = {v("suiComboBox11", "CmdImageOrientaionFLip")};
      for (int coordinate = 0; coordinate < kCoordinateCount; ++coordinate) {
        const GroupDef* row = findGroup(kColourRows[static_cast<std::size_t>(coordinate)]);
        for (int colour = 0; colour < kColourCount; ++colour) {
          ReadItem item = valueItem(row->bar, colourConfigName(colour, coordinate), page);
          item.code = colourCode(colour, coordinate);
          item.colour = colour;
          item.coordinate = coordinate;
          out.push_back(item);
        }
      }
      return out;
    }
    case kPageRoaming: {
      std::vector<ReadItem> out = {v("suiScrollBar15", "CmdPIPHPos"), v("suiScrollBar16", "CmdPIPVPos"),
                                   v("suiScrollBar18", "CmdPIPHSize"), v("suiScrollBar17", "CmdPIPVSize")};
      ReadItem sub;
      sub.target = ReadTarget::SubSource;
      sub.code = kSubSourceCode;
      sub.control = "suiComboBox1";
      sub.configName = "CmdPIPSource";
      sub.page = page;
      out.push_back(sub);
      ReadItem presets;
      presets.target = ReadTarget::Presets;
      presets.code = kPresetsCode;
      presets.control = "suiComboBox3";
      presets.page = page;
      out.push_back(presets);
      return out;
    }
    case kPageAdjust:
      return {v("suiScrollBar10", "CmdVidoBrightness"), v("suiScrollBar11", "CmdVidoContrast"),
              v("suiScrollBar23", "CmdVidoSharpness"),  v("suiScrollBar25", "CmdVidoSaturation"),
              v("suiScrollBar12", "CmdHPosition"),      v("suiScrollBar13", "CmdVPosition"),
              v("suiScrollBar26", "CmdRGBClock")};
    default: return {};
  }
}

// The steps of one ButtonRead / ButtonRead1: the request, the polls, and for
// a value read the wait of CmdDelayTime10Ms taken as plain milliseconds.
void addRead(const ReadContext& ctx, const ReadItem& item, ReadPlan& plan) {
  const WallFrames frames(ctx.cmdForm, ctx.selection);
  const bool value = item.target == ReadTarget::Value;
  const int polls = std::max(0, ctx.cmdDelayTime10Ms);
  plan.script.send(kWallDevice, frames.readRequest(item.code));
  plan.script.read(kWallDevice, polls, valueReplyExpect(ctx.cmdForm, item.code, !value), value ? polls : 0);
  plan.items.push_back(item);
}

void addPage(const ReadContext& ctx, int page, ReadPlan& plan) {
  for (const ReadItem& item : pageTable(page)) addRead(ctx, item, plan);
}

void addSources(const ReadContext& ctx, ReadPlan& plan) {
  const Selection& s = ctx.selection;
  const int polls = std::max(0, ctx.cmdDelayTime10Ms);
  for (int r = 0; r < ctx.rows; ++r) {
    for (int c = 0; c < ctx.columns; ++c) {
      if (r < s.top || r > s.bottom || c < s.left || c > s.right) continue;
      const WallFrames frames(ctx.cmdForm, Selection::unit(r, c));
      plan.script.send(kWallDevice, frames.readRequest(kSourceReadCode));
      plan.script.read(kWallDevice, polls, sourceReplyExpect(ctx.cmdForm, r, c), 0);
      // The stop flag is looked at before this wait, so a stop here ends the
      // read without the wait: the runner's cancel cuts a pause short.
      plan.script.pause(polls);
      ReadItem item;
      item.target = ReadTarget::Source;
      item.code = kSourceReadCode;
      item.row = r;
      item.column = c;
      plan.items.push_back(item);
    }
  }
}

std::string text(int language, const char* chinese, const char* english) { return language == 0 ? chinese : english; }

}  // namespace

std::vector<ReadItem> pageReads(int page) { return pageTable(page); }

ReadPlan buttonRead(const ReadContext& ctx, const GroupDef& group) {
  ReadItem item;
  item.target = group.kind == GroupKind::Value ? ReadTarget::Value : ReadTarget::List;
  item.code = group.code;
  item.control = group.bar;
  item.edit = group.edit;
  return buttonReadInto(ctx, item);
}

ReadPlan buttonReadInto(const ReadContext& ctx, ReadItem item) {
  ReadPlan plan;
  plan.kind = ReadKind::Single;
  addRead(ctx, item, plan);
  return plan;
}

ReadPlan pageRead(const ReadContext& ctx, int page) {
  ReadPlan plan;
  plan.kind = ReadKind::Page;
  addPage(ctx, page, plan);
  return plan;
}

ReadPlan readAll(const ReadContext& ctx) {
  ReadPlan plan;
  plan.kind = ReadKind::All;
  if (ctx.accessLevel != 0) {
    for (int page : {kPagePicture, kPageWindow, kPageSystem}) addPage(ctx, page, plan);
    if (ctx.productType == 11 || ctx.productType == 12 || ctx.productType == 13) addPage(ctx, kPageDlp, plan);
  } else {
    addPage(ctx, kPageAdjust, plan);
  }
  addPage(ctx, ctx.manYou ? kPageRoaming : kPagePip, plan);
  addSources(ctx, plan);
  return plan;
}

ReadPlan getMainSource(const ReadContext& ctx) {
  ReadPlan plan;
  plan.kind = ReadKind::Sources;
  addSources(ctx, plan);
  return plan;
}

BarState applyReply(BarState bar, const ReplyValue& reply) {
  auto setMin = [&](int m) {
    bar.minimum = m;
    bar.maximum = std::max(bar.maximum, m);
    bar.position = std::clamp(bar.position, bar.minimum, bar.maximum);
  };
  auto setMax = [&](int m) {
    bar.maximum = m;
    bar.minimum = std::min(bar.minimum, m);
    bar.position = std::clamp(bar.position, bar.minimum, bar.maximum);
  };
  auto setPos = [&](int p) { bar.position = std::clamp(p, bar.minimum, bar.maximum); };
  if (reply.minimum) {
    setPos(reply.value);
    setMin(*reply.minimum);
    if (reply.maximum) setMax(*reply.maximum);
    return bar;
  }
  if (reply.maximum) setMax(*reply.maximum);
  setPos(reply.value);
  return bar;
}

std::string readStatusText(ReadState state, int language) {
  switch (state) {
    case ReadState::Reading: return text(language, "读取状态: ", "Read State: ");
    case ReadState::Success: return text(language, "读取状态: 成功", "Read State: Success");
    case ReadState::Failure: return text(language, "读取状态: 失败", "Read State: Failure");
  }
  return {};
}

ReadBackRun::ReadBackRun(ReadPlan plan, const ReadContext& ctx, ReadSink& sink, ConfigList* configList)
    : plan_(std::move(plan)), ctx_(ctx), sink_(sink), config_(configList) {
  if (plan_.kind == ReadKind::All && config_) config_->clear();
  if (!plan_.items.empty() && plan_.items.front().target != ReadTarget::Source) sink_.setStatus(ReadState::Reading);
}

void ReadBackRun::applyValue(const ReadItem& item, const ReplyValue& reply) {
  switch (item.target) {
    case ReadTarget::Value: {
      const int position = sink_.setValue(item, reply);
      if (item.colour >= 0) sink_.setColourValue(item.colour, item.coordinate, position);
      break;
    }
    case ReadTarget::List: sink_.setListIndex(item, reply.value); break;
    case ReadTarget::Source: sink_.setUnitSource(item.row, item.column, inputSourceFromCode(reply.value)); break;
    case ReadTarget::SubSource: sink_.setSubSource(reply.value); break;
    case ReadTarget::Presets: break;  // needs the reply's bytes: apply()
  }
}

void ReadBackRun::apply(const ReadResult& result) {
  if (result.index < 0 || static_cast<std::size_t>(result.index) >= plan_.items.size()) return;
  const ReadItem& item = plan_.items[static_cast<std::size_t>(result.index)];
  const auto& steps = plan_.script.steps();
  std::optional<ReplyValue> reply;
  int readNo = 0;
  for (const Step& step : steps) {
    const auto* r = std::get_if<ReadStep>(&step);
    if (!r) continue;
    if (readNo++ == result.index) {
      if (result.reply) reply = decodeReply(r->expect, *result.reply);
      break;
    }
  }
  ++done_;
  const bool ok = reply.has_value();
  if (item.target != ReadTarget::Source) lastValue_ = -1;
  if (ok) {
    applyValue(item, *reply);
    if (item.target == ReadTarget::Presets) {
      // The size preset is the low nibble; the position preset the high one,
      // less 5 when the reply's third byte is 0x50 or more.
      int position = reply->value >> 4;
      if ((*result.reply)[2] >= 0x50) position -= 5;
      sink_.setPresets(reply->value & 0x0F, position);
    }
    if (item.target != ReadTarget::Source) lastValue_ = reply->value;
  }
  afterRead(item, ok);
}

void ReadBackRun::afterRead(const ReadItem& item, bool ok) {
  allOk_ = allOk_ && ok;
  if (item.target == ReadTarget::Source) return;
  lastOk_ = ok;
  sink_.setStatus(ok ? ReadState::Success : ReadState::Failure);
  if (ok && config_ && !item.configName.empty() && item.page >= 0) config_->appendValue(item.configName, lastValue_);
  // On Larch and Myrtle the picture-in-picture page's "写" buttons wait for
  // a successful read: one group's after its own read, all four after the page.
  const bool larch = ctx_.productType == 12 || ctx_.productType == 13;
  if (!larch) return;
  const GroupDef* group = nullptr;
  for (const GroupDef& g : controlGroups()) {
    if (g.page == kPagePip && g.bar == item.control) group = &g;
  }
  if (!group) return;
  if (item.page < 0) {
    if (ok) sink_.setEnabled(group->write);
    return;
  }
  pipAllOk_ = pipAllOk_ && ok;
  if (++pipReads_ == 4 && pipAllOk_) {
    for (const GroupDef& g : controlGroups()) {
      if (g.page == kPagePip) sink_.setEnabled(g.write);
    }
  }
}

ReadEnd ReadBackRun::finish(bool stopFlag, int language) const {
  ReadEnd end;
  if (plan_.kind == ReadKind::Single) return end;
  // "读取所有" stopped before its input sources ends without a word.
  if (plan_.kind == ReadKind::All && stopFlag) {
    const std::size_t last = done_ > 0 ? static_cast<std::size_t>(done_ - 1) : 0;
    const bool inSources = done_ > 0 && plan_.items[last].target == ReadTarget::Source;
    if (!inSources) return end;
  }
  const bool complete = static_cast<std::size_t>(done_) == plan_.items.size();
  end.setsStatus = true;
  end.status = allOk_ && complete && !stopFlag;
  end.showMessage = true;
  end.caption = text(language, "信息提示框", "Tips");
  end.message = stopFlag ? text(language, "您终止了读取!", "You terminated the read!")
                         : text(language, "读取结束!", "Read Over!");
  return end;
}

}  // namespace wall
