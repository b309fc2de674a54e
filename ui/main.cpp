#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <cstdio>

#include "core/clock_random.h"
#include "core/statistics_recorder.h"
#include "core/velmora.h"
#include "platform/clock/system_clock.h"
#include "platform/files/background_saves.h"
#include "platform/files/qt_picture_files.h"
#include "platform/files/score_file.h"
#include "platform/files/settings_file.h"
#include "platform/files/statistics_file.h"
#include "platform/microphone/sdl_microphone.h"
#include "platform/midi_input/rtmidi_input.h"
#include "platform/sound/sound_services.h"
#include "ui/band_menu.h"
#include "ui/fonts.h"
#include "ui/shutdown_signals.h"
#include "ui/startup_clock.h"
#include "ui/statistics_window.h"
#include "ui/tick_figures.h"
#include "ui/velmora_window.h"

int main(int argc, char** argv) {
  // First, so that the SoundFont loads while Qt starts and the window is built; the window's
  // load waits for it. It outlives the window's unload.
  quavix::SoundServices sound;
  QApplication app(argc, argv);
  quavix::prepareFonts();
  quavix::ShutdownSignals shutdown;

  // Declared before the window so that they outlive its unload.
  quavix::ScoreFile scores(quavix::defaultScoreFilePath());
  quavix::ClockRandom random;
  quavix::QtPictureFiles pictures;
  quavix::SettingsFile settings(quavix::defaultSettingsFilePath());
  // MIDI and the microphone's notes arrive on their systems' threads and are played on this one.
  // Both stop before the application goes; what is still queued then is dropped with the window.
  QPointer<quavix::VelmoraWindow> target;
  const auto playHere = [&target](std::function<void(quavix::Velmora&)> handler) {
    QMetaObject::invokeMethod(
        qApp,
        [&target, handler = std::move(handler)] {
          if (target) target->play(handler);
        },
        Qt::QueuedConnection);
  };
  quavix::RtMidiInput midiInput([&playHere](int source, std::vector<uint8_t> message) {
    playHere([source, message = std::move(message)](quavix::Velmora& velmora) {
      velmora.midiMessage(source, message);
    });
  });
  quavix::SdlMicrophone microphone(
      [&playHere](std::optional<int> note) {
        playHere([note](quavix::Velmora& velmora) { velmora.microphoneNote(note); });
      },
      [&sound] { return sound.engine().ownSoundPlaying(); });
  quavix::StatisticsFile statisticsFile(quavix::defaultStatisticsFilePath());
  // Written off the window's thread; the program ends only after the last write.
  quavix::BackgroundSaves statisticsSaves(statisticsFile);
  quavix::SystemClock clock;
  quavix::StatisticsRecorder statistics(statisticsSaves, clock);
  quavix::Velmora velmora({sound.midi(), sound.sound(), random, pictures, scores, settings,
                           midiInput, statistics, microphone});
  quavix::VelmoraWindow window(velmora);
  target = &window;
  window.bandMenu()->setDueNotes([&statistics] { return statistics.dueToday(); });
  // Made when first asked for, so that a player who never opens it pays nothing for it.
  quavix::StatisticsWindow* statisticsWindow = nullptr;
  QObject::connect(window.bandMenu(), &quavix::BandMenu::statisticsRequested, &window, [&] {
    if (!statisticsWindow) statisticsWindow = new quavix::StatisticsWindow(statistics, &window);
    statisticsWindow->setNoteNaming(velmora.settings().noteNames);
    statisticsWindow->present();
  });

  if (qEnvironmentVariable("QUAVIX_PRINT_FIRST_FRAME") == QLatin1String("1")) {
    QObject::connect(&window, &quavix::VelmoraWindow::firstPainted, [] {
      std::fprintf(stderr, "first-frame-ms %lld\n",
                   static_cast<long long>(quavix::millisecondsSinceProcessStart()));
    });
  }
  // Timer1's regularity, for the figures script; printed on the way out.
  const bool printTimer1 = qEnvironmentVariable("QUAVIX_PRINT_TIMER1") == QLatin1String("1");
  quavix::TickFigures timer1Ticks;
  if (printTimer1) {
    QObject::connect(&window.timer1(), &QTimer::timeout,
                     [&timer1Ticks] { timer1Ticks.add(quavix::TickFigures::Clock::now()); });
  }
  QObject::connect(&shutdown, &quavix::ShutdownSignals::shutdownRequested, &window, [&window] {
    window.close();
    QApplication::quit();
  });

  velmora.Form_Load();
  window.mirror();
  window.show();
  const int status = app.exec();
  // The scores and the sound are torn down from here on; a late signal must not cut that short.
  shutdown.ignoreFromNowOn();
  // Ways out that bypass the window's close still save the scores, once.
  velmora.Form_Unload();
  if (printTimer1) std::fprintf(stderr, "timer1 %s\n", timer1Ticks.summary().c_str());
  // What the score display read last, for the desktop test.
  if (qEnvironmentVariable("QUAVIX_PRINT_SCORE_DISPLAY") == QLatin1String("1")) {
    const auto* label2 = qobject_cast<QLabel*>(window.controlWidget("Label2"));
    std::fprintf(stderr, "score-display %s\n", label2->text().toUtf8().constData());
  }
  return status;
}
