#include "platform/sound/fluid_log.h"

#include <fluidsynth.h>

#include <cstdio>
#include <mutex>
#include <utility>

namespace quavix {

namespace {

thread_local std::string lastError;

// The first error after a call is the most telling; FluidSynth's later ones only sum it up.
void keepError(int, const char* message, void*) {
  if (lastError.empty()) lastError = message;
}

void printPanic(int, const char* message, void*) {
  std::fprintf(stderr, "quavix: FluidSynth: %s\n", message);
}

void dropMessage(int, const char*, void*) {}

}  // namespace

void routeFluidLog() {
  static std::once_flag once;
  std::call_once(once, [] {
    fluid_set_log_function(FLUID_PANIC, printPanic, nullptr);
    fluid_set_log_function(FLUID_ERR, keepError, nullptr);
    for (int level : {FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
      fluid_set_log_function(level, dropMessage, nullptr);
    }
  });
}

std::string takeFluidError() {
  std::string error = std::exchange(lastError, {});
  return error.empty() ? "FluidSynth gives no reason" : error;
}

}  // namespace quavix
