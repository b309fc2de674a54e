#pragma once

namespace quavix {

// What the player chose in the band's menu, kept between runs. The defaults leave the window
// exactly as it is without the menu.
struct PlayerSettings {
  bool backgroundMusic = true;

  bool operator==(const PlayerSettings&) const = default;
};

}  // namespace quavix
