#include "core/matrix/matrix_menus.h"

#include "core/matrix/matrix_catalog.h"

namespace wall {

MatrixMenus matrixMenus(int avCompany, int vgaCompany) {
  MatrixMenus menus;
  menus.cameraAndRollPolling =
      avCompany == 5 || avCompany == 16 || avCompany == 28 || avCompany == 113 || vgaCompany == 52;
  menus.panasonic = avCompany == kAvPanasonic;
  return menus;
}

}  // namespace wall
