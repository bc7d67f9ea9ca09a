#pragma once
// Which of a Kestrel unit's four AV channels ("AV1".."AV4") a switch
// addresses, from the input-control dialog's choice: the sources "AV1" to
// "AV4" (SourceCode 2 to 5) are their own channel; "QUAD" (6) takes it from
// the "子信号" list, whose entries 1 to 4 are "AV1".."AV4" and whose entry 0,
// "NULL", chooses none (the matrix is then not switched).

#include <optional>

namespace wall {

inline constexpr int kKestrelAvChannels = 4;
inline constexpr int kKestrelQuadSource = 6;

// The channel 0..3, or nothing (not an AV source, or "QUAD" with "NULL").
std::optional<int> kestrelAvChannel(int sourceCode, int subSignal);

}  // namespace wall
