#include "lang/caption_vocabulary.h"

#include <algorithm>

namespace kalo {
namespace {

// The built-in texts that differ from the German of the table: padded to 15 characters.
constexpr const char* kInitialNew = "&Neu...        ";
constexpr const char* kInitialOpen = "Ö&ffnen...     ";

template <class Rows, class Texts>
void FillFrom(const Rows& rows, size_t column, Texts& texts) {
  for (const auto& row : rows)
    if (const char* text = row.texts[column]) texts[static_cast<size_t>(row.name)] = text;
}

}  // namespace

const char* LanguageLocale(int language) {
  static const std::array<const char*, kGeneralLanguages> locales = {"de", "en", "fr", "it", "sv",
                                                                     "pt", "ro", "ko", "es"};
  return language >= 1 && language <= kGeneralLanguages ? locales[static_cast<size_t>(language - 1)] : "de";
}

CaptionVocabulary::CaptionVocabulary() {
  FillFrom(GeneralCaptionTable(), 0, general_);
  FillFrom(ProgramCaptionTable(), 0, program_);
  general_[static_cast<size_t>(GeneralCaption::New)] = kInitialNew;
  general_[static_cast<size_t>(GeneralCaption::Open)] = kInitialOpen;
}

void CaptionVocabulary::SetLanguage(int language) {
  language_ = language;
  if (language >= 1 && language <= kGeneralLanguages)
    FillFrom(GeneralCaptionTable(), static_cast<size_t>(language - 1), general_);
  else
    general_[static_cast<size_t>(GeneralCaption::Preview)] = "&Preview";
  auto known = std::find(kProgramLanguages.begin(), kProgramLanguages.end(), language);
  if (known != kProgramLanguages.end())
    FillFrom(ProgramCaptionTable(), static_cast<size_t>(known - kProgramLanguages.begin()), program_);
}

}  // namespace kalo
