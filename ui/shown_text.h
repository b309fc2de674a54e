#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/fluency.h"
#include "core/note_naming.h"

namespace quavix {

// A text of the game core as the player sees it: translated into the interface's language.
QString shownText(std::string_view text);
// The middle-C hint with its last C named as `naming` names middle C.
QString withMiddleCName(const QString& hint, NoteNaming naming);
// Label2's caption: the score label translated, directly followed by the score, and the test's
// time left when there is one to show ("得分:120 2:05").
QString shownScoreCaption(std::optional<int16_t> score, std::optional<int> secondsLeft);
// A one-minute run's figures in Label2's place: notes a minute and accuracy, or too few answers.
QString shownRunCaption(const Fluency& run);

}  // namespace quavix
