#include "ui/band_menu.h"

#include <utility>

namespace quavix {

BandMenu::BandMenu(Velmora& velmora, Run run, QWidget* parent)
    : QMenu(parent), velmora_(velmora), run_(std::move(run)), languages_(new QActionGroup(this)) {
  connect(this, &QMenu::aboutToShow, this, &BandMenu::rebuild);
}

void BandMenu::rebuild() {
  clear();
  addToggle(tr("背景音乐"), &PlayerSettings::backgroundMusic);
  addLanguages();
}

void BandMenu::addToggle(const QString& text, bool PlayerSettings::*setting) {
  QAction* action = addAction(text);
  action->setCheckable(true);
  action->setChecked(velmora_.settings().*setting);
  connect(action, &QAction::toggled, this, [this, setting](bool on) {
    run_([this, setting, on] {
      PlayerSettings changed = velmora_.settings();
      changed.*setting = on;
      velmora_.changeSettings(changed);
    });
  });
}

void BandMenu::addLanguages() {
  addSeparator();
  const std::pair<Language, QString> languages[] = {{Language::Chinese, QStringLiteral("中文")},
                                                    {Language::English, QStringLiteral("English")}};
  for (const auto& [language, name] : languages) {
    QAction* action = addAction(name);
    action->setCheckable(true);
    action->setChecked(velmora_.settings().language == language);
    languages_->addAction(action);
    connect(action, &QAction::triggered, this, [this, language = language] {
      run_([this, language] {
        PlayerSettings changed = velmora_.settings();
        changed.language = language;
        velmora_.changeSettings(changed);
      });
    });
  }
}

}  // namespace quavix
