#pragma once

#include <iostream>
#include <string>

namespace quavix {

inline void reportMidiProblem(const std::string& text) {
  std::cerr << "quavix: MIDI input: " << text << '\n';
}

}  // namespace quavix
