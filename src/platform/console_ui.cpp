#include "platform/console_ui.h"

#include "platform/codepage.h"
#include "platform/text_file.h"

namespace kalo {

void ConsoleUi::MessageBox(const std::string& caption, const std::string& text) {
  err_ << Cp850ToUtf8(caption) << (caption.empty() || caption.back() == ' ' ? "" : " ") << Cp850ToUtf8(text)
       << '\n';
}

Answer ConsoleUi::Question(const std::string& text) {
  err_ << Cp850ToUtf8(text) << " -> Abbrechen\n";
  return Answer::Cancel;
}

bool ConsoleUi::AskText(const std::string& prompt, int, std::string&) {
  err_ << Cp850ToUtf8(prompt) << " -> Abbrechen\n";
  return false;
}

bool ConsoleUi::AskSaveFileName(const std::string&, const std::string&, std::string&) { return false; }

bool ConsoleUi::AskOpenFileName(const std::string&, const std::string&, std::string&) { return false; }

void ConsoleUi::ShowLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) out_ << Cp850ToUtf8(line) << '\n';
  out_.flush();
}

bool ConsoleUi::AskChoice(const std::string& caption, const std::vector<std::string>&, int&) {
  err_ << Cp850ToUtf8(caption) << " -> Abbrechen\n";
  return false;
}

void ConsoleUi::ShowTextFile(const std::string& path) {
  std::vector<std::string> lines;
  if (!ReadTextLines(path, lines)) {
    err_ << path << " not found !\n";
    return;
  }
  for (const std::string& line : lines) out_ << AnsiToUtf8(line) << '\n';
  out_.flush();
}

bool ConsoleUi::PrintTextFile(const std::string& path) {
  err_ << path << ": Drucken ist ohne Fenster nicht möglich\n";  // the console takes UTF-8
  return false;
}

}  // namespace kalo
