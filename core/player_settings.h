#pragma once

#include <cstdint>

namespace quavix {

// The interface's language. Chinese is the source of every text, and the default whatever the
// system's locale says.
enum class Language : uint8_t { Chinese, English };

// What the player chose in the band's menu, kept between runs. The defaults leave the window
// exactly as it is without the menu.
struct PlayerSettings {
  bool backgroundMusic = true;
  Language language = Language::Chinese;

  bool operator==(const PlayerSettings&) const = default;
};

}  // namespace quavix
