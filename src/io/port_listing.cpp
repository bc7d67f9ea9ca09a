#include "io/port_listing.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <filesystem>
#include <map>

namespace wall {

namespace {

namespace fs = std::filesystem;

// Device node → by-id link naming it.
std::map<std::string, std::string> byIdLinks(const std::string& folder) {
  std::map<std::string, std::string> links;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code e;
    const fs::path node = fs::canonical(it->path(), e);
    if (e) continue;  // a dangling link: the adapter is gone
    // Two links to one node (by-id and a hand-made one): keep the first by name.
    auto [pos, added] = links.emplace(node.string(), it->path().string());
    if (!added && it->path().string() < pos->second) pos->second = it->path().string();
  }
  return links;
}

}  // namespace

std::vector<SerialPortEntry> listSerialPorts(const std::string& byIdFolder) {
  auto links = byIdLinks(byIdFolder);
  std::vector<SerialPortEntry> out;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    SerialPortEntry e;
    e.node = info.systemLocation().toStdString();
    std::error_code ec;
    const std::string canonical = fs::canonical(e.node, ec).string();
    auto link = links.find(ec ? e.node : canonical);
    if (link != links.end()) {
      e.path = link->second;
      links.erase(link);
    } else {
      e.path = e.node;
    }
    e.description = info.description().toStdString();
    e.manufacturer = info.manufacturer().toStdString();
    e.serialNumber = info.serialNumber().toStdString();
    out.push_back(std::move(e));
  }
  for (const auto& [node, link] : links) {
    SerialPortEntry e;
    e.path = link;
    e.node = node;
    out.push_back(std::move(e));
  }
  std::sort(out.begin(), out.end(), [](const SerialPortEntry& a, const SerialPortEntry& b) { return a.path < b.path; });
  return out;
}

}  // namespace wall
