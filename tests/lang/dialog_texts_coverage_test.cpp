// Every text the program hands to a dialog, a message box or the status line reads English
// when the menus do: the literals that begin such texts in the program's sources, each
// looked up as the dialogs look it up.
#include <gtest/gtest.h>

#include <regex>

#include "help/program_sources.h"
#include "lang/caption_vocabulary.h"
#include "lang/dialog_texts.h"
#include "platform/codepage.h"
#include "support/german_words.h"

namespace kalo {
namespace {

// The calls whose text arguments reach the user: messages, questions, prompts and choices,
// notices, and the labels the windows write in the code.
const std::regex kShownCall(
    R"(\b(Report|ErrorBox|InfoBox|HelpBox|Refuse|CancelExpansion|Warn|AskYesNo|AskText|AskReal|AskNumber|AskLength|)"
    R"(AskChoice|AskYesNoChoice|MessageBox|ShowNotice|Notice|Labelled|Shown|Fail|Failed|Choose|ShowText|)"
    R"(SelectedOrChosen|ChooseEntry|AskInformation|AskOutputFile|Real|Text)\()");

TEST(DialogTextsCoverage, EveryLiteralThatReachesTheUserHasItsEnglishText) {
  std::map<std::string, bool> starts = testing::LiteralStartsOfCalls(testing::ProgramSources(), kShownCall);
  ASSERT_GT(starts.size(), 100u);
  std::vector<std::string> german;
  for (const auto& [text, complete] : starts) {
    // What the code puts after a start stays as it is.
    std::string shown = complete ? text : text + " 1";
    std::string english = Cp850ToUtf8(DialogText(shown, kEnglish));
    if (!testing::GermanIn(english).empty()) german.push_back(Cp850ToUtf8(shown) + "  ->  " + english);
  }
  std::string list;
  for (const std::string& text : german) list += "\n  " + text;
  EXPECT_TRUE(german.empty()) << german.size() << " texts without English:" << list;
}

}  // namespace
}  // namespace kalo
