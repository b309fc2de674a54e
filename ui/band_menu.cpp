#include "ui/band_menu.h"

namespace quavix {

BandMenu::BandMenu(Velmora& velmora, Run run, QWidget* parent)
    : QMenu(parent), velmora_(velmora), run_(std::move(run)) {
  connect(this, &QMenu::aboutToShow, this, &BandMenu::rebuild);
}

void BandMenu::rebuild() {
  clear();
  addToggle(QStringLiteral("背景音乐"), &PlayerSettings::backgroundMusic);
  addStatisticsEntry();
}

void BandMenu::addStatisticsEntry() {
  addSeparator();
  connect(addAction(tr("统计")), &QAction::triggered, this, &BandMenu::statisticsRequested);
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

}  // namespace quavix
