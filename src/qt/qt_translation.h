#pragma once
// Qt's own dialogs (file, colour, font, print) in the language of the menus, where Qt
// ships a translation for it; else they keep their English texts.

namespace kalo {

// locale: "de", "en", "ko", ... Replaces the translation installed before.
void FollowQtTranslation(const char* locale);

}  // namespace kalo
