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

Outcome Refuse(Context& context, const std::string& message) {
  ErrorBox(context, message);
  context.state.cancel = true;
  return Outcome::Failure(message);
}

Outcome CheckFileReadable(Context& context, const std::string& path) {
  std::ifstream in(NativePath(path), std::ios::binary);
  if (in && !DirectoryExists(path)) return Outcome::Done();
  return Refuse(context, "Datei " + FileNameText(TrimBlanks(path)) + " nicht gefunden oder kein Zugriffsrecht !");
}

Outcome CheckOutputFile(Context& context, const std::string& path, bool askOverwrite) {
  if (askOverwrite && FileExists(path) && path.find("aktuell") == std::string::npos) {
    context.state.helpNumber = 3055;
    if (!AskYesNo(context, path + " existiert bereits.   " + Oem("überschreiben") + " ?")) return context.state.Cancel();
  }
  if (CanWriteFile(path)) return Outcome::Done();
  return Refuse(context, Oem("Ungültiger Dateiname") + " \"" + path + "\" !");
}

}  // namespace kalo
