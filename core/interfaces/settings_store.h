#pragma once

#include "core/player_settings.h"

namespace quavix {

// Where the player's settings are kept; the real one is a settings file.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The defaults for anything missing or unreadable.
  virtual PlayerSettings loadSettings() = 0;
  virtual void saveSettings(const PlayerSettings& settings) = 0;
};

}  // namespace quavix
