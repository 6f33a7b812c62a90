#include "solid/solid_program.h"

#include <unistd.h>

#include "context/context.h"
#include "output/scratch_files.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/shipped_files.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

SolidAnswer Failed(const std::string& reason) {
  SolidAnswer answer;
  answer.errors.push_back(reason);
  return answer;
}

}  // namespace

std::string SolidProgramPath(const std::string& ownProgram) { return DirectoryOf(ownProgram) + kSolidProgramName; }

SolidAnswer RunSolidProgram(Context& context, const SolidRequest& request) {
  std::string program = SolidProgramPath(ExecutablePath());
  if (access(program.c_str(), X_OK) != 0)
    return Failed(FileNameText(program) + " fehlt: ohne dieses Programm (OpenCascade) gibt es kein STEP und STL");
  std::string requestFile = ScratchFile(context, "solid-request.txt"), answerFile = ScratchFile(context, "solid-answer.txt");
  if (requestFile.empty()) return Failed(Oem("kein Ordner für temporäre Dateien"));
  if (Outcome written = WriteTextLines(requestFile, SolidRequestLines(request)); !written)
    return Failed(FileNameText(requestFile) + ": " + written.Message());
  RemoveFile(answerFile);
  int exitCode = context.platform.RunProgram({program, requestFile, answerFile});
  RemoveFile(requestFile);
  std::vector<std::string> lines;
  if (exitCode != 0 || !ReadTextLines(answerFile, lines))
    return Failed(FileNameText(program) + " endet ohne Antwort (Code " + std::to_string(exitCode) + ")");
  RemoveFile(answerFile);
  return ParseSolidAnswer(lines);
}

}  // namespace kalo
