#include "platform/files/ini_text.h"

#include <QString>
#include <cctype>

namespace quavix {

namespace {

// Qt writes an empty list so, and doubles the @ that starts any other item.
constexpr std::string_view kEmptyList = "@Invalid()";

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == text.npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

constexpr std::pair<char, char> kLetterEscapes[] = {
    {'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'}, {'r', '\r'}, {'t', '\t'}, {'v', '\v'}};

int digitIn(QChar c, int base) {
  const char16_t u = c.unicode();
  int value = -1;
  if (u >= '0' && u <= '9') value = u - '0';
  if (u >= 'a' && u <= 'f') value = u - 'a' + 10;
  if (u >= 'A' && u <= 'F') value = u - 'A' + 10;
  return value < base ? value : -1;
}

// The character escaped at `at`, just after a backslash; `at` ends past the escape.
QChar unescape(const QString& text, qsizetype& at) {
  const QChar c = text[at++];
  for (const auto& [letter, meaning] : kLetterEscapes) {
    if (c == QLatin1Char(letter)) return QLatin1Char(meaning);
  }
  const int base = c == QLatin1Char('x') ? 16 : 8;
  if (base == 8 && digitIn(c, 8) < 0) return c;
  uint code = base == 8 ? static_cast<uint>(digitIn(c, 8)) : 0;
  for (int digit = 0; at < text.size() && (digit = digitIn(text[at], base)) >= 0; ++at) {
    code = (code * base + static_cast<uint>(digit)) & 0xFFFF;
  }
  return QChar(static_cast<char16_t>(code));
}

std::string escaped(const std::string& item) {
  std::string out = item.starts_with('@') ? "@" : "";
  bool escapeNextHexDigit = false;
  for (const char c : item) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\' || c == '"') {
      out += {'\\', c};
    } else if (byte < 0x20 || (escapeNextHexDigit && std::isxdigit(byte))) {
      static constexpr char kHex[] = "0123456789abcdef";
      out += {'\\', 'x'};
      if (byte >= 0x10) out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
      escapeNextHexDigit = true;
      continue;
    } else {
      out += c;
    }
    escapeNextHexDigit = false;
  }
  const bool quoted =
      item.find_first_of(",;=") != item.npos || item.starts_with(' ') || item.ends_with(' ');
  return quoted ? '"' + out + '"' : out;
}

}  // namespace

std::map<std::string, std::string> readIniValues(std::string_view text) {
  std::map<std::string, std::string> values;
  std::string section;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = trimmed(text.substr(0, end));
    text = end == text.npos ? std::string_view() : text.substr(end + 1);
    if (line.starts_with('[') && line.ends_with(']')) {
      section = trimmed(line.substr(1, line.size() - 2));
    } else if (const auto equals = line.find('='); equals != line.npos && !line.starts_with(';')) {
      const std::string key = std::string(trimmed(line.substr(0, equals)));
      values[section.empty() ? key : section + '/' + key] = trimmed(line.substr(equals + 1));
    }
  }
  return values;
}

std::string formatIni(const std::vector<std::pair<std::string, std::string>>& values) {
  std::string text, section;
  for (const auto& [path, value] : values) {
    const auto slash = path.find('/');
    const std::string group = slash == path.npos ? "General" : path.substr(0, slash);
    if (group != section) {
      text += (text.empty() ? "[" : "\n[") + group + "]\n";
      section = group;
    }
    text += path.substr(slash + 1) + '=' + value + '\n';
  }
  return text;
}

std::string joinIniList(const std::vector<std::string>& items) {
  std::string value;
  for (const std::string& item : items) value += (value.empty() ? "" : ", ") + escaped(item);
  return value;
}

std::vector<std::string> splitIniList(std::string_view value) {
  std::vector<std::string> items;
  if (value == kEmptyList) return items;
  const QString text = QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
  // Spaces outside quotes count only between other characters of an item.
  QString item, spaces;
  bool inQuotes = false;
  const auto add = [&](QChar c) {
    item += spaces;
    spaces.clear();
    item += c;
  };
  const auto finish = [&] {
    if (item.startsWith(QLatin1String("@@"))) item.remove(0, 1);
    if (!item.isEmpty()) items.push_back(item.toStdString());
    item.clear();
    spaces.clear();
  };
  for (qsizetype at = 0; at < text.size();) {
    const QChar c = text[at++];
    if (c == QLatin1Char('\\') && at < text.size()) {
      add(unescape(text, at));
    } else if (c == QLatin1Char('"')) {
      inQuotes = !inQuotes;
    } else if (c == QLatin1Char(',') && !inQuotes) {
      finish();
    } else if (c.isSpace() && !inQuotes) {
      if (!item.isEmpty()) spaces += c;
    } else {
      add(c);
    }
  }
  finish();
  return items;
}

}  // namespace quavix
