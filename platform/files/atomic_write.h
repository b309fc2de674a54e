#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quavix {

// What to do when the folder is closed to the player but the file itself is writable.
enum class ClosedFolder { Refuse, RewriteInPlace };

// Writes `bytes` as the whole of `path`, creating its folder when missing. The old file stays
// whole until the new one is complete on disk, so a kill or a full disk never leaves a part;
// only a rewrite in place can, and only when the caller asks for it. A link to a regular file is
// written through; a path that leads to anything else is refused untouched. False, with the
// reason for the user in `problem`, when nothing was written.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string& problem, ClosedFolder closedFolder = ClosedFolder::Refuse);

}  // namespace quavix
