#include "core/matrix/source_list.h"

#include <array>

namespace wall {

namespace {

constexpr SourceEntry kAster[] = {{"VGA", 0}, {"AV", 2}};
constexpr SourceEntry kBramble[] = {{"VGA", 0}, {"AV", 2}, {"AV2", 3}, {"DVI", 10}, {"HDMI", 11}};
constexpr SourceEntry kCedar[] = {{"VGA", 0}, {"AV", 2}, {"DVI", 10}, {"DP", 11}};
constexpr SourceEntry kDahlia[] = {{"VGA", 0}, {"AV", 2}, {"AV2", 3}, {"DVI", 10}, {"HDMI", 11}};
constexpr SourceEntry kElder[] = {{"VGA", 0},   {"AV", 2},   {"AV2", 3},   {"AV3", 4},
                                  {"YPBPR", 8}, {"DVI", 10}, {"HDMI", 11}};
constexpr SourceEntry kHeather[] = {{"VGA", 0},    {"AV1", 2},   {"AV2", 3},   {"AV3", 4},
                                    {"SVIDEO", 7}, {"YPBPR", 8}, {"DVI1", 10}, {"DVI2", 11}};
constexpr SourceEntry kFennel[] = {{"VGA", 0}, {"AV", 2}, {"SVIDEO", 7}, {"YPBPR", 8}, {"DVI", 10}, {"HDMI", 11}};
constexpr SourceEntry kGorse[] = {{"VGA1", 0}, {"VGA2", 1}, {"AV1", 2},   {"AV2", 3},
                                  {"AV3", 4},  {"AV4", 5},  {"DVI1", 10}, {"HDMI1", 11}};
constexpr SourceEntry kIvy[] = {{"VGA", 0}, {"AV", 2}, {"YPBPR", 8}, {"HDMI1", 10}, {"HDMI2", 11}};
constexpr SourceEntry kJuniper[] = {{"VGA", 0}, {"AV", 2}, {"YPBPR", 8}, {"DVI1", 10}};
constexpr SourceEntry kKestrel[] = {{"VGA", 0},  {"AV1", 2},    {"AV2", 3},   {"AV3", 4},  {"AV4", 5},
                                    {"QUAD", 6}, {"SVIDEO", 7}, {"DVI1", 10}, {"DVI2", 11}};
constexpr SourceEntry kType11[] = {{"VGA", 0},    {"RGBHV", 1}, {"AV1", 2}, {"AV2", 3},
                                   {"SVIDEO", 7}, {"YPBPR", 8}, {"DVI", 10}, {"HDMI", 11}};
constexpr SourceEntry kLarch[] = {{"VGA", 0},    {"RGBHV", 1},  {"AV1", 2},   {"YPBPR", 8},
                                  {"YPBPR2", 9}, {"DVI1", 10}, {"DVI2", 11}};
constexpr SourceEntry kMyrtle[] = {{"VGA", 0},   {"RGBHV", 1},  {"AV1", 2},   {"AV2", 3},  {"SVIDEO", 7},
                                   {"YPBPR", 8}, {"YPBPR2", 9}, {"DVI1", 10}, {"DVI2", 11}};

// One list per product type 0 to 13.
constexpr std::array<std::span<const SourceEntry>, 14> kLists = {
    kAster, kBramble, kCedar, kDahlia, kElder, kHeather, kFennel,
    kGorse, kIvy,     kJuniper, kKestrel, kType11, kLarch, kMyrtle};

constexpr std::array<std::uint8_t, 13> kWallInputCodes = {0x0C, 0x0D, 0x00, 0x01, 0x02, 0x03, 0x04,
                                                          0x09, 0x0B, 0x10, 0x0E, 0x0F, 0x00};

}  // namespace

std::span<const SourceEntry> sourceList(int productType) {
  if (productType < 0 || productType >= static_cast<int>(kLists.size())) return {};
  return kLists[static_cast<std::size_t>(productType)];
}

std::optional<int> sourceCodeAt(int productType, int index) {
  const auto list = sourceList(productType);
  if (index < 0 || index >= static_cast<int>(list.size())) return std::nullopt;
  return list[static_cast<std::size_t>(index)].sourceCode;
}

std::uint8_t wallInputCode(int sourceCode) {
  if (sourceCode < 0 || sourceCode >= static_cast<int>(kWallInputCodes.size())) return 0x00;
  return kWallInputCodes[static_cast<std::size_t>(sourceCode)];
}

}  // namespace wall
