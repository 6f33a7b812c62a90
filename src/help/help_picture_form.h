#pragma once
// The help picture browser: the list of the help pictures followed by five command lines,
// a spin button and the buttons that request a command. Choosing a line, the spin button
// or a command button closes the window with that line as the request; OK closes the
// browser.
#include <string>
#include <vector>

namespace kalo {

struct Context;

// The command lines below the n pictures, at n + 0 .. n + 4.
enum class PictureCommand { Append, Delete, Change, Insert, Print };
inline constexpr int kPictureCommands = 5;

class HelpPictureForm {
 public:
  // The entries' lines and the line preselected (0-based).
  HelpPictureForm(Context& context, std::vector<std::string> pictureLines, int selected);

  std::string Caption() const;
  // The pictures' lines ("name    : information") and the command lines, code page 850.
  const std::vector<std::string>& Lines() const { return lines_; }
  int Selected() const { return selected_; }
  int Request() const { return request_; }

  // Each of these closes the window with a request.
  void ListBox1Click(int line);
  void SpinUpClick() { ListBox1Click(selected_ - 1); }
  void SpinDownClick() { ListBox1Click(selected_ + 1); }
  void NewClick() { RequestCommand(PictureCommand::Append); }
  void DeleteClick() { RequestCommand(PictureCommand::Delete); }
  void ChangeClick() { RequestCommand(PictureCommand::Change); }
  void InsertClick() { RequestCommand(PictureCommand::Insert); }
  // The help text of the current help number; the window stays open.
  void HelpClick();

 private:
  void RequestCommand(PictureCommand command) { request_ = pictureCount_ + static_cast<int>(command); }

  Context& context_;
  std::vector<std::string> lines_;
  int pictureCount_;
  int selected_;
  int request_ = -1;
};

// A picture's line in the list: the name padded to 8 characters, ": " and the information.
std::string PictureLine(const std::string& name, const std::string& information);

}  // namespace kalo
