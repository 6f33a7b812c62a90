#pragma once
// The dialog "Document Setup": program and file of the five linked documents, each with a
// "..." button that picks it in a file dialog. Paths are held as the system names them.
#include <array>
#include <string>

#include "model/documentation.h"

namespace kalo {

struct Context;

class DocumentSetupForm {
 public:
  static constexpr int kHelpNumber = 2730;
  static constexpr int kProgramHelp = 2710;
  static constexpr int kFileHelp = 2720;

  struct Group {
    std::string caption;        // " Document n "
    std::string Label_program;  // "Program n"
    std::string Label_file;     // "File n"
    std::string Edit_program;
    std::string Edit_file;
  };

  DocumentSetupForm(Context& context, const std::array<LinkedDocument, kLinkedDocumentCount>& documents);

  std::string caption = "Document Setup";
  std::array<Group, kLinkedDocumentCount> groups;
  // The hints of the "Program" and "File" labels (UTF-8; empty without help level).
  std::string programHint, fileHint;

  // "...": the chosen program or file replaces the edit's text (group 0-based).
  void Button_programClick(size_t group);
  void Button_fileClick(size_t group);
  // Each edit cut to 50 characters; a changed link counts as set up in this run.
  void Button_okClick(std::array<LinkedDocument, kLinkedDocumentCount>& documents) const;

 private:
  Context& context_;
};

// Documentation → Document Setup: OK stores the five links; cancel stores nothing and sets
// the cancel flag.
void EditDocuments(Context& context);

}  // namespace kalo
