#include "doc/document_setup_form.h"

#include "context/context.h"
#include "dialogs/standard_dialogs.h"
#include "help/help_text.h"
#include "platform/codepage.h"
#include "platform/platform_defaults.h"

namespace kalo {
namespace {

// A file dialog whose choice replaces text; its cancel leaves text and the dialog as they were.
void PickFile(Context& context, std::string& text, const std::string& mask) {
  std::string path = text;
  if (AskFile(context, path, mask)) text = path;
  context.state.cancel = false;
}

// The first count characters of a UTF-8 text, never half a character.
std::string FirstCharacters(const std::string& utf8, size_t count) {
  size_t end = 0;
  for (size_t characters = 0; end < utf8.size(); ++end) {
    bool starts = (static_cast<unsigned char>(utf8[end]) & 0xC0) != 0x80;
    if (starts && characters++ == count) break;
  }
  return utf8.substr(0, end);
}

std::string Hint(const Context& context, int number, bool plainLetters) {
  return DisplayUtf8(HelpToolTip(context, number), plainLetters);
}

}  // namespace

DocumentSetupForm::DocumentSetupForm(Context& context,
                                     const std::array<LinkedDocument, kLinkedDocumentCount>& documents)
    : context_(context) {
  for (size_t i = 0; i < kLinkedDocumentCount; ++i) {
    std::string number = std::to_string(i + 1);
    groups[i] = {" Document " + number + " ", "Program " + number, "File " + number, documents[i].program,
                 documents[i].file};
  }
  bool plainLetters = context.Units().plainLetters;
  programHint = Hint(context, kProgramHelp, plainLetters);
  fileHint = Hint(context, kFileHelp, plainLetters);
}

void DocumentSetupForm::ProgramClick(size_t group) {
  if (group < groups.size()) PickFile(context_, groups[group].program, ProgramFileMask());
}

void DocumentSetupForm::FileClick(size_t group) {
  if (group < groups.size()) PickFile(context_, groups[group].file, "*.*");
}

void DocumentSetupForm::OkClick(std::array<LinkedDocument, kLinkedDocumentCount>& documents) const {
  for (size_t i = 0; i < kLinkedDocumentCount; ++i) {
    LinkedDocument link{FirstCharacters(groups[i].program, kLinkedDocumentFieldLength),
                        FirstCharacters(groups[i].file, kLinkedDocumentFieldLength)};
    // A link the user left as it was keeps its origin.
    if (link == documents[i]) continue;
    documents[i] = link;
  }
}

void EditDocuments(Context& context) {
  SetHelpNumber(context, DocumentSetupForm::kHelpNumber);
  auto& documents = context.body.documentation.documents;
  DocumentSetupForm form(context, documents);
  if (!context.ui.EditDocumentSetup(form)) {
    context.state.cancel = true;
    return;
  }
  form.OkClick(documents);
}

}  // namespace kalo
