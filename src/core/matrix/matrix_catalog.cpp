#include "core/matrix/matrix_catalog.h"

#include <array>

namespace wall {
namespace {

constexpr std::array<std::string_view, 119> kAvBrands = {
    "NotUsed", "QRV001", "QRV002", "AB8TO4", "ZC001", "MAINVAN", "LANMA", "XJ", "ADT", "CREATEK", "CREATEK2",
    "TRIOLION", "YM001", "AC", "SL001", "LW001", "INFINOVA", "ZHIMIN", "GCZ001", "SHATIAN", "LANMA2",
    "MINGKONG", "SISO", "SL002", "VINET", "CZ002", "LIGUO16X16", "TC8800", "EXTRON", "KICON", "LWAD",
    "CREATEK3", "XIE", "ITRON", "KEDI", "HOKUTO1", "HOKUTO2", "XU", "SIERRA", "LANMA3", "MVIIBR", "LQAD",
    "ZD", "V1064", "PE5052NTK", "CKDZ", "PGVAS2406", "CH001", "SYYT", "DB", "CREATEK4", "ADEMCO", "KEDI1",
    "KEDI2", "HVSM", "CZ003", "SITO", "DET", "EXTB", "EXTA", "QB", "PROV", "SMTH2", "PE5052K", "SMTH1",
    "SMTH3", "TECH", "SWITCHER", "SFLAG", "PE5051K", "HYK", "SMTH4", "MAINVAN2", "HXD1", "CZ001", "XZ001",
    "QJ", "MAINVAN3", "MAINVAN4", "MAINVAN5", "AC002", "BV6416", "SMTH6", "REA", "ACV", "JKLi", "PEARMAIN",
    "SMTH5", "Panasonic", "SMTH7", "AC003", "MAINVAN6", "MAINVAN7", "MAINVAN8", "ITRON2", "AC6800", "RL-B",
    "AnDiWeiShi", "LANMA4", "LANMA5", "CREATEK5", "XTA001", "EKL414H", "MAINVAN9", "MAINVAN10", "FE", "SMTH8",
    "XTA002", "HaoCheng", "LWAD2", "XIAONIAO", "CUSTOM", "Mixed", "P-Video", "CHANGE1", "CHANGE2", "CHANGE3",
    "RZET", "CREATEK6"
};

constexpr std::array<std::string_view, 103> kVgaBrands = {
    "NotUsed", "QRV001", "QRV002", "ZC001", "CREATEK", "HRCMS", "XJ", "AITE", "CREATEK2", "TRIOLION",
    "CREATEK3", "AC", "SL001", "LW001", "ZHIMIN", "SWITCHER", "MINGKONG", "SL002", "CZ002", "LIGUO", "LW002",
    "ITRON", "EXTRON", "KICON", "XIE", "ITRON312", "KEDI", "SISO", "XU", "FST", "MVIIBR", "NIE", "ZD", "CKDZ",
    "CH001", "DB", "CREATEK4", "HOKUTO", "KEDI1", "ZC003", "KEDI2", "HVSM", "CZ003", "EXTA", "CK", "CK1",
    "QB", "PROV", "ODIN", "TECH", "SFLAG", "HYK", "CREATEK5", "SISO2", "SMTH4", "HXD2", "SMTH5", "CZ001",
    "XZ001", "QJ", "QRV001_VR", "AC_VR", "AC002_VR", "Erton", "AC002", "CKDZ2", "ACV", "JKLi", "HOKUTO2",
    "XU_VR", "SMTH6", "XTA001", "AC003", "REA", "VSS", "CZ004", "A5", "ITRON2", "A5_01", "MAINVAN", "ZX02",
    "RL-B", "CREATEK6", "XTA002", "SWI", "HaoCheng", "GCZ001", "LCD", "XIAONIAO", "AC004", "LCD001", "KICON1",
    "YUJIN", "Mixed", "SITO", "P-VGA", "P-RGB", "JKJS", "CHANGE1", "CHANGE2", "CHANGE3", "RZET", "SMTH8"
};

constexpr std::array<std::string_view, 55> kDviBrands = {
    "NotUsed", "QRV001", "DVI001", "LKV344", "CKDZ", "HDMI0808", "MVIIBR", "CH001", "ATYC", "PROV", "ODIN",
    "SFLAG", "IDOT", "SMTH3", "JKJS", "HDMx", "EXTRON", "CREATEK", "YD4x4", "CREATEK2", "MAINVAN", "DB",
    "DB002", "XU", "ITRON", "QRV003", "GC002", "IFB", "QRV002", "CREATEK6", "ITRON2", "SWITCHER", "CREATEK7",
    "ZC001", "XTA001", "SWIT", "SISO", "MX0404", "XUHDMI", "XIAONIAO", "A8EXTRON", "CREATEK8", "AC", "Mixed",
    "XTA002", "PR0404", "P-DVI", "P-HDMI", "CHANGE1", "CHANGE2", "CHANGE3", "RZET", "QRV004", "HVSM", "HDMXs"
};

constexpr std::array<std::string_view, 4> kYpbprBrands = {
    "NotUsed", "QRV001", "MVIIBR", "AC002_VR"
};

constexpr std::array<std::string_view, 15> kAvModels = {
    "4X4", "8X4", "8X8", "16X8", "16X16", "24X8", "24X16", "24X24", "32X8", "32X16", "32X32", "64X24",
    "64X48", "64X64", "128X128"
};

constexpr std::array<std::string_view, 17> kVgaModels = {
    "5X2", "4X4", "8X2F2", "8X4", "8X8", "16X4", "16X8", "16X16", "24X8", "24X16", "32X8", "32X16", "32X32",
    "64X24", "64X48", "64X64", "128X128"
};
// Inputs by model for "TRIOLION": AV 4X4 ... 128X128, VGA 5X2 ... 128X128.
constexpr std::array<int, 15> kAvTriolionInputs = {4, 8, 8, 16, 16, 24, 24, 24, 32, 32, 32, 64, 64, 64, 128};
constexpr std::array<int, 17> kVgaTriolionInputs = {5, 4, 8, 8, 8, 16, 16, 16, 24, 24, 32, 32, 32, 64, 64, 64, 128};

}  // namespace

std::span<const std::string_view> brandNames(MatrixKind kind) {
  switch (kind) {
    case MatrixKind::AV: return kAvBrands;
    case MatrixKind::VGA: return kVgaBrands;
    case MatrixKind::DVI: return kDviBrands;
    case MatrixKind::YPbPr: return kYpbprBrands;
  }
  return {};
}

std::string_view brandName(MatrixKind kind, int company) {
  const auto names = brandNames(kind);
  if (company < 0 || static_cast<std::size_t>(company) >= names.size()) return {};
  return names[static_cast<std::size_t>(company)];
}

std::span<const std::string_view> modelNames(MatrixKind kind) {
  if (kind == MatrixKind::AV) return kAvModels;
  if (kind == MatrixKind::VGA) return kVgaModels;
  return {};
}

bool isItron2(MatrixKind kind, int company) {
  switch (kind) {
    case MatrixKind::AV: return company == 94;
    case MatrixKind::VGA: return company == 77;
    case MatrixKind::DVI: return company == 30;
    case MatrixKind::YPbPr: return false;
  }
  return false;
}

std::optional<int> triolionInputMax(MatrixKind kind, int model) {
  if (model < 0) return std::nullopt;
  const auto m = static_cast<std::size_t>(model);
  if (kind == MatrixKind::AV && m < kAvTriolionInputs.size()) return kAvTriolionInputs[m];
  if (kind == MatrixKind::VGA && m < kVgaTriolionInputs.size()) return kVgaTriolionInputs[m];
  return std::nullopt;
}

}  // namespace wall
