#include "help/error_explanation_save.h"

#include <algorithm>
#include <vector>

#include "context/context.h"
#include "dialogs/io_reporters.h"
#include "dialogs/message_boxes.h"
#include "dialogs/standard_dialogs.h"
#include "help/error_message_file.h"
#include "output/scratch_files.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

bool ReadAll(Context& context, const std::string& path, std::vector<std::string>& lines) {
  Outcome read = ReadTextLines(path, lines);
  if (read) return true;
  ErrorBox(context, read.Message());
  context.state.cancel = true;
  return false;
}

// The file with the two lines after the entry's message line replaced; false when the
// entry is missing or has no line after it.
bool ReplaceExplanation(std::vector<std::string>& lines, const std::string& message, const std::string& cause,
                        const std::string& remedy) {
  std::string key = message.substr(0, kMessageKeyLength);
  auto entry = std::find_if(lines.begin(), lines.end(),
                            [&key](const std::string& line) { return line.substr(0, kMessageKeyLength) == key; });
  if (entry == lines.end() || entry + 1 == lines.end()) return false;
  size_t first = static_cast<size_t>(entry - lines.begin()) + 1;
  size_t replaced = std::min<size_t>(2, lines.size() - first);
  lines.erase(lines.begin() + first, lines.begin() + first + replaced);
  lines.insert(lines.begin() + first, {cause, remedy});
  return true;
}

}  // namespace

bool SaveMessageExplanation(Context& context, const std::string& message, const std::string& cause,
                            const std::string& remedy) {
  std::string source = ErrorMessageFilePath(context);
  std::string copyName = FileNameOf(source);
  if (UpperCase(NativePath(source)) == UpperCase(NativePath(TemporaryDirectory(context) + copyName))) return false;
  std::vector<std::string> lines;
  if (!CheckFileReadable(context, source) || !ReadAll(context, source, lines)) return false;
  if (!ReplaceExplanation(lines, message, cause, remedy)) {
    ShowText(context, message + " not found.");
    return false;
  }
  std::string target = ScratchFile(context, copyName);
  if (target.empty() || !RewriteWithRetry(context, target, lines)) return false;
  std::vector<std::string> copy;
  return ReadAll(context, target, copy) && RewriteWithRetry(context, source, copy);
}

}  // namespace kalo
