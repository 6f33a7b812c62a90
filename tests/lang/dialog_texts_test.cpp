// The dialogs' texts in English: whole texts, leading parts with what the program filled in,
// and everything else as it is.
#include "lang/dialog_texts.h"

#include <gtest/gtest.h>

#include <set>

#include "lang/caption_vocabulary.h"
#include "lang/english_dialog_texts.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

TEST(DialogTexts, EnglishTakesWholeTextsAndLeadingPartsAndLeavesTheRest) {
  EXPECT_EQ(DialogText("Abbrechen", kEnglish), "Cancel");
  EXPECT_EQ(DialogText(Oem("Dichte des Werkstoffs [kg/dm3]"), kEnglish), "Density of the material [kg/dm3]");
  EXPECT_EQ(DialogText("Koordinaten 12", kEnglish), "Coordinates 12");
  // The longest text that fits: the whole question, not the leading "Koordinaten ".
  EXPECT_EQ(DialogText("Koordinaten auf 0 setzen ?", kEnglish), "Set the coordinates to 0 ?");
  EXPECT_EQ(DialogText(Oem("Gültiger Wertebereich: 0,01 .. 100 !"), kEnglish), "Valid range: 0,01 .. 100 !");
  // A whole text is not a leading part: "Zeile 12" is no line of the drawing texts.
  EXPECT_EQ(DialogText("Zeile 12", kEnglish), "Zeile 12");
  EXPECT_EQ(DialogText("Nicht in der Tabelle", kEnglish), "Nicht in der Tabelle");
  // A message about a fault keeps its prefix and has its text translated after it.
  EXPECT_EQ(DialogText(Oem("Fatal  : Überschneidung El. 1/3"), kEnglish), "Fatal  : overlap el. 1/3");
  for (int language : {int(kLanguageNone), int(kGerman), int(kFrench), int(kKorean)}) EXPECT_EQ(DialogText("Abbrechen", language), "Abbrechen");
  EXPECT_EQ(DialogText("", kEnglish), "");
}

// What the code puts between and after the names it fills in is English too, the names stay
// as they are, and a longer inner part wins over a shorter one inside it.
TEST(DialogTexts, InnerPartsAroundFilledInNamesAreEnglishAndTheNamesStay) {
  EXPECT_EQ(DialogText(Oem("Datei /home/Zeichnung/welle.kal nicht gefunden !"), kEnglish),
            "File /home/Zeichnung/welle.kal not found !");
  EXPECT_EQ(DialogText(Oem("File wst1base.dbf nicht gefunden oder kein Zugriffsrecht !"), kEnglish),
            "File wst1base.dbf not found or no access right !");
  EXPECT_EQ(DialogText(Oem("Keine Koordinaten in Zeile 3, 7: nichts übernommen."), kEnglish),
            "No coordinates in line 3, 7: nothing taken.");
  EXPECT_EQ(DialogText(Oem("DXF-Datei ring.dxf: die Datei ist leer"), kEnglish), "DXF file ring.dxf: the file is empty");
  // A field's name leads the range message that names it.
  EXPECT_EQ(DialogText(Oem("Zoomfaktor: Gültiger Wertebereich: 1 .. 9 !"), kEnglish), "Zoom factor: Valid range: 1 .. 9 !");
  EXPECT_EQ(DialogText(Oem("Datei /home/Zeichnung/welle.kal nicht gefunden !"), kGerman),
            Oem("Datei /home/Zeichnung/welle.kal nicht gefunden !"));
}

// A German text given twice would leave one of its English texts unused.
TEST(DialogTexts, EveryGermanTextHasOneEnglishText) {
  std::set<std::string> german;
  for (const auto& [text, english] : EnglishDialogTexts()) EXPECT_TRUE(german.insert(text).second) << text;
}

}  // namespace
}  // namespace kalo
