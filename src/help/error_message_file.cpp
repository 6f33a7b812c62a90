#include "help/error_message_file.h"

#include <vector>

#include "context/context.h"
#include "platform/shipped_files.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

std::string KeyOf(const std::string& text) { return text.substr(0, kMessageKeyLength); }

std::string LineOrEmpty(const std::vector<std::string>& lines, size_t index) {
  return index < lines.size() ? lines[index] : std::string();
}

std::string CollectedMessage(const Context& context, size_t index) {
  return index >= 1 && index <= context.messages.Count() ? context.messages.Text(index) : std::string();
}

}  // namespace

std::string ErrorMessageFilePath(const Context& context) {
  return ShippedFilePath(context.config.pltDirectory, std::string(kShortName) + ".err");
}

MessageExplanation ExplainMessage(const Context& context, const std::string& message) {
  MessageExplanation explanation;
  std::vector<std::string> lines;
  if (!ReadTextLines(ErrorMessageFilePath(context), lines)) return explanation;
  explanation.fileFound = true;
  std::string key = KeyOf(message);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (KeyOf(lines[i]) != key) continue;
    explanation.entryFound = true;
    explanation.cause = LineOrEmpty(lines, i + 1);
    explanation.remedy = LineOrEmpty(lines, i + 2);
    break;
  }
  return explanation;
}

std::string GetMessageCause(const Context& context, size_t index) {
  MessageExplanation explanation = ExplainMessage(context, CollectedMessage(context, index));
  if (!explanation.fileFound) return {};
  return explanation.entryFound ? explanation.cause : kNoDescription;
}

std::string GetMessageRemedy(const Context& context, size_t index) {
  return ExplainMessage(context, CollectedMessage(context, index)).remedy;
}

}  // namespace kalo
