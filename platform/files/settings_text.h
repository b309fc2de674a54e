#pragma once

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/files/ini_text.h"

namespace quavix {

// The file's values; one that can't be used keeps its default and costs a line on stderr.
class SettingsText {
 public:
  SettingsText(const std::filesystem::path& path, std::string_view text)
      : path_(path), values_(readIniValues(text)) {}

  std::optional<std::string> text(const char* key) const {
    const auto found = values_.find(key);
    if (found == values_.end()) return std::nullopt;
    return found->second;
  }

  bool readBool(const char* key, bool fallback) const {
    const auto value = text(key);
    if (!value) return fallback;
    std::string lower = *value;
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (lower == "true") return true;
    if (lower == "false") return false;
    return ignoring(key, "not true or false", fallback);
  }

  // One of the rows' codes, read as that row's `choice`.
  template <typename Row, typename T>
  T readCode(const char* key, std::span<const Row> rows, T Row::*choice, T fallback) const {
    const auto value = text(key);
    if (!value) return fallback;
    std::string known;
    for (const auto& row : rows) {
      if (row.code == *value) return row.*choice;
      known += (known.empty() ? "" : " or ") + std::string(row.code);
    }
    return ignoring(key, "not " + known, fallback);
  }

  int readInt(const char* key, int lowest, int highest, int fallback) const {
    const auto value = text(key);
    if (!value) return fallback;
    int number = 0;
    const char* end = value->data() + value->size();
    const auto [stop, error] = std::from_chars(value->data(), end, number);
    if (error == std::errc() && stop == end && number >= lowest && number <= highest) {
      return number;
    }
    return ignoring(
        key, "not a whole number from " + std::to_string(lowest) + " to " + std::to_string(highest),
        fallback);
  }

  template <typename T>
  T ignoring(const char* key, const std::string& why, T fallback) const {
    std::cerr << "quavix: ignoring the setting " << key << " in " << path_.string() << ": " << why
              << '\n';
    return fallback;
  }

 private:
  const std::filesystem::path& path_;
  std::map<std::string, std::string> values_;
};

}  // namespace quavix
