// The dialogs' texts in English: whole texts, leading parts with what the program filled in,
// and everything else as it is.
#include "lang/dialog_texts.h"

#include <gtest/gtest.h>

#include "lang/caption_vocabulary.h"
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
  for (int language : {int(kLanguageNone), int(kGerman), int(kFrench), int(kKorean)}) EXPECT_EQ(DialogText("Abbrechen", language), "Abbrechen");
  EXPECT_EQ(DialogText("", kEnglish), "");
}

}  // namespace
}  // namespace kalo
