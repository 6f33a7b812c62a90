#include "help/help_picture_form.h"

#include <algorithm>

#include "context/context.h"
#include "help/help_picture_index.h"
#include "help/help_text.h"
#include "platform/codepage.h"

namespace kalo {

HelpPictureForm::HelpPictureForm(Context& context, std::vector<std::string> pictureLines, int selected)
    : context_(context), lines_(std::move(pictureLines)), pictureCount_(static_cast<int>(lines_.size())) {
  for (const char* command : {"-----  Erweitern  -----", "-----  Löschen  -----", "-----  Ändern  ------",
                              "-----  Einfügen ------", "-----  HP-GL/2 drucken/plotten  ------"})
    lines_.push_back(Oem(command));
  selected_ = std::clamp(selected, 0, static_cast<int>(lines_.size()) - 1);
}

std::string HelpPictureForm::Caption() const { return std::string(kProgramName) + " Hilfebilder"; }

void HelpPictureForm::ListBox1Click(int line) {
  selected_ = std::clamp(line, 0, static_cast<int>(lines_.size()) - 1);
  request_ = selected_;
}

void HelpPictureForm::HelpClick() { ShowHelp(context_, 0, 1); }

std::string PictureLine(const std::string& name, const std::string& information) {
  std::string padded = name;
  if (padded.size() < kPictureNameLength) padded.resize(kPictureNameLength, ' ');
  return padded + ": " + information;
}

}  // namespace kalo
