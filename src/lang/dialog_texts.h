#pragma once
// The dialogs' own texts (labels, buttons, prompts, messages) in the language of the menus,
// beside German at least in English. The program keeps writing its texts in German (code
// page 850); a window looks each text up here before it shows it.
#include <string>

namespace kalo {

// The text in the language: a whole text of the table, or a text that begins with one of its
// leading parts ("Koordinaten " + number, "Gültiger Wertebereich: " + range) or with a whole
// text and ": ", the rest kept; then the table's inner parts, wherever they stand (" nicht
// gefunden !" after a file's name). German, a language without a table and a text not in
// it give the text as it is.
// Code page 850 in and out.
std::string DialogText(const std::string& cp850, int language);

}  // namespace kalo
