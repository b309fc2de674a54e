#pragma once

#include <cstdint>

namespace quavix {

// Milliseconds since the process was started by the system (10 ms steps), or since the program
// was loaded where the system does not tell.
int64_t millisecondsSinceProcessStart();

}  // namespace quavix
