// Runs every desktop test class, offscreen.

#include <QApplication>
#include <QTest>

#include "gui_tests.h"

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  int failed = 0;
  {
    wall::test::MainWindowTest t;
    failed += QTest::qExec(&t, argc, argv);
  }
  {
    wall::test::DialogsTest t;
    failed += QTest::qExec(&t, argc, argv);
  }
  {
    wall::test::PowerTest t;
    failed += QTest::qExec(&t, argc, argv);
  }
  {
    wall::test::ControlPagesTest t;
    failed += QTest::qExec(&t, argc, argv);
  }
  {
    wall::test::MatrixDialogsTest t;
    failed += QTest::qExec(&t, argc, argv);
  }
  return failed == 0 ? 0 : 1;
}
