#include "core/app/source_names.h"

#include <array>
#include <string_view>

namespace wall {

namespace {

using NameRow = std::array<std::string_view, kSourceCount>;

constexpr NameRow kHdmi = {"VGA", "RGB", "AV", "AV2", "AV3", "AV4", "AV5", "SV", "YUV", "YUV2", "DVI", "HDMI", ""};
constexpr NameRow kDp = {"VGA", "RGB", "AV", "AV2", "AV3", "AV4", "AV5", "SV", "YUV", "YUV2", "DVI", "DP", ""};
constexpr NameRow kDvi12 = {"VGA", "RGB", "AV1", "AV2", "AV3", "AV4", "AV5", "SV", "YUV", "YUV2", "DVI1", "DVI2", ""};
constexpr NameRow kGorse = {"VGA1", "VGA2", "AV1", "AV2", "AV3", "AV4", "DVI1", "HDMI1", "", "", "", "", ""};
constexpr NameRow kHdmi12 = {"VGA", "RGB", "AV", "AV2", "AV3", "AV4", "AV5", "SV", "YUV", "YUV2", "HDMI1", "HDMI2", ""};
constexpr NameRow kJuniper = {"VGA", "RGB", "AV", "AV2", "AV3", "AV4", "AV5", "SV", "YUV", "YUV2", "DVI1", "DVI2", ""};
constexpr NameRow kQuad = {"VGA", "RGB", "AV1", "AV2", "AV3", "AV4", "QUAD", "SV", "YUV", "YUV2", "DVI1", "DVI2", ""};
constexpr NameRow kAv1Hdmi = {"VGA", "RGB", "AV1", "AV2", "AV3", "AV4", "AV5", "SV", "YUV", "YUV2", "DVI", "HDMI", ""};

// One row per product type 0 to 13.
constexpr std::array<const NameRow*, kProductTypeCount> kNames = {
    &kHdmi, &kHdmi, &kDp, &kHdmi, &kHdmi, &kDvi12, &kHdmi, &kGorse, &kHdmi12, &kJuniper, &kQuad,
    &kAv1Hdmi, &kDvi12, &kDvi12};

}  // namespace

std::string sourceName(int productType, int source) {
  if (productType < 0 || productType >= kProductTypeCount || source < 0 || source >= kSourceCount) {
    return std::to_string(source);
  }
  return std::string((*kNames[static_cast<std::size_t>(productType)])[static_cast<std::size_t>(source)]);
}

std::string unitLabel(int row, int column, const std::string& name) {
  return unitHint(row, column) + "  " + name;
}

std::string unitHint(int row, int column) {
  return std::to_string(row + 1) + ":" + std::to_string(column + 1);
}

}  // namespace wall
