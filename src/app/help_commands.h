#pragma once
// The commands of the Help menu that this program carries out itself.
#include <string>
#include <vector>

namespace kalo {

struct Context;

// The maker's addresses that the web page and e-mail items open.
inline constexpr const char* kMakerWebPage = "https://www.example.com/kalo/";
inline constexpr const char* kMakerMailAddress = "kalo@example.com";

// The information box "AboutDialog": its window caption and its lines, code page 850.
struct AboutBox {
  std::string caption;
  std::vector<std::string> lines;
};

AboutBox AboutBoxText();
// Help Info: the emblem in the graphics window and the information box.
void HelpAbout(Context& context);
// Help Error Messages: the messages of the last calculation with cause and remedy.
void HelpErrorMessages(Context& context);
// The maker's web page in the browser.
void HelpWebPage(Context& context);
// A new e-mail to the maker whose subject names the program and its version.
void HelpEmail(Context& context);

// The version history shipped with the program, "history.txt" (code page 850).
inline constexpr const char* kHistoryFileName = "history.txt";
std::string HistoryFilePath(const Context& context);
// Help History: the version history in the text window.
void HelpHistory(Context& context);

}  // namespace kalo
