#include "platform/codepage.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace kalo {
namespace {

// Unicode of the code page 850 bytes 128..255.
constexpr std::array<char32_t, 128> kCp850High = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

// Unicode of the Windows-1252 bytes 128..159 (0 where the code page has none).
constexpr std::array<char32_t, 32> kAnsi80 = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

char32_t Cp850Char(unsigned char c) { return c < 128 ? c : kCp850High[c - 128]; }

char32_t AnsiChar(unsigned char c) {
  if (c >= 0x80 && c < 0xA0) return kAnsi80[c - 0x80] ? kAnsi80[c - 0x80] : c;
  return c;
}

// The plain-letter table's stand-ins for box drawing characters.
char BoxDrawingStandIn(unsigned char c) {
  switch (c) {
    case 179: case 180: case 181: case 182: case 185: case 186: case 195:
    case 197: case 198: case 199: case 204: case 209: case 215:
      return '|';
    case 184: case 187: case 188: case 190: case 191: case 192: case 200:
    case 201: case 206: case 211: case 214: case 217: case 218:
      return '+';
    case 196: case 205:
      return '-';
    default:
      return 0;
  }
}

// The OEM to ANSI conversion draws box lines with ASCII characters.
char BoxDrawingBestFit(char32_t u) {
  if (u == 0x2500 || u == 0x2550) return '-';
  if (u == 0x2502 || u == 0x2551) return '|';
  if (u > 0x2500 && u < 0x2580) return '+';
  return 0;
}

void AppendUtf8(std::string& out, char32_t u) {
  if (u < 0x80) {
    out += static_cast<char>(u);
  } else if (u < 0x800) {
    out += static_cast<char>(0xC0 | (u >> 6));
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else if (u < 0x10000) {
    out += static_cast<char>(0xE0 | (u >> 12));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (u >> 18));
    out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  }
}

// Decodes one UTF-8 character at pos; a byte that starts no valid sequence is taken as Windows-1252.
char32_t NextUtf8(std::string_view s, size_t& pos) {
  unsigned char c = static_cast<unsigned char>(s[pos]);
  int extra = (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : 0;
  if (extra == 0 || pos + extra >= s.size()) {
    ++pos;
    return AnsiChar(c);
  }
  char32_t u = c & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i) {
    unsigned char next = static_cast<unsigned char>(s[pos + i]);
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return AnsiChar(c);
    }
    u = (u << 6) | (next & 0x3F);
  }
  pos += extra + 1;
  return u;
}

template <typename Table>
char FromUnicode(char32_t u, Table toUnicode, char fallback) {
  if (u < 0x80) return static_cast<char>(u);
  for (int c = 128; c < 256; ++c)
    if (toUnicode(static_cast<unsigned char>(c)) == u) return static_cast<char>(c);
  return fallback;
}

std::string Recode(std::string_view in, char32_t (*from)(unsigned char), char32_t (*to)(unsigned char),
                    bool boxStandIns) {
  std::string out;
  out.reserve(in.size());
  for (unsigned char c : in) {
    if (c < 0x80) {
      out += static_cast<char>(c);
      continue;
    }
    char32_t u = from(c);
    char mapped = FromUnicode(u, to, 0);
    if (mapped == 0 && boxStandIns) mapped = BoxDrawingBestFit(u);
    out += mapped ? mapped : '?';
  }
  return out;
}

// A file name inside a code page 850 text stands between these two control characters,
// which no text of the program holds.
constexpr char kNameStart = '\x0E';
constexpr char kNameEnd = '\x0F';

// Converts the text piece by piece: code page 850 parts with text, file names with name.
template <typename TextPart, typename NamePart>
std::string ConvertParts(std::string_view cp850, TextPart text, NamePart name) {
  std::string out;
  out.reserve(cp850.size() + cp850.size() / 4);
  for (size_t pos = 0; pos < cp850.size();) {
    size_t start = cp850.find(kNameStart, pos);
    out += text(cp850.substr(pos, start == std::string_view::npos ? std::string_view::npos : start - pos));
    if (start == std::string_view::npos) break;
    size_t end = cp850.find(kNameEnd, start + 1);
    out += name(cp850.substr(start + 1, end == std::string_view::npos ? std::string_view::npos : end - start - 1));
    pos = end == std::string_view::npos ? cp850.size() : end + 1;
  }
  return out;
}

std::string PlainCp850ToUtf8(std::string_view cp850) {
  std::string out;
  for (unsigned char c : cp850) AppendUtf8(out, Cp850Char(c));
  return out;
}

std::string Unchanged(std::string_view bytes) { return std::string(bytes); }

}  // namespace

