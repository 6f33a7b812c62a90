#pragma once
// The dialogs' texts in English: pairs of the German text the program writes (UTF-8 here)
// and its English text. Entries that end in neither a letter nor a digit (a blank, "(", ".",
// "#") are also leading parts of longer texts; entries that begin with a blank, ":", ";", ","
// or ")" are inner parts, replaced wherever they stand.
#include <span>
#include <utility>

namespace kalo {

std::span<const std::pair<const char*, const char*>> EnglishDialogTexts();

}  // namespace kalo
