#include "io/port_opening.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/link/port_status.h"
#include "core/settings/settings_file.h"
#include "port_test_support.h"

namespace wall {
namespace {

using test::PtyFarEnd;

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// A scripted operator: the messages shown, and one answer per showing of
// the settings dialog.
struct Operator {
  std::vector<std::string> messages;
  struct Showing {
    int device;
    PortSettings current;
    std::string error;
  };
  std::vector<Showing> showings;
  std::vector<std::optional<PortSettings>> answers;

  PortOpeningUi ui() {
    PortOpeningUi u;
    u.showMessage = [this](const std::string& m) { messages.push_back(m); };
    u.settingsDialog = [this](int device, const PortSettings& current, const std::string& error) {
      showings.push_back({device, current, error});
      if (showings.size() > answers.size()) return std::optional<PortSettings>{};
      return answers[showings.size() - 1];
    };
    return u;
  }
};

class PortOpeningTest : public ::testing::Test {
 protected:
  void writeFile(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

  test::TempFolder folder;
  std::string path = folder.file("Setting.ini");
  PtyFarEnd far;
  Operator op;
};

TEST_F(PortOpeningTest, APortThatOpensAsksNothingAndWritesNothing) {
  writeFile("[YbCommDevice1 Com Set]\nDevice=" + far.path() + "\n");
  const std::string before = readText(path);
  SettingsFile file(path);
  SerialPort port(1);
  port.setSettings(readPortSettings(file, 1));
  const PortOpening r = openPort(port, file, 0, op.ui());
  EXPECT_TRUE(r.open);
  EXPECT_FALSE(r.failure);
  EXPECT_TRUE(op.messages.empty());
  EXPECT_TRUE(op.showings.empty());
  EXPECT_EQ(readText(path), before);
}

TEST_F(PortOpeningTest, AFailureShowsItsMessageThenTheDialogAndCancelWritesNothing) {
  writeFile("[YbCommDevice1 Com Set]\nDevice=/dev/wall-absent\n");
  const std::string before = readText(path);
  SettingsFile file(path);
  SerialPort port(1);
  port.setSettings(readPortSettings(file, 1));
  const PortOpening r = openPort(port, file, 0, op.ui());
  EXPECT_FALSE(r.open);
  ASSERT_TRUE(r.failure);
  EXPECT_EQ(r.failure->problem, PortOpenProblem::NotFound);
  EXPECT_EQ(op.messages, std::vector<std::string>{"串口 /dev/wall-absent 不存在"});
  ASSERT_EQ(op.showings.size(), 1u);
  EXPECT_EQ(op.showings[0].device, 1);
  EXPECT_EQ(op.showings[0].current.device, "/dev/wall-absent");
  EXPECT_EQ(op.showings[0].error, "") << "the dialog opens afresh after the message";
  EXPECT_EQ(port.state(), PortState::Closed);
  EXPECT_EQ(readText(path), before);
  EXPECT_EQ(portStatusTexts(port.settings(), port.isOpen(), 1).state, "Com Satus: failure");
}

TEST_F(PortOpeningTest, AConfirmedDialogOpensThePortAndWritesTheNineKeysInOrder) {
  writeFile("; wall\n[YbCommDevice1 Com Set]\nDevice=/dev/wall-absent\n[Other]\nKey=1\n");
  SettingsFile file(path);
  SerialPort port(1);
  port.setSettings(readPortSettings(file, 1));

  PortSettings stillWrong = port.settings();
  stillWrong.device = "/dev/wall-still-absent";
  PortSettings right = test::settingsOn(far.path());
  right.baud = 12;
  right.autoAnswer = 1;  // stored and restored only
  right.inBufSize = 1200;
  right.outBufSize = 600;
  op.answers = {stillWrong, right};

  const PortOpening r = openPort(port, file, 1, op.ui());
  EXPECT_TRUE(r.open);
  EXPECT_TRUE(r.settingsWritten);
  ASSERT_EQ(op.showings.size(), 2u);
  EXPECT_EQ(op.showings[1].error, "Serial port /dev/wall-still-absent does not exist")
      << "a failed attempt keeps the dialog up with its message";
  EXPECT_EQ(port.state(), PortState::Open);

  const std::string text = readText(path);
  std::size_t at = text.find("[YbCommDevice1 Com Set]");
  ASSERT_NE(at, std::string::npos);
  for (const char* key : {"PortNo=1", "Baud=12", "Parity=0", "ByteSize=8", "StopBits=0", "FlowControl=0",
                          "AutoAnswer=1", "InBufSize=1200", "OutBufSize=600"}) {
    const std::size_t next = text.find(key, at);
    ASSERT_NE(next, std::string::npos) << key << " missing or out of order in\n" << text;
    at = next;
  }
  EXPECT_NE(text.find("; wall"), std::string::npos);
  EXPECT_NE(text.find("[Other]"), std::string::npos);

  // Read back as the next start-up reads it, and given to a port again.
  SettingsFile again(path);
  EXPECT_EQ(readPortSettings(again, 1), right);
  SerialPort next(1);
  next.setSettings(readPortSettings(again, 1));
  EXPECT_EQ(next.settings(), right);
}

TEST_F(PortOpeningTest, StartUpOpensTheWallPortAlwaysAndOthersThatHaveANumber) {
  PtyFarEnd matrix;
  writeFile("[YbCommDevice1 Com Set]\nDevice=" + far.path() +
            "\n"
            "[YbCommDevice2 Com Set]\nPortNo=0\nDevice=" +
            matrix.path() +
            "\n"
            "[YbCommDevice3 Com Set]\nPortNo=1\nDevice=" +
            matrix.path() +
            "\n"
            "[YbCommDevice5 Com Set]\nPortNo=2\nDevice=/dev/wall-absent\n");
  SettingsFile file(path);
  PortBank bank;
  const auto results = openConfiguredPorts(bank, file, 1, op.ui());
  ASSERT_EQ(results.size(), 3u);
  EXPECT_EQ(results[0].device, 1);
  EXPECT_TRUE(results[0].open);
  EXPECT_EQ(results[1].device, 3);
  EXPECT_TRUE(results[1].open);
  EXPECT_EQ(results[2].device, 5);
  EXPECT_FALSE(results[2].open);
  EXPECT_EQ(bank.port(2).state(), PortState::Closed) << "PortNo 0: not used, whatever its Device";
  EXPECT_EQ(bank.port(4).state(), PortState::Closed);
  ASSERT_EQ(op.showings.size(), 1u);
  EXPECT_EQ(op.showings[0].device, 5);
  EXPECT_EQ(op.messages, std::vector<std::string>{"Serial port /dev/wall-absent does not exist"});
}

TEST_F(PortOpeningTest, WithoutAFileTheWallPortIsComOneAtTheDefaultLine) {
  SettingsFile file(path);
  PortBank bank;
  openConfiguredPorts(bank, file, 1, PortOpeningUi{});
  const PortSettings s = bank.port(1).settings();
  EXPECT_EQ(portPath(s), "/dev/ttyS0");
  EXPECT_EQ(s, PortSettings::defaultsFor(1));
  EXPECT_EQ(portStatusTexts(s, bank.port(1).isOpen(), 1).port, "Serial: COM1");
  EXPECT_EQ(portStatusTexts(s, true, 1).baud, "Baud: 9600");
  for (int d = 2; d <= 5; ++d) EXPECT_EQ(bank.port(d).state(), PortState::Closed);
}

}  // namespace
}  // namespace wall
