#include "game/control.h"

namespace quavix {

void Command3_Click(GameState&, Controls&) {}
void Command4_Click(GameState&) {}
void Option1_Click(GameState&, Controls&, int) {}
void Option2_Click(GameState&, Controls&, int) {}
void Timer2_Timer(GameState&, Controls&) {}

}  // namespace quavix
