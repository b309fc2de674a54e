#pragma once

// The Qt window on the recording stand-ins, and what its tests do to it as a player would.

#include <QMenu>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/midi_words.h"
#include "platform/files/qt_picture_files.h"
#include "tests/core/game_doubles.h"
#include "ui/band_menu.h"
#include "ui/keyboard_widget.h"
#include "ui/velmora_window.h"

namespace quavix {

using Log = std::vector<std::string>;
using Words = std::vector<uint32_t>;

// What a key of this pitch offset sends when pressed and released.
inline Words keyWords(int offset) { return {noteOnWord(offset), noteOffWord(offset)}; }

// The window on recording services, with the real pictures.
struct Rig : Window<QtPictureFiles> {
  using Window::Window;
  VelmoraWindow window{velmora};
};

class WindowTest : public QObject {
 protected:
  std::unique_ptr<Rig> rig_;

  VelmoraWindow& window() { return rig_->window; }
  QWidget* widget(const char* name, int index = -1) { return window().controlWidget(name, index); }
  // At a window pixel; the keyboard starts at 8, 392.
  void click(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(window().keyboard(), button, {}, QPoint(x - 8, y - 392));
    QTest::mouseRelease(window().keyboard(), button, {}, QPoint(x - 8, y - 392));
  }
  Words sent() { return rig_->services.sent(); }

  void open(PlayerSettings saved = {}) {
    rig_ = std::make_unique<Rig>(saved);
    rig_->velmora.Form_Load();
    window().mirror();
    window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
  }
  QString text(const char* name, int index = -1) {
    return widget(name, index)->property("text").toString();
  }
  // As a player does it: the band's menu, then the entry, in its submenu if one is named.
  void choose(const QString& name, const QString& submenu = {}) {
    window().bandMenu()->popup({0, 0});
    const auto find = [](const QMenu* menu, const QString& text) {
      const QList<QAction*> entries = menu->actions();
      const auto found =
          std::ranges::find_if(entries, [&](QAction* a) { return a->text() == text; });
      return found == entries.end() ? nullptr : *found;
    };
    const QAction* holder = submenu.isEmpty() ? nullptr : find(window().bandMenu(), submenu);
    QAction* entry = find(holder ? holder->menu() : window().bandMenu(), name);
    QVERIFY2(entry, qPrintable(name));
    entry->trigger();
    window().bandMenu()->hide();
    QCoreApplication::processEvents();
  }
};

}  // namespace quavix
