#pragma once

#include <QTranslator>

#include "core/player_settings.h"

namespace quavix {

// The application's translation of the interface. Chinese, the source language, needs none.
// Installing or removing it sends every widget a LanguageChange event.
class InterfaceLanguage {
 public:
  ~InterfaceLanguage();

  // A translation that can't be loaded leaves the interface in Chinese, with a line on stderr.
  void use(Language language);
  // The language asked for last.
  Language chosen() const { return chosen_; }

 private:
  QTranslator translator_;
  Language chosen_ = Language::Chinese;
  bool installed_ = false;
};

}  // namespace quavix
