#include "lang/caption_vocabulary.h"

#include <gtest/gtest.h>

#include <map>

#include "app/language_commands.h"
#include "support/test_context.h"

namespace kalo {
namespace {

std::map<std::string, std::string> Captions(const CaptionVocabulary& vocabulary) {
  std::map<std::string, std::string> captions;
  for (const auto& [name, caption] : MainMenuCaptions(vocabulary)) captions[name] = caption;
  return captions;
}

TEST(CaptionVocabulary, TablesHoldOneRowPerEntryInOrderWithATextForEveryLanguage) {
  const auto& general = GeneralCaptionTable();
  for (size_t i = 0; i < general.size(); ++i) {
    EXPECT_EQ(static_cast<size_t>(general[i].name), i);
    for (const char* text : general[i].texts) EXPECT_TRUE(text && *text) << i;
  }
  const auto& program = ProgramCaptionTable();
  for (size_t i = 0; i < program.size(); ++i) {
    EXPECT_EQ(static_cast<size_t>(program[i].name), i);
    for (size_t language = 0; language < kProgramLanguages.size(); ++language)
      if (program[i].name != ProgramCaption::Reset || kProgramLanguages[language] != kKorean) {
        EXPECT_TRUE(program[i].texts[language] && *program[i].texts[language]) << i;
      }
  }
}

TEST(CaptionVocabulary, MenuFollowsTheLanguageWithComposedCaptions) {
  CaptionVocabulary vocabulary;
  auto german = Captions(vocabulary);
  EXPECT_EQ(german["mi_fileNew"], "&Neu...        ");  // the built-in texts, before any language
  EXPECT_EQ(german["mi_fileOpen"], "Ö&ffnen...     ");
  EXPECT_EQ(german["mi_helpLanguage"], "Menü &Sprache");
  EXPECT_EQ(german["mi_docDocument3"], "D&okument &3");

  vocabulary.SetLanguage(kEnglish);
  auto english = Captions(vocabulary);
  EXPECT_EQ(english["mi_fileOpenTable"], "&Open... (&Table)");
  EXPECT_EQ(english["mi_helpLanguage"], "Menu &Language");
  EXPECT_EQ(english["mi_editReset"], "&Reset");
  EXPECT_EQ(english["mi_viewAuszug"], "&Excerpt Printout");

  vocabulary.SetLanguage(kRomanian);
  EXPECT_EQ(Captions(vocabulary)["mi_viewErrorMessages"], "");  // composed by the menu state
  EXPECT_EQ(Captions(vocabulary)["mi_helpErrorMessages"], "&mesaje de eroare");

  vocabulary.SetLanguage(kKorean);
  auto korean = Captions(vocabulary);
  EXPECT_EQ(korean["mi_file"], "파일(&F)");
  EXPECT_EQ(korean["mi_editGeometrie"], "도형(&G)     ");
  EXPECT_EQ(korean["mi_viewTabelle"], "테이블(&T)    ");
  EXPECT_EQ(korean["mi_editReset"], "초기화(&R)");
  EXPECT_EQ(korean["mi_helpLanguage"], "메뉴 언어(&L)");
}

TEST(CaptionVocabulary, LanguagesOutsideTheProgramGroupMixWithThePreviousOne) {
  CaptionVocabulary vocabulary;
  vocabulary.SetLanguage(kEnglish);
  vocabulary.SetLanguage(kSwedish);
  auto swedish = Captions(vocabulary);
  EXPECT_EQ(swedish["mi_file"], "&Arkiv");
  EXPECT_EQ(swedish["mi_editGeometrie"], "&Geometry");
  EXPECT_EQ(vocabulary.Text(GeneralCaption::Preview), "&Förhandsgranska");

  vocabulary.SetLanguage(12);  // unknown: only the preview entry changes
  EXPECT_EQ(vocabulary.Text(GeneralCaption::Preview), "&Preview");
  EXPECT_EQ(vocabulary.Text(GeneralCaption::File), "&Arkiv");
}

TEST(CaptionVocabulary, SettingTheLanguageStoresItInTheConfiguration) {
  testing::TestContext t;
  CaptionVocabulary vocabulary;
  SetLanguage(t.context, vocabulary, kFrench);
  EXPECT_EQ(t.context.config.language, kFrench);
  EXPECT_EQ(vocabulary.Text(GeneralCaption::Settings), "&Paramètres");
  EXPECT_EQ(vocabulary.Text(ProgramCaption::Graphics), "&Graphique");
}

}  // namespace
}  // namespace kalo
