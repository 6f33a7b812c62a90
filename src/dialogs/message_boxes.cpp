#include "dialogs/message_boxes.h"

#include <fstream>

#include "context/context.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace kalo {

void ErrorBox(Context& context, const std::string& text) {
  if (context.state.messagesAllowed) context.ui.MessageBox("Fehler : ", text);
}

void InfoBox(Context& context, const std::string& text) { context.ui.MessageBox("Meldung:", text); }

void HelpBox(Context& context, const std::string& text) { context.ui.MessageBox("Hilfe", text); }

bool AskYesNo(Context& context, const std::string& question) {
  Answer answer = context.ui.Question(question);
  if (answer == Answer::Cancel) context.state.cancel = true;
  return answer == Answer::Yes;
}

std::string UnreadableFileMessage(const std::string& path) {
  return "Datei " + FileNameText(TrimBlanks(path)) + " nicht gefunden oder kein Zugriffsrecht !";
}

bool CheckFileReadable(Context& context, const std::string& path) {
  std::ifstream in(NativePath(path), std::ios::binary);
  if (in && !DirectoryExists(path)) return true;
  ErrorBox(context, UnreadableFileMessage(path));
  context.state.cancel = true;
  return false;
}

Outcome CheckOutputFile(Context& context, const std::string& path, bool askOverwrite) {
  if (askOverwrite && FileExists(path) && path.find("aktuell") == std::string::npos) {
    context.state.helpNumber = 3055;
    if (!AskYesNo(context, path + " existiert bereits.   " + Oem("überschreiben") + " ?")) {
      context.state.cancel = true;
      return Outcome::Cancelled();
    }
  }
  if (CanWriteFile(path)) return Outcome::Done();
  std::string message = Oem("Ungültiger Dateiname") + " \"" + path + "\" !";
  ErrorBox(context, message);
  context.state.cancel = true;
  return Outcome::Failure(message);
}

}  // namespace kalo
