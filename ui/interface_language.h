#pragma once

#include <QTranslator>
#include <span>

#include "core/languages.h"

namespace quavix {

// The application's translation of the interface. Chinese, the source language, needs none.
// Installing or removing it sends every widget a LanguageChange event.
class InterfaceLanguage {
 public:
  explicit InterfaceLanguage(std::span<const LanguageInfo> table = languages()) : table_(table) {}
  ~InterfaceLanguage();
  InterfaceLanguage(const InterfaceLanguage&) = delete;
  InterfaceLanguage& operator=(const InterfaceLanguage&) = delete;

  // A translation that can't be loaded leaves the interface in Chinese, with a line on stderr.
  void use(Language language);
  // The language asked for last.
  Language chosen() const { return chosen_; }

 private:
  std::span<const LanguageInfo> table_;
  QTranslator translator_;
  Language chosen_ = Language::Chinese;
  bool installed_ = false;
};

}  // namespace quavix
