#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quavix {

// The text of an INI file in the form Qt's settings files have, so that files written by either
// read the same. Every value is the plain text it is written as: a value Qt would turn into a
// serialised object is just text here.

// The values of `text` by "section/key", spaces around them removed; other lines are skipped.
std::map<std::string, std::string> readIniValues(std::string_view text);

// "section/key" and value pairs as INI text, a [section] line before each run of its keys.
std::string formatIni(const std::vector<std::pair<std::string, std::string>>& values);

// A list in one value: items separated by commas, quoted where they hold , ; = or edge spaces,
// with backslashes, quotes and control characters escaped.
std::string joinIniList(const std::vector<std::string>& items);
// The items of such a value; empty items are dropped.
std::vector<std::string> splitIniList(std::string_view value);

}  // namespace quavix
