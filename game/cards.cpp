#include "game/cards.h"

namespace quavix {

void Timer1_Timer(GameState&, Controls&, RandomSource&, PictureFiles&) {}

}  // namespace quavix
