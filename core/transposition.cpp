#include "core/transposition.h"

#include <algorithm>
#include <array>

namespace quavix {

namespace {

constexpr std::array kTranspositions = {
    TranspositionInfo{Transposition::Concert, "concert", 0},
    TranspositionInfo{Transposition::BFlat, "bb", 2},
    TranspositionInfo{Transposition::EFlat, "eb", 9},
    TranspositionInfo{Transposition::F, "f", 7},
    TranspositionInfo{Transposition::OctaveDown, "octave-down", 12},
};

}  // namespace

std::span<const TranspositionInfo> transpositions() { return kTranspositions; }

const TranspositionInfo& transpositionInfo(Transposition transposition) {
  return *std::ranges::find(kTranspositions, transposition, &TranspositionInfo::transposition);
}

int writtenNote(Transposition transposition, int soundingNote) {
  return soundingNote + transpositionInfo(transposition).writtenAbove;
}

}  // namespace quavix
