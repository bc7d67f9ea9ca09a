// A device that goes away while its port is open (an adapter pulled out) and
// comes back, possibly as another terminal behind the same path.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <mutex>

#include "io/serial_port.h"
#include "port_test_support.h"

namespace wall {
namespace {

using namespace std::chrono_literals;
using test::bytesOf;
using test::eventually;
using test::PtyFarEnd;

class PortReconnect : public ::testing::Test {
 protected:
  void SetUp() override {
    link = folder.file("wall-port");
    std::filesystem::create_symlink(before->path(), link);
    QObject::connect(&port, &SerialPort::stateChanged, &port,
                     [this](PortState s, const QString&) {
                       std::lock_guard lock(mutex);
                       states.push_back(s);
                     },
                     Qt::DirectConnection);
    port.setSettings(test::settingsOn(link));
    ASSERT_TRUE(port.open());
  }

  std::vector<PortState> seen() {
    std::lock_guard lock(mutex);
    return states;
  }

  std::mutex mutex;
  std::vector<PortState> states;
  test::TempFolder folder;
  std::string link;
  std::unique_ptr<PtyFarEnd> before = std::make_unique<PtyFarEnd>();
  SerialPort port{1};
};

TEST_F(PortReconnect, AVanishedDeviceIsReopenedWhenItComesBack) {
  port.writePackage(bytesOf("one"));
  ASSERT_EQ(before->waitForBytes(3, 2s), bytesOf("one"));

  before->hangUp();
  before.reset();
  ASSERT_TRUE(eventually([&] { return port.state() == PortState::Failed; }, 2s));
  EXPECT_EQ(port.writePackage(bytesOf("lost")), 0u);

  // Away for a while: the path leads nowhere, and the port keeps waiting.
  std::filesystem::remove(link);
  std::this_thread::sleep_for(600ms);
  EXPECT_EQ(port.state(), PortState::Failed);

  PtyFarEnd after;
  test::pointLink(link, after.path());
  ASSERT_TRUE(eventually([&] { return port.state() == PortState::Open; }, 2s))
      << "not reopened within 2 s of the device coming back";

  ASSERT_EQ(port.writePackage(bytesOf("two")), 3u);
  EXPECT_EQ(after.waitForBytes(3, 2s), bytesOf("two")) << "nothing written while away may go out late";
  after.send(bytesOf("reply"));
  auto package = port.waitForPackage(2s);
  ASSERT_TRUE(package);
  EXPECT_EQ(*package, bytesOf("reply"));
  EXPECT_EQ(seen(), (std::vector<PortState>{PortState::Open, PortState::Failed, PortState::Open}));
}

TEST_F(PortReconnect, ALinkMovedToANewTerminalIsFollowed) {
  PtyFarEnd after;
  before->hangUp();
  test::pointLink(link, after.path());
  ASSERT_TRUE(eventually([&] { return port.state() == PortState::Open && seen().size() >= 3; }, 3s));
  ASSERT_EQ(port.writePackage(bytesOf("moved")), 5u);
  EXPECT_EQ(after.waitForBytes(5, 2s), bytesOf("moved"));
}

TEST_F(PortReconnect, ClosingAFailedPortStopsTheWatch) {
  before->hangUp();
  ASSERT_TRUE(eventually([&] { return port.state() == PortState::Failed; }, 2s));
  port.close();
  EXPECT_EQ(port.state(), PortState::Closed);
  PtyFarEnd after;
  test::pointLink(link, after.path());
  std::this_thread::sleep_for(600ms);
  EXPECT_EQ(port.state(), PortState::Closed) << "a port closed on purpose stays closed";
}

TEST_F(PortReconnect, BytesReceivedBeforeTheLossAreKept) {
  before->send(bytesOf("partial"));
  ASSERT_TRUE(eventually([&] { return port.packagesWaiting() == 1; }, 2s));
  before->hangUp();
  ASSERT_TRUE(eventually([&] { return port.state() == PortState::Failed; }, 2s));
  auto package = port.readPackage();
  ASSERT_TRUE(package);
  EXPECT_EQ(*package, bytesOf("partial"));
}

}  // namespace
}  // namespace wall
