#include "io/port_listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "port_test_support.h"

namespace wall {
namespace {

TEST(PortListing, ListsByIdLinksUnderTheirStablePath) {
  test::PtyFarEnd adapter;
  test::TempFolder byId;
  const std::string link = byId.file("usb-FTDI_FT232R_A1B2C3-if00-port0");
  std::filesystem::create_symlink(adapter.path(), link);
  // An adapter that was pulled out leaves no entry behind.
  std::filesystem::create_symlink("/dev/wall-unplugged", byId.file("usb-gone-if00-port0"));

  const auto ports = listSerialPorts(byId.file(""));
  auto it = std::find_if(ports.begin(), ports.end(), [&](const SerialPortEntry& e) { return e.path == link; });
  ASSERT_NE(it, ports.end());
  EXPECT_EQ(it->node, std::filesystem::canonical(adapter.path()).string());
  EXPECT_EQ(std::count_if(ports.begin(), ports.end(),
                          [](const SerialPortEntry& e) { return e.path.find("gone") != std::string::npos; }),
            0);
  EXPECT_TRUE(std::is_sorted(ports.begin(), ports.end(),
                             [](const SerialPortEntry& a, const SerialPortEntry& b) { return a.path < b.path; }));
}

TEST(PortListing, AMissingByIdFolderIsNoError) {
  EXPECT_NO_THROW(listSerialPorts("/dev/wall-no-such-folder"));
}

}  // namespace
}  // namespace wall
