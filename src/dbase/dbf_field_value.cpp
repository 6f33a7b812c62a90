#include "dbase/dbf_field_value.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "numbers/number_format.h"
#include "platform/codepage.h"
#include "platform/paths.h"

namespace kalo {
namespace {

std::string Stripped(std::string_view stored) {
  std::size_t first = stored.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  std::size_t last = stored.find_last_not_of(' ');
  return std::string(stored.substr(first, last - first + 1));
}

Outcome EncodeNumber(const std::string& text, const DbfField& field, std::string& stored) {
  long double value = 0;
  if (!ParseReal(text, value))
    return Outcome::Failure("Keine Zahl im Feld " + field.name + ": " + text);
  std::string digits = FormatDecimals(value, field.decimals);
  if (static_cast<int>(digits.size()) > field.width)
    return Outcome::Failure(Oem("Zahl zu lang für das Feld ") + field.name + ": " + digits);
  stored = std::string(field.width - digits.size(), ' ') + digits;
  return Outcome::Done();
}

Outcome EncodeLogical(const std::string& text, const DbfField& field, std::string& stored) {
  std::string word = FoldCase(text);
  if (word == "t" || word == "y" || word == "j" || word == "1" || word == "true" || word == ".t.") {
    stored = "T";
  } else if (word == "f" || word == "n" || word == "0" || word == "false" || word == ".f.") {
    stored = "F";
  } else {
    return Outcome::Failure("Kein logischer Wert im Feld " + field.name + ": " + text);
  }
  return Outcome::Done();
}

Outcome EncodeDate(const std::string& text, const DbfField& field, std::string& stored) {
  bool digits = text.size() == 8 && std::all_of(text.begin(), text.end(), [](char c) {
                  return std::isdigit(static_cast<unsigned char>(c));
                });
  if (!digits)
    return Outcome::Failure("Kein Datum JJJJMMTT im Feld " + field.name + ": " + text);
  stored = text;
  return Outcome::Done();
}

}  // namespace

std::string DecodeField(std::string_view stored, const DbfField& field) {
  std::string text = Stripped(stored);
  std::replace(text.begin(), text.end(), '\0', ' ');
  return field.type == 'C' ? AnsiToCp850(text) : text;
}

Outcome EncodeField(const std::string& text, const DbfField& field, std::string& stored) {
  std::string trimmed = field.type == 'C' ? text : TrimBlanks(text);
  if (trimmed.empty()) {
    stored.assign(field.width, ' ');
    return Outcome::Done();
  }
  switch (field.type) {
    case 'C': {
      stored = Cp850ToAnsi(text).substr(0, field.width);
      std::replace(stored.begin(), stored.end(), '\0', ' ');
      stored.resize(field.width, ' ');
      return Outcome::Done();
    }
    case 'N':
    case 'F': return EncodeNumber(trimmed, field, stored);
    case 'L': return EncodeLogical(trimmed, field, stored);
    case 'D': return EncodeDate(trimmed, field, stored);
    default: return Outcome::Failure(Oem("Memofelder können nicht geändert werden: ") + field.name);
  }
}

bool StoredTrue(std::string_view stored) {
  return !stored.empty() && std::string_view("TtYyJj").find(stored.front()) != std::string_view::npos;
}

double StoredNumber(std::string_view stored) {
  std::string text = Stripped(stored);
  return text.empty() ? -HUGE_VAL : std::strtod(text.c_str(), nullptr);
}

std::string FoldCase(std::string_view ansi) {
  std::string folded(ansi);
  for (char& c : folded) {
    auto byte = static_cast<unsigned char>(c);
    if (byte >= 'A' && byte <= 'Z') {
      c = static_cast<char>(byte + 32);
    } else if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) {  // À..Þ except ×
      c = static_cast<char>(byte + 32);
    }
  }
  return folded;
}

}  // namespace kalo
