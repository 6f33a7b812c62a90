#pragma once
// The program's own source files, read by the tests that check that the shipped help and
// error-message files cover every help number and message the code uses.
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace kalo::testing {

struct SourceFile {
  std::string path;  // below src/
  std::string text;
};

std::vector<SourceFile> ProgramSources();

// The help numbers the code sets or shows: assignments to the current help number, help
// number constants ("k...Help", "k...HelpNumber"), and numbers passed to SetHelpNumber,
// ShowHelp and the transformation prompts.
std::set<int> HelpNumbersInCode(const std::vector<SourceFile>& sources);

// The texts that begin the messages of the message collection and the message boxes: the
// string literal (also inside Oem(...)) that starts an argument of Report, ErrorBox,
// InfoBox, HelpBox and of the helpers that pass their text on to them. Only literals that
// identify a message are kept: complete messages, and starts of at least 14 characters.
std::set<std::string> MessageStartsInCode(const std::vector<SourceFile>& sources);

// The string literals (also inside Oem(...)) that start an argument of the calls the pattern
// finds (it ends with the call's "("), in code page 850, each with whether it is the whole
// argument (true) or the start of a text the code puts together (false).
std::map<std::string, bool> LiteralStartsOfCalls(const std::vector<SourceFile>& sources, const std::regex& call);

}  // namespace kalo::testing
