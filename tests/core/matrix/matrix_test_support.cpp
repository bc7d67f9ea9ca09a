#include "matrix_test_support.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "brand_case.h"

namespace wall::test {

Bytes notation(std::string_view text) {
  Bytes out;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == ' ') {
      ++i;
    } else if (c == '\'') {
      const std::size_t end = text.find('\'', i + 1);
      if (end == std::string_view::npos) throw std::invalid_argument("unclosed quote in " + std::string(text));
      for (std::size_t k = i + 1; k < end; ++k) out.push_back(static_cast<std::uint8_t>(text[k]));
      i = end + 1;
    } else {
      if (i + 1 >= text.size()) throw std::invalid_argument("odd hex in " + std::string(text));
      out.push_back(static_cast<std::uint8_t>(std::stoi(std::string(text.substr(i, 2)), nullptr, 16)));
      i += 2;
    }
  }
  return out;
}

Script expectedScript(const std::vector<std::string>& lines, int device) {
  Script script;
  for (const std::string& line : lines) {
    if (line.rfind("pause ", 0) == 0) {
      script.pause(std::stoi(line.substr(6)));
    } else {
      script.send(device, notation(line));
    }
  }
  return script;
}

void MatrixRig::configure(MatrixKind kind, int company, int id, int inputMax, int delay, int model) {
  auto& s = state.of(kind);
  s.company = company;
  s.id = id;
  s.inputMax = inputMax;
  s.delayTime = delay;
  s.type = model;
}

void MatrixRig::wireFirstRow(MatrixKind kind, const std::vector<int>& outputs) {
  wall.columns = static_cast<int>(outputs.size());
  auto& map = state.map(kind);
  map.fill(0);
  for (std::size_t c = 0; c < outputs.size(); ++c) map[c] = outputs[c];
  selection = Selection{0, 0, 0, wall.columns - 1};
}

MatrixSwitchResult MatrixRig::run(int sourceCode, int in) const {
  const auto kind = kindForSource(sourceCode);
  return run(sourceCode, in, kind ? state.of(*kind).id : 1);
}

MatrixSwitchResult MatrixRig::run(int sourceCode, int in, int id) const {
  MatrixContext ctx{state, wall, flags, selection, switchType, avChannel};
  return matrixControl(ctx, sourceCode, in, id);
}

void expectBrandBytes(const BrandCase& c) {
  const auto kind = kindForSource(c.sourceCode);
  ASSERT_TRUE(kind) << c.name << ": source " << c.sourceCode << " has no matrix";
  MatrixRig rig;
  rig.configure(*kind, c.company, c.id, c.inputMax, 100, c.model);
  rig.switchType = c.sw;
  rig.wireFirstRow(*kind, c.outputs);
  const auto result = rig.run(c.sourceCode, c.in);
  EXPECT_EQ(result.script.toText(), expectedScript(c.expected).toText());
  EXPECT_TRUE(result.log.empty()) << result.log.front();
}

}  // namespace wall::test
