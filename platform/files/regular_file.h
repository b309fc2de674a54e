#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quavix {

// Why `path` can't be read as a regular file, or empty when it can. A FIFO, a device or a
// folder is refused without being opened, so that nothing waits on a writer that never comes.
std::string notARegularFile(const std::filesystem::path& path);

// Why writing to `path` could harm what is there, or empty when it is missing or a regular file.
// What a link leads to counts: a device or FIFO there would be replaced, or written into.
std::string unsafeWriteTarget(const std::filesystem::path& path);

// The first `count` bytes of a regular file, or fewer when it is shorter. False, with the reason
// for the user in `problem`, when it is missing, unreadable or not a regular file.
bool readFileStart(const std::filesystem::path& path, std::size_t count, std::vector<char>& bytes,
                   std::string& problem);

// The whole of a regular file, refused when it is larger than `maxBytes`.
bool readWholeFile(const std::filesystem::path& path, std::uint64_t maxBytes,
                   std::vector<char>& bytes, std::string& problem);

}  // namespace quavix
