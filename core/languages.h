#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace quavix {

// The interface's language. Chinese is the source of every text, and the default whatever the
// system's locale says.
enum class Language : uint8_t { Chinese, English };

// Everything that differs by language, in one row each. A new language is a new row here and
// its translation file.
struct LanguageInfo {
  Language language;
  std::string_view code;         // in the settings file
  std::string_view name;         // in the menu, in the language itself
  std::string_view translation;  // the interface's translation in the program's resources
  std::string_view noteNames;    // the data folder's subfolder of the spoken note names
};

std::span<const LanguageInfo> languages();
const LanguageInfo& languageInfo(Language language);

}  // namespace quavix
