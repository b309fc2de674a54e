#include "ui/interface_language.h"

#include <QCoreApplication>
#include <algorithm>
#include <iostream>

namespace quavix {

InterfaceLanguage::~InterfaceLanguage() {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
}

void InterfaceLanguage::use(Language language) {
  if (language == chosen_) return;
  chosen_ = language;
  if (installed_) {
    QCoreApplication::removeTranslator(&translator_);
    installed_ = false;
  }
  const auto row = std::ranges::find(table_, language, &LanguageInfo::language);
  if (row == table_.end() || row->translation.empty()) return;
  const std::string_view file = row->translation;
  if (!translator_.load(QString::fromUtf8(file.data(), qsizetype(file.size())))) {
    std::cerr << "quavix: cannot load the translation " << file
              << "; the window stays in Chinese\n";
    return;
  }
  installed_ = QCoreApplication::installTranslator(&translator_);
}

}  // namespace quavix
