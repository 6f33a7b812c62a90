#include "doc/linked_documents.h"

#include <string>
#include <vector>

#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "output/external_program.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/platform_defaults.h"

namespace kalo {
namespace {

bool NeedsQuotes(const std::string& argument) {
  if (argument.empty()) return true;
  for (char c : argument) {
    bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                 std::string("._-+/:,=@%").find(c) != std::string::npos;
    if (!plain) return true;
  }
  return false;
}

std::string Quoted(const std::string& argument) {
  std::string quoted = "\"";
  for (char c : argument) quoted += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
  return quoted + "\"";
}

// The program and the file of link n as the arguments of the started program.
std::vector<std::string> DocumentArguments(const Context& context, size_t n) {
  const LinkedDocument& document = context.body.documentation.documents[n - 1];
  std::string program = TrimBlanks(document.program);
  std::vector<std::string> arguments{program.empty() ? DefaultDocumentProgram() : program};
  if (!TrimBlanks(document.file).empty()) arguments.push_back(NativePath(document.file));
  return arguments;
}

// The arguments as a command line for the user to read: those with blanks or characters a
// shell would act on are quoted.
std::string CommandText(const std::vector<std::string>& arguments) {
  std::string text;
  for (const std::string& argument : arguments)
    text += (text.empty() ? "" : " ") + (NeedsQuotes(argument) ? Quoted(argument) : argument);
  return text;
}

// Links from a data file name programs chosen by whoever wrote the file: the user sees the
// command before anything of that file starts, once per file.
bool Confirmed(Context& context, size_t n, const std::vector<std::string>& arguments) {
  auto& documents = context.body.documentation.documents;
  if (!documents[n - 1].fromDataFile) return true;
  if (!AskYesNo(context, Oem("Die Datendatei verknüpft dieses Dokument: ") + CommandText(arguments) +
                             Oem("   Ausführen ?")))
    return false;
  for (LinkedDocument& document : documents) document.fromDataFile = false;
  return true;
}

}  // namespace

void OpenDocument(Context& context, size_t n) {
  if (n < 1 || n > kLinkedDocumentCount) return;
  std::vector<std::string> arguments = DocumentArguments(context, n);
  if (!Confirmed(context, n, arguments)) return;
  context.ui.SetWaitCursor(true);
  LaunchProgram(context, arguments[0], arguments.size() > 1 ? arguments[1] : "");
  context.ui.SetWaitCursor(false);
}

}  // namespace kalo
