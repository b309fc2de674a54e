#pragma once

#include <filesystem>

#include "core/interfaces/settings_store.h"

namespace quavix {

// The player's settings as an INI file, each value read as the plain text it is. A damaged file
// gives the defaults and one line on stderr; the next save replaces it whole. A path that leads
// to anything but a regular file is neither read nor written; a link to one is written through.
class SettingsFile : public SettingsStore {
 public:
  explicit SettingsFile(std::filesystem::path path);

  PlayerSettings loadSettings() override;
  void saveSettings(const PlayerSettings& settings) override;

 private:
  std::filesystem::path path_;
};

// <config home>/quavix/settings.ini, ~/.config/quavix/settings.ini unless XDG_CONFIG_HOME says
// otherwise.
std::filesystem::path defaultSettingsFilePath();

}  // namespace quavix
