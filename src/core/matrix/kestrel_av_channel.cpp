#include "core/matrix/kestrel_av_channel.h"

namespace wall {

std::optional<int> kestrelAvChannel(int sourceCode, int subSignal) {
  constexpr int kFirstAvSource = 2;
  if (sourceCode >= kFirstAvSource && sourceCode < kFirstAvSource + kKestrelAvChannels) {
    return sourceCode - kFirstAvSource;
  }
  if (sourceCode == kKestrelQuadSource && subSignal >= 1 && subSignal <= kKestrelAvChannels) return subSignal - 1;
  return std::nullopt;
}

}  // namespace wall