size_t Utf8SequenceLength(std::string_view s, size_t pos) {
  unsigned char c = static_cast<unsigned char>(s[pos]);
  if (c < 0x80) return 1;
  size_t extra = c >= 0xC2 && c <= 0xDF ? 1 : c >= 0xE0 && c <= 0xEF ? 2 : c >= 0xF0 && c <= 0xF4 ? 3 : 0;
  if (extra == 0 || pos + extra >= s.size()) return 0;
  char32_t u = c & (0x3F >> extra);
  for (size_t i = 1; i <= extra; ++i) {
    unsigned char next = static_cast<unsigned char>(s[pos + i]);
    if ((next & 0xC0) != 0x80) return 0;
    u = (u << 6) | (next & 0x3F);
  }
  // Overlong forms, surrogates and values beyond Unicode are no characters.
  static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (u < kSmallest[extra] || (u >= 0xD800 && u <= 0xDFFF) || u > 0x10FFFF) return 0;
  return extra + 1;
}

std::string FileNameText(std::string_view name) {
  std::string text(1, kNameStart);
  for (char c : name) text += c == kNameStart || c == kNameEnd ? '?' : c;
  return text + kNameEnd;
}

std::string NameInCp850(std::string_view name) {
  std::string out;
  for (size_t pos = 0; pos < name.size();) {
    size_t length = Utf8SequenceLength(name, pos);
    char spelled[16];
    if (length == 0) {
      std::snprintf(spelled, sizeof spelled, "<%02X>", static_cast<unsigned char>(name[pos]));
      out += spelled;
      ++pos;
      continue;
    }
    size_t next = pos;
    char32_t u = NextUtf8(name, next);
    char mapped = FromUnicode(u, Cp850Char, 0);
    if (mapped != 0 || u == 0) {
      out += mapped;
    } else {
      std::snprintf(spelled, sizeof spelled, "<U+%04X>", static_cast<unsigned>(u));
      out += spelled;
    }
    pos += length;
  }
  return out;
}

std::string Oem(std::string_view utf8) { return Utf8ToCp850(utf8); }

std::string Cp850ToUtf8(std::string_view cp850) { return ConvertParts(cp850, PlainCp850ToUtf8, Unchanged); }

std::string Utf8ToCp850(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t pos = 0; pos < utf8.size();) out += FromUnicode(NextUtf8(utf8, pos), Cp850Char, '?');
  return out;
}

std::string Cp850ToAnsi(std::string_view cp850) {
  return ConvertParts(
      cp850, [](std::string_view text) { return Recode(text, Cp850Char, AnsiChar, true); }, Utf8ToAnsi);
}

std::string AnsiToCp850(std::string_view ansi) { return Recode(ansi, AnsiChar, Cp850Char, false); }

std::string AnsiToUtf8(std::string_view ansi) {
  std::string out;
  for (unsigned char c : ansi) AppendUtf8(out, AnsiChar(c));
  return out;
}

std::string Utf8ToAnsi(std::string_view utf8) {
  std::string out;
  for (size_t pos = 0; pos < utf8.size();) out += FromUnicode(NextUtf8(utf8, pos), AnsiChar, '?');
  return out;
}

std::string SpellOutPlainLetters(std::string_view cp850) {
  std::string out;
  out.reserve(cp850.size() + 8);
  for (unsigned char c : cp850) {
    switch (c) {
      case 129: out += "ue"; break;
      case 130: out += "e"; break;
      case 132: out += "ae"; break;
      case 142: out += "Ae"; break;
      case 148: out += "oe"; break;
      case 153: out += "Oe"; break;
      case 154: out += "Ue"; break;
      case 160: out += "a"; break;
      case 163: out += "u"; break;
      case 164: out += "n"; break;
      case 196: case 205: out += "-"; break;
      case 225: out += "ss"; break;
      case 230: out += "u"; break;
      case 241: out += "+/-"; break;
      case 248: out += "deg"; break;
      case 253: out += "2"; break;
      default: out += static_cast<char>(c);
    }
  }
  return out;
}

std::string MapPlainLetterTable(std::string_view cp850) {
  std::string out;
  out.reserve(cp850.size());
  for (unsigned char c : cp850) {
    switch (c) {
      case 129: case 130: case 132: case 134: case 142: case 143: case 148: case 153:
      case 154: case 160: case 161: case 162: case 163: case 164: case 225: case 230:
      case 241: case 248: case 252: case 253:
        out += FromUnicode(Cp850Char(c), AnsiChar, '?');
        break;
      case 124:
        out += static_cast<char>(227);
        break;
      default: {
        char standIn = BoxDrawingStandIn(c);
        out += standIn ? standIn : static_cast<char>(c);
      }
    }
  }
  return out;
}

std::string DisplayAnsi(std::string_view cp850, bool plainLetters) {
  if (cp850.size() >= 255) return {};
  if (!plainLetters) return Cp850ToAnsi(cp850);
  return ConvertParts(
      cp850, [](std::string_view text) { return MapPlainLetterTable(SpellOutPlainLetters(text)); }, Utf8ToAnsi);
}

std::string DisplayUtf8(std::string_view cp850, bool plainLetters) {
  if (cp850.size() >= 255) return {};
  if (plainLetters) return AnsiToUtf8(DisplayAnsi(cp850, true));
  return Cp850ToUtf8(cp850);
}

}  // namespace kalo
