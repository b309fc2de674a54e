#include "core/languages.h"

#include <array>

namespace quavix {

namespace {

// The source language needs no translation; its note names are the data folder's own.
constexpr std::array<LanguageInfo, 2> kLanguages = {{
    {Language::Chinese, "zh", "中文", "", ""},
    {Language::English, "en", "English", ":/i18n/quavix_en.qm", "en"},
}};

}  // namespace

std::span<const LanguageInfo> languages() { return kLanguages; }

const LanguageInfo& languageInfo(Language language) {
  for (const LanguageInfo& info : kLanguages) {
    if (info.language == language) return info;
  }
  return kLanguages.front();
}

}  // namespace quavix
