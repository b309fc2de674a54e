#pragma once

#include <QString>
#include <string_view>

namespace quavix {

// A text of the game core as the player sees it: translated into the interface's language.
QString shownText(std::string_view text);
// Label2's caption: the score label translated, the score as it stands.
QString shownScoreCaption(std::string_view caption);

}  // namespace quavix
