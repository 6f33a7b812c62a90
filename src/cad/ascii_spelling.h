#pragma once
// Plain ASCII for the CAD files of text mode 3: every code page 850 character spelled with
// ASCII letters, so that a reader in any code page shows the same text.
#include <string>
#include <string_view>

namespace kalo {

// Umlauts and ß spelled out ("ue", "ss"), ° as "deg", ± as "+/-", ² and ³ as digits, Ø (the
// diameter sign) as "D", accented letters as their base letter, box lines as "-", "|", "+";
// a character without an ASCII likeness becomes "?". Bytes below 128 stay.
std::string SpellOutAscii(std::string_view cp850);

}  // namespace kalo
