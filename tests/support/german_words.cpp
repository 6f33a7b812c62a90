#include "support/german_words.h"

#include <cctype>
#include <set>

namespace kalo::testing {

std::string GermanIn(const std::string& utf8) {
  for (const char* letter : {"ä", "ö", "ü", "Ä", "Ö", "Ü", "ß"})
    if (utf8.find(letter) != std::string::npos) return letter;
  // Words that English does not have (or not in this spelling), as the program's texts use them.
  static const std::set<std::string> kWords = {
      "abbrechen", "achse",   "alle",      "als",      "anzahl",    "auf",       "aus",      "ausdruck",
      "auswahl",   "bearbeiten", "bei",    "beim",     "bereits",   "berechnung", "bild",    "bitte",
      "das",       "datei",   "dateien",   "der",      "des",       "die",       "drucker",  "ein",
      "eine",      "einer",   "eingabe",   "eingeben", "einstellungen", "fehler", "flaeche", "farbe",
      "grad",      "hilfe",   "hilfetext", "ist",      "ja",        "kann",      "kein",     "keine",
      "mit",       "nach",    "nein",      "nicht",    "nur",       "oder",      "ordner",   "seite",
      "sie",       "sind",    "tabelle",   "und",      "vom",       "von",       "werden",   "wert",
      "werkstoff", "wird",    "zeichnung", "zeile",    "zu",        "zum",       "zur",      "speichern",
      "schliessen", "suchen", "neu",       "ende",     "nummer",    "ausgabe",   "kontur",   "einheit",
      "drucken",   "ursache", "abhilfe",   "bearbeiter", "beschreibung", "ersatz", "ersetzt", "durch",
      "bildschirm", "textdrucker", "seriell", "fenster", "breite",  "oben",      "winkel",   "schraffur",
      "linie",     "linien",  "punkte",    "ursprung", "verschiebung", "drehen", "spiegeln", "beenden",
      "suchbegriff", "dichte", "teilung",  "bogen",    "koordinaten", "zwischenablage", "wiederherstellen",
      "achse",     "zeichnungsname", "zeichnungsnummer", "grafik", "ergebnisse", "ansicht", "standardausdruck",
      "hilfebilder", "schriften", "zeichnungsinfo", "andere"};
  std::string word;
  for (size_t i = 0; i <= utf8.size(); ++i) {
    char c = i < utf8.size() ? utf8[i] : ' ';
    if (std::isalpha(static_cast<unsigned char>(c))) {
      word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      continue;
    }
    if (kWords.contains(word)) return word;
    word.clear();
  }
  return {};
}

}  // namespace kalo::testing
