#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quavix {

// A capture device that hears the notes played or sung into it. What it hears reaches the game
// by a way the real one is built with, on the game's own thread.
class Microphone {
 public:
  virtual ~Microphone() = default;
  // The capture devices by name; the system's default, named "", is not among them.
  virtual std::vector<std::string> devices() const = 0;
  // Listens to `device` ("" for the system's default) in the place of any before, or stops
  // listening when there is none. Empty when it listens, else why it can't, in one line.
  virtual std::string listen(const std::optional<std::string>& device) = 0;
};

}  // namespace quavix
