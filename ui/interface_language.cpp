#include "ui/interface_language.h"

#include <QCoreApplication>
#include <iostream>

namespace quavix {

namespace {

// Built from translations/quavix_en.ts into the program's resources.
constexpr char kEnglishTranslation[] = ":/i18n/quavix_en.qm";

}  // namespace

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
  if (language == Language::Chinese) return;
  if (!translator_.load(QString::fromLatin1(kEnglishTranslation))) {
    std::cerr << "quavix: cannot load the English translation " << kEnglishTranslation
              << "; the window stays in Chinese\n";
    return;
  }
  installed_ = QCoreApplication::installTranslator(&translator_);
}

}  // namespace quavix
