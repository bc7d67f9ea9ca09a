#pragma once
// One brand's bytes for one call, as a row of a parameterised test: the
// brand, the call, and the script expected on the wire.

#include <ostream>
#include <string>
#include <vector>

namespace wall::test {

struct BrandCase {
  const char* name;
  int sourceCode = 0;
  int company = 0;
  std::vector<int> outputs;  // the first row's wiring, all selected
  int in = 3;
  std::vector<std::string> expected;  // packets in notation and "pause N"
  int sw = 0;
  int id = 1;
  int inputMax = 16;
  int model = 0;
};

inline void PrintTo(const BrandCase& c, std::ostream* os) { *os << c.name; }

// A single packet followed by the 100 ms pause the rig configures.
inline std::vector<std::string> once(const std::string& packet) { return {packet, "pause 100"}; }

}  // namespace wall::test
