#include "cad/ascii_spelling.h"

#include <array>

#include "platform/codepage.h"

namespace kalo {
namespace {

// The ASCII spelling of the code page 850 characters 128..255, in code order.
constexpr std::array<const char*, 128> kHighHalf = {
    // 128..143: Ç ü é â ä à å ç ê ë è ï î ì Ä Å
    "C", "ue", "e", "a", "ae", "a", "a", "c", "e", "e", "e", "i", "i", "i", "Ae", "A",
    // 144..159: É æ Æ ô ö ò û ù ÿ Ö Ü ø £ Ø × ƒ
    "E", "ae", "AE", "o", "oe", "o", "u", "u", "y", "Oe", "Ue", "o", "L", "D", "x", "f",
    // 160..175: á í ó ú ñ Ñ ª º ¿ ® ¬ ½ ¼ ¡ « »
    "a", "i", "o", "u", "n", "N", "a", "o", "?", "(R)", "-", "1/2", "1/4", "!", "<<", ">>",
    // 176..191: shades, box lines, Á Â À © box lines ¢ ¥ box corner
    "#", "#", "#", "|", "+", "A", "A", "A", "(C)", "+", "|", "+", "+", "c", "Y", "+",
    // 192..207: box lines, ã Ã, box lines, ¤
    "+", "+", "+", "+", "-", "+", "a", "A", "+", "+", "+", "+", "+", "-", "+", "?",
    // 208..223: ð Ð Ê Ë È ı Í Î Ï box corners, blocks, ¦ Ì block
    "d", "D", "E", "E", "E", "i", "I", "I", "I", "+", "+", "#", "#", "|", "I", "#",
    // 224..239: Ó ß Ô Ò õ Õ µ þ Þ Ú Û Ù ý Ý ¯ ´
    "O", "ss", "O", "O", "o", "O", "u", "th", "Th", "U", "U", "U", "y", "Y", "-", "'",
    // 240..255: soft hyphen ± ‗ ¾ ¶ § ÷ ¸ ° ¨ · ¹ ³ ² ■ no-break space
    "-", "+/-", "_", "3/4", "P", "S", "/", ",", "deg", "\"", ".", "1", "3", "2", "#", " ",
};

}  // namespace

std::string SpellOutAscii(std::string_view cp850) {
  // The short list every mode of plain letters shares first, then the rest of the high half.
  std::string spelled = SpellOutPlainLetters(cp850);
  std::string out;
  out.reserve(spelled.size());
  for (unsigned char c : spelled) {
    constexpr unsigned char kFirstHigh = 128;
    if (c < kFirstHigh)
      out += static_cast<char>(c);
    else
      out += kHighHalf[c - kFirstHigh];
  }
  return out;
}

}  // namespace kalo
