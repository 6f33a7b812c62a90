#pragma once
// Whether a text shown to an English-speaking user still holds German: an umlaut or "ß", or
// one of the words the program's German texts are made of.
#include <string>

namespace kalo::testing {

// The German word or letter found in a UTF-8 text; empty when there is none.
std::string GermanIn(const std::string& utf8);

}  // namespace kalo::testing
