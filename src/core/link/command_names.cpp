#include "core/link/command_names.h"

#include <array>
#include <utility>

namespace wall {

namespace {

constexpr std::array<std::pair<std::string_view, std::uint8_t>, 43> kNames = {{
    {"CmdVidoBrightness", 0x41},  {"CmdVidoContrast", 0x40}, {"CmdVidoSharpness", 0x44},
    {"CmdVidoSaturation", 0x42},  {"CmdVido3DNR", 0x45},     {"CmdVidoHue", 0x43},
    {"CmdHPosition", 0x80},       {"CmdVPosition", 0x81},    {"CmdRGBClock", 0x52},
    {"CmdRGBPhase", 0x53},        {"CmdSysHscale", 0x9B},    {"CmdSysVscale", 0x9C},
    {"CmdSysRedisplay", 0x9A},    {"CmdPIPHPos", 0x65},      {"CmdPIPVPos", 0x66},
    {"CmdPIPHSize", 0x67},        {"CmdPIPVSize", 0x68},     {"CmdBackLight", 0xB3},
    {"CmdFanRun", 0xB4},          {"CmdNosignalMode", 0xBC}, {"CmdImageOrientaionFLip", 0x70},
    {"CmdPIPSource", 0x61},       {"CmdDlpColorWx", 0xE2},   {"CmdDlpColorRx", 0xD0},
    {"CmdDlpColorGx", 0xD3},      {"CmdDlpColorBx", 0xD6},   {"CmdDlpColorCx", 0xD9},
    {"CmdDlpColorMx", 0xDC},      {"CmdDlpColorYx", 0xDF},   {"CmdDlpColorWy", 0xE3},
    {"CmdDlpColorRy", 0xD1},      {"CmdDlpColorGy", 0xD4},   {"CmdDlpColorBy", 0xD7},
    {"CmdDlpColorCy", 0xDA},      {"CmdDlpColorMy", 0xDD},   {"CmdDlpColorYy", 0xE0},
    {"CmdDlpColorWg", 0xE4},      {"CmdDlpColorRg", 0xD2},   {"CmdDlpColorGg", 0xD5},
    {"CmdDlpColorBg", 0xD8},      {"CmdDlpColorCg", 0xDB},   {"CmdDlpColorMg", 0xDE},
    {"CmdDlpColorYg", 0xE1},
}};

}  // namespace

std::uint8_t commandCode(std::string_view name) {
  for (const auto& [n, code] : kNames) {
    if (n == name) return code;
  }
  return 0;
}

std::optional<std::string_view> commandName(std::uint8_t code) {
  for (const auto& [n, c] : kNames) {
    if (c == code) return n;
  }
  return std::nullopt;
}

}  // namespace wall
