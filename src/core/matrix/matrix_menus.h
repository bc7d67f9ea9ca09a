#pragma once
// Menu entries whose visibility the matrix brands drive.

namespace wall {

struct MatrixMenus {
  // "云台控制" (N26) and "轮询设置" (N63): the camera control and roll
  // polling, for the AV brands that speak a camera protocol or poll
  // ("MAINVAN" 5, "INFINOVA" 16, "EXTRON" 28, "P-Video" 113) and the VGA
  // brand "CREATEK5" (52).
  bool cameraAndRollPolling = false;
  // "Panasonic Login" and "Panasonic Logout" (PanasonicLogin1,
  // PanasonicLogout1): AV brand "Panasonic" (88).
  bool panasonic = false;
  bool operator==(const MatrixMenus&) const = default;
};

// The same rule at start-up and after the matrix settings are confirmed.
MatrixMenus matrixMenus(int avCompany, int vgaCompany);

}  // namespace wall
