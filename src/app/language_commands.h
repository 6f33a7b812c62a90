#pragma once
// Help → Menü Sprache, and the captions of the main menu in the chosen language.
#include <string>
#include <utility>
#include <vector>

#include "lang/caption_vocabulary.h"

namespace kalo {

struct Context;

// The items of the language menu: "&Deutsch", "&English", "&Roman", "&Korea" with their
// language numbers.
inline constexpr std::array<std::pair<const char*, int>, 4> kLanguageMenuItems = {
    {{"&Deutsch", kGerman}, {"&English", kEnglish}, {"&Roman", kRomanian}, {"&Korea", kKorean}}};

// Stores the language as the configured one (it reaches the file when the configuration
// is saved) and fills the vocabulary for it.
void SetLanguage(Context& context, CaptionVocabulary& captions, int language);

// The caption (UTF-8) of every main menu item that the vocabulary names, by the item's
// name; composed captions such as "Menü &Sprache" are built here.
std::vector<std::pair<std::string, std::string>> MainMenuCaptions(const CaptionVocabulary& captions);

}  // namespace kalo
