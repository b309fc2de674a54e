#pragma once

#include <string_view>

namespace quavix {

// Plays a note-name recording once; a new one replaces the one before.
class NoteSamplePlayer {
 public:
  virtual ~NoteSamplePlayer() = default;
  // False when the file cannot be read or played; the caller goes on either way.
  virtual bool playNoteSample(std::string_view fileName) = 0;
};

}  // namespace quavix
