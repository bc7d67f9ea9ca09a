// Script operations of the wall frame: the write operations of the control
// panel, the read request and the raw command sender.
#include "cli/cli_registry.h"
#include "cli/usage_error.h"
#include "core/link/wall_frames.h"

namespace wall::cli {
namespace {

constexpr std::int64_t kByteMax = 0xFF;

std::uint8_t byteArg(const OpArgs& a, std::size_t i, const char* what) {
  return static_cast<std::uint8_t>(a.number(i, 0, kByteMax, what));
}

Script wallSend(Bytes bytes) { return Script().send(kWallDevice, std::move(bytes)); }

const ScriptOpRegistrar writeOp({"write", "write CODE VALUE", "ButtonWrite: a value frame to the selection",
                                 [](CliContext& ctx, const std::vector<std::string>& w) {
                                   OpArgs a(w, {});
                                   a.expect(2, "write CODE VALUE");
                                   const auto code = byteArg(a, 0, "CODE");
                                   // A value the frame cannot carry is refused rather than cut short.
                                   const WallFrames frames(ctx.cmdForm(), ctx.selection());
                                   const auto value =
                                       static_cast<std::uint32_t>(a.number(1, 0, frames.maxWriteValue(), "VALUE"));
                                   return wallSend(frames.buttonWrite(code, value));
                                 }});

const ScriptOpRegistrar incdecOp({"incdec", "incdec CODE VALUE", "ButtonIncDec: a command frame to the selection",
                                  [](CliContext& ctx, const std::vector<std::string>& w) {
                                    OpArgs a(w, {});
                                    a.expect(2, "incdec CODE VALUE");
                                    const auto code = byteArg(a, 0, "CODE");
                                    const auto value = byteArg(a, 1, "VALUE");
                                    return wallSend(WallFrames(ctx.cmdForm(), ctx.selection()).buttonIncDec(code, value));
                                  }});

const ScriptOpRegistrar allOp({"all", "all CODE VALUE", "ButtonIncDecAll: a command frame to every unit",
                               [](CliContext& ctx, const std::vector<std::string>& w) {
                                 OpArgs a(w, {});
                                 a.expect(2, "all CODE VALUE");
                                 const auto code = byteArg(a, 0, "CODE");
                                 const auto value = byteArg(a, 1, "VALUE");
                                 return wallSend(WallFrames(ctx.cmdForm(), Selection{}).buttonIncDecAll(code, value));
                               }});

const ScriptOpRegistrar readOp({"read", "read CODE", "The read request for a code to the selection",
                                [](CliContext& ctx, const std::vector<std::string>& w) {
                                  OpArgs a(w, {});
                                  a.expect(1, "read CODE");
                                  return wallSend(WallFrames(ctx.cmdForm(), ctx.selection()).readRequest(byteArg(a, 0, "CODE")));
                                }});

const ScriptOpRegistrar rgbOp({"rgb", "rgb R G B", "ButtonWriteRGB: a colour to the selection",
                               [](CliContext& ctx, const std::vector<std::string>& w) {
                                 OpArgs a(w, {});
                                 a.expect(3, "rgb R G B");
                                 return wallSend(WallFrames(ctx.cmdForm(), ctx.selection())
                                                     .buttonWriteRGB(byteArg(a, 0, "R"), byteArg(a, 1, "G"), byteArg(a, 2, "B")));
                               }});

const ScriptOpRegistrar dahliaRgbOp(
    {"dahlia-rgb", "dahlia-rgb R G B", "ButtonWriteDahliaRGB: the extended colour frame",
     [](CliContext& ctx, const std::vector<std::string>& w) {
       OpArgs a(w, {});
       a.expect(3, "dahlia-rgb R G B");
       return wallSend(WallFrames(ctx.cmdForm(), ctx.selection())
                           .buttonWriteDahliaRGB(byteArg(a, 0, "R"), byteArg(a, 1, "G"), byteArg(a, 2, "B")));
     }});

const ScriptOpRegistrar idSetOp({"id-set", "id-set ID KIND P1 P2 P3 P4",
                                 "ButtonWriteDahliaIDSet: the extended ID-set frame",
                                 [](CliContext&, const std::vector<std::string>& w) {
                                   OpArgs a(w, {});
                                   a.expect(6, "id-set ID KIND P1 P2 P3 P4");
                                   const auto id = static_cast<std::uint16_t>(a.number(0, 0, 0xFFFF, "ID"));
                                   return wallSend(buttonWriteDahliaIDSet(id, byteArg(a, 1, "KIND"), byteArg(a, 2, "P1"),
                                                                          byteArg(a, 3, "P2"), byteArg(a, 4, "P3"),
                                                                          byteArg(a, 5, "P4")));
                                 }});

const ScriptOpRegistrar rawOp({"raw", "raw TEXT", "The raw command sender: hexadecimal text, sent as it stands",
                               [](CliContext&, const std::vector<std::string>& w) {
                                 // The text may come as one argument or as several words.
                                 std::string text;
                                 for (const auto& word : w) text += word + " ";
                                 Bytes bytes = parseRawHex(text);
                                 if (bytes.empty()) throw UsageError("命令不能为空!");
                                 if (bytes.size() > kFrameAreaBytes) {
                                   throw UsageError("raw command of " + std::to_string(bytes.size()) +
                                                    " bytes is longer than the frame area of 1000 bytes; nothing sent");
                                 }
                                 return wallSend(std::move(bytes));
                               }});

}  // namespace
}  // namespace wall::cli
