#pragma once

#include <filesystem>
#include <string_view>

namespace quavix {

// The folders that hold the game's own data files, in order.
struct DataFolders {
  std::filesystem::path installed;  // beside the program: <prefix>/bin/../share/quavix
  std::filesystem::path source;     // the source tree's assets, for runs from a build folder
};

DataFolders defaultDataFolders();

// Where a file that the player may replace is read from: the tune, the note-name recordings and
// the clef pictures. The working directory first, then the folders. When none has it, the
// working-directory path, so that the caller's open fails and names the file.
std::filesystem::path findDataFile(std::string_view name, const DataFolders& folders);
std::filesystem::path findDataFile(std::string_view name);
// As above, but the folders' copy comes from their subfolder `set` (one of several shipped sets
// of a file); the working directory's own file still comes first.
std::filesystem::path findDataFile(std::string_view name, std::string_view set,
                                   const DataFolders& folders);
std::filesystem::path findDataFile(std::string_view name, std::string_view set);

// A spoken note name: the player's own recording of a natural's letter in the working directory
// (2.wav to 8.wav) in every naming and language, else as findDataFile finds the name.
std::filesystem::path findSpokenName(std::string_view name, std::string_view set);

// Where a picture that is part of the window is read from: the folders only, never the working
// directory. When neither has it, the path in the installed folder.
std::filesystem::path findBuiltInFile(std::string_view name, const DataFolders& folders);
std::filesystem::path findBuiltInFile(std::string_view name);

}  // namespace quavix
