#include "game/judging.h"

namespace quavix {

void judgeWhiteKey(GameState&, Controls&, NoteSamplePlayer&, int) {}
void judgeBlackKey(GameState&, Controls&) {}

}  // namespace quavix
