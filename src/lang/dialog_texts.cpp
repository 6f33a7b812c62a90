#include "lang/dialog_texts.h"

#include <utility>
#include <vector>

#include "lang/caption_vocabulary.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

// German (UTF-8 here) and English. Entries ending in a blank, ": " or "(" are leading parts.
constexpr std::pair<const char*, const char*> kEnglishTexts[] = {
    // Buttons every dialog shares.
    {"OK", "OK"},
    {"Eingabe", "Input"},
    {"Abbrechen", "Cancel"},
    {"&Hilfetext", "&Help text"},
    {"Hilfe&bild", "Help &picture"},
    {"&Hilfe", "&Help"},
    // The element list and the coordinate form.
    {"Eingabe der Positionen", "Input of the positions"},
    {"&Neu", "&New"},
    {"&Einfügen", "&Insert"},
    {"&Ändern", "&Change"},
    {"&Löschen", "&Delete"},
    {"&Koordinaten einfügen", "&Paste coordinates"},
    {"&Fehlermeldungen", "&Error messages"},
    {"Transform.", "Transform."},
    {"Koordinaten ", "Coordinates "},
    {"Kreisbogenwinkel ", "Arc angle "},
    {"Vor welcher Position soll eingefügt werden ?", "Insert before which position ?"},
    {"zu löschende Position wählen  ...", "choose the position to delete  ..."},
    {"Die Zwischenablage enthält keine Koordinaten.", "The clipboard holds no coordinates."},
    {"Gültiger Wertebereich: -360 .. 360 (ohne -360 und 360) !", "Valid range: -360 .. 360 (without -360 and 360) !"},
    // The drawing texts.
    {"Zeichnungsname 2", "Drawing name 2"},
    {"Zeichnungsname", "Drawing name"},
    {"Zeichnungsnummer", "Drawing number"},
    {"Zeile 1", "Line 1"},
    {"Zeile 2", "Line 2"},
    {"Zeile 3", "Line 3"},
    // The standard prompts and questions of the commands.
    {"Dichte des Werkstoffs [kg/dm3]", "Density of the material [kg/dm3]"},
    {"Polygon-Teilung für Kreisbogenberechnung [Grad]", "Polygon division for the arc calculation [degrees]"},
    {"Koordinaten auf 0 setzen ?", "Set the coordinates to 0 ?"},
    {"Bisherige Eingaben verwerfen ?", "Discard the input so far ?"},
    {"Datei speichern (", "Save file ("},
    {"Berechnung erfolgreich ohne Fehlermeldungen", "Calculation successful without error messages"},
    {"Beim letzten Beenden wurde ein nicht gespeicherter Körper gesichert (",
     "When the program was last ended, an unsaved body was kept ("},
    {"Suchbegriff eingeben", "Enter the search text"},
    {"Lösche temporäre Dateien ...", "Deleting temporary files ..."},
    {"Gültiger Wertebereich: ", "Valid range: "},
    {"Wert außerhalb des gültigen Bereichs", "Value outside the valid range"},
    {"Die Dichte muß größer als 0 sein", "The density must be greater than 0"},
    {"Datei ", "File "},
    // The status line.
    {"Berechnet: m = ", "Calculated: m = "},
    {"Dichte vom vorigen Körper übernommen: rho = ", "Density kept from the previous body: rho = "},
    {"Werkstoff ", "Material "},
    // The start page.
    {"Bearbeiten > Geometrie: die Kontur Punkt für Punkt eingeben", "Edit > Geometry: type the contour point by point"},
    {"Datei > Öffnen: einen gespeicherten Körper (.kal) laden", "File > Open: load a saved body (.kal)"},
    {"Datei > Import (DXF, STEP): die Kontur aus einer Zeichnung oder einem 3D-Modell übernehmen",
     "File > Import (DXF, STEP): take the contour from a drawing or a 3D model"},
    {"So beginnen Sie:", "How to begin:"},
    {"Zuletzt benutzt:", "Recently used:"},
    {"Beispiele:", "Examples:"},
    // The DXF import's preview.
    {"DXF-Import", "DXF import"},
    {"Kontur", "Contour"},
    {"Achse", "Axis"},
    {"Einheit", "Unit"},
    {"Achse nach den Regeln", "Axis by the rules"},
    {"x-Achse der Zeichnung (y = 0)", "x axis of the drawing (y = 0)"},
    {"y-Achse der Zeichnung (x = 0)", "y axis of the drawing (x = 0)"},
    {"Einheit der Zeichnung", "Unit of the drawing"},
    {"Zoll", "inch"},
    // The plot command settings and the coordinate form's arrows.
    {"PENPLOT Programmverzeichnis", "PENPLOT program folder"},
    {"Ausgabeformat", "Output format"},
    {"Ausgabeschnittstelle", "Output interface"},
    {"Maßstab anpassen ?", "Fit the scale ?"},
    {"Maßstab", "Scale"},
    {"Plot um 90 Grad drehen ?", "Turn the plot by 90 degrees ?"},
    {"Nullpunktverschiebung in x-Richtung", "Origin shift in x"},
    {"Nullpunktverschiebung in y-Richtung", "Origin shift in y"},
    {"Postscript-Zeichensatz", "PostScript font"},
    {"vorheriges Element", "previous element"},
    {"nächstes Element", "next element"},
    // The 3D view.
    {"3D-Körper", "3D body"},
    {"Halbschnitt", "Half section"},
    // The text window's menus.
    {"&Datei", "&File"},
    {"Export &Notepad", "Export &Notepad"},
    {"&Drucken...", "&Print..."},
    {"&Beenden ", "E&xit "},
    {"&Bearbeiten", "&Edit"},
    {"Alles aus&wählen", "Select &all"},
    {"&Kopieren", "&Copy"},
    // The table browser.
    {"&Suchen", "&Search"},
    {"&Weitersuchen", "Search &next"},
    {"Werkstoff-Basisdaten", "Material base data"},
    {"Markierte Datensätze löschen", "Delete the marked records"},
    // The print dialog.
    {"Umrandung", "Border"},
    {"anpassen", "fit"},
    {"Schattierung", "Shading"},
    {"Monochrom", "Monochrome"},
    {"Color / Graustufen", "Colour / grey scale"},
    {"Hochformat", "Portrait"},
    {"Querformat", "Landscape"},
    {"Drucker...", "Printer..."},
    {"Datenbank", "Database"},
    {"Ü&bernehmen Datenbank", "&Store in database"},
    // The yes/no choice and the messages boxes' questions.
    {"Fehler : ", "Error : "},
    {"Speichern ?", "Save ?"},
    // The configuration dialog's pages and fields.
    {"Konfiguration", "Configuration"},
    {"Grafik", "Graphics"},
    {"Drucker", "Printer"},
    {"Ausdruck", "Printout"},
    {"Einstellungen", "Settings"},
    {"Extern", "External"},
    {"Farbe", "Colour"},
    {"Zeichnung", "Drawing"},
    {"&Speichern", "&Save"},
    {"Fenstergröße x", "Window size x"},
    {"Fenstergröße y", "Window size y"},
    {"Zoomfaktor", "Zoom factor"},
    {"Pan-Faktor", "Pan factor"},
    {"Textbreitenfaktor", "Text width factor"},
    {"Texthöhenfaktor", "Text height factor"},
    {"Maßstab x", "Scale x"},
    {"Maßstab y", "Scale y"},
    {"Ursprung x", "Origin x"},
    {"Ursprung y", "Origin y"},
    {"Anzahl der Dezimalstellen", "Number of decimal places"},
    {"Max. Anzahl Zeilen/Seite auf dem Ausdruck", "Max. lines per page of the printout"},
    {"Leerzeilen am Seitenanfang", "Blank lines at the top of a page"},
    {"Layerfarben SVG,PDF ?", "Layer colours in SVG, PDF ?"},
};

// The table with its German texts in code page 850, made once.
const std::vector<std::pair<std::string, std::string>>& EnglishTable() {
  static const std::vector<std::pair<std::string, std::string>> table = [] {
    std::vector<std::pair<std::string, std::string>> converted;
    for (const auto& [german, english] : kEnglishTexts) converted.emplace_back(Oem(german), english);
    return converted;
  }();
  return table;
}

bool IsLeadingPart(const std::string& german) {
  return german.ends_with(' ') || german.ends_with('(');
}

}  // namespace

std::string DialogText(const std::string& cp850, int language) {
  if (language != kEnglish || cp850.empty()) return cp850;
  // The longest German text that fits wins: "Gültiger Wertebereich: -360 .." before its part.
  size_t best = 0;
  std::string shown = cp850;
  for (const auto& [text, english] : EnglishTable()) {
    bool whole = text == cp850;
    bool leading = IsLeadingPart(text) && cp850.starts_with(text);
    if ((whole || leading) && text.size() > best) {
      best = text.size();
      shown = english + cp850.substr(text.size());
    }
  }
  return shown;
}

}  // namespace kalo
