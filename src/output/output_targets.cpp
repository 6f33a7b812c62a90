#include "output/output_targets.h"

#include <cerrno>
#include <cstdio>
#include <vector>

#include "context/context.h"
#include "context/text_channel.h"
#include "dialogs/message_boxes.h"
#include "output/external_program.h"
#include "output/scratch_files.h"
#include "platform/codepage.h"
#include "platform/file_system_faults.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "platform/write_errors.h"

namespace kalo {
namespace {

bool WriteLines(Context& context, const std::string& path, const std::vector<std::string>& lines) {
  return WriteSucceeded(context, path, WriteTextLines(path, lines));
}

bool WriteWindowCopy(Context& context, const std::vector<std::string>& lines) {
  std::string path = OutwinPath(context);
  if (path.empty()) return false;
  std::vector<std::string> converted;
  converted.reserve(lines.size());
  for (const std::string& line : lines) converted.push_back(Cp850ToAnsi(line));
  return WriteLines(context, path, converted);
}

std::string WithExtension(const std::string& path, const std::string& extension) {
  return FileNameOf(path).find('.') == std::string::npos ? path + "." + extension : path;
}

// The save dialog of the file targets, followed by the test that the name can be written.
bool AskOutputFile(Context& context, TextChannel& channel, const std::string& extension) {
  std::string path = BaseNameOf(channel.name) + "." + extension;
  if (!context.ui.AskSaveFileName(context.state.dataDirectory, "*." + extension + "|*." + extension, path)) {
    context.state.cancel = true;
    return false;
  }
  channel.outputPath = WithExtension(TrimBlanks(path), extension);
  CheckOutputFile(context, channel.outputPath);
  return !context.state.cancel;
}

std::string NumberedFile(Context& context, const std::string& prefix, int number) {
  return ScratchFile(context, prefix + std::to_string(number) + ".txt");
}

// The target's lines go to a file of the run's private folder; false when there is none.
bool UseScratchFile(TextChannel& channel, const std::string& path) {
  channel.outputPath = path;
  return !path.empty();
}

// Appends to the printer port; 0 or the error number.
int AppendBytes(const std::string& path, const std::string& bytes) {
  if (int fault = InjectedFault(FileStep::kOpen, path)) return fault;
  FILE* port = std::fopen(NativePath(path).c_str(), "ab");
  if (!port) return errno;
  int error = InjectedFault(FileStep::kWrite, path);
  if (error == 0 && std::fwrite(bytes.data(), 1, bytes.size(), port) != bytes.size()) error = errno;
  if (std::fclose(port) != 0 && error == 0) error = errno;
  if (error == 0) error = InjectedFault(FileStep::kClose, path);
  return error;
}

bool SendBytes(Context& context, const std::string& port, const std::string& bytes) {
  int error = AppendBytes(port, bytes);
  return error == 0 || WriteFailed(context, port, WriteErrorText(error));
}

// Printer set-up codes in "TEXT.HXP" of the working directory go to the printer first.
bool SendPrinterSetup(Context& context, const std::string& port) {
  std::string setupFile = WithSeparator(context.platform.CurrentDirectory()) + "TEXT.HXP";
  if (!FileExists(setupFile)) return true;
  std::FILE* in = std::fopen(NativePath(setupFile).c_str(), "rb");
  if (!in) return true;
  std::string bytes;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;) bytes.append(buffer, n);
  std::fclose(in);
  return SendBytes(context, port, bytes);
}

bool PrepareTextPrinter(Context& context, TextChannel& channel) {
  channel.outputPath = context.platform.PrinterPortPath(context.config.printerPort);
  channel.pauseAfterPage = AskYesNo(context, "Pause nach jeder Seite ?");
  return !context.state.cancel && SendPrinterSetup(context, channel.outputPath);
}

bool PrepareHtml(Context& context, TextChannel& channel) {
  if (TrimBlanks(context.config.htmlBrowser).empty()) return AskOutputFile(context, channel, "htm");
  return UseScratchFile(channel, ScratchFile(context, std::string(kShortName) + ".htm"));
}

bool PrepareSpreadsheet(Context& context, TextChannel& channel) {
  if (context.config.askTextDevice) return AskOutputFile(context, channel, "txt");
  return UseScratchFile(channel, NumberedFile(context, "$$$", channel.fileCounter + 1));
}

// A copy of the numbered spreadsheet file under its final name.
bool FinishNumbered(Context& context, TextChannel& channel, const std::string& copy) {
  if (!WriteLines(context, channel.outputPath, channel.lines)) return false;
  ++channel.fileCounter;
  return WriteLines(context, copy, channel.lines);
}

bool FinishFile(Context& context, TextChannel& channel) {
  if (!WriteLines(context, channel.outputPath, channel.lines) || !WriteWindowCopy(context, channel.lines))
    return false;
  InfoBox(context, channel.outputPath + " und Windows-Datei outwin.txt wurden angelegt.");
  return true;
}

bool FinishWindowsPrinter(Context& context, TextChannel& channel) {
  if (!WriteLines(context, channel.outputPath, channel.lines)) return false;
  bool printed = context.ui.PrintTextFile(channel.outputPath);
  RemoveFile(channel.outputPath);
  if (!printed) context.state.cancel = true;
  return printed;
}

bool FinishHtml(Context& context, TextChannel& channel) {
  if (!WriteLines(context, channel.outputPath, channel.lines)) return false;
  std::string browser = TrimBlanks(context.config.htmlBrowser);
  return browser.empty() || StartProgramWithFile(context, browser, channel.outputPath);
}

}  // namespace

bool WriteFailed(Context& context, const std::string& path, const std::string& cause) {
  ErrorBox(context, "Fehler bei Zugriff auf Diskette/Platte " + FileNameText(path) + ": " + cause);
  context.state.cancel = true;
  return false;
}

bool WriteSucceeded(Context& context, const std::string& path, const Outcome& written) {
  return written || WriteFailed(context, path, written.Message());
}

std::string OutwinPath(Context& context) { return ScratchFile(context, "outwin.txt"); }

std::string WindowText(const Context& context, const std::string& cp850) {
  if (context.Units().plainLetters) return MapPlainLetterTable(SpellOutPlainLetters(cp850));
  return Cp850ToAnsi(cp850);
}

bool PrepareTarget(Context& context, TextChannel& channel) {
  channel.outputPath.clear();
  switch (channel.target) {
    case kTargetScreen:
    case kTargetTextProgram: return UseScratchFile(channel, OutwinPath(context));
    case kTargetTextPrinter: return PrepareTextPrinter(context, channel);
    case kTargetFile: return AskOutputFile(context, channel, "txt");
    case kTargetWindowsPrinter: return UseScratchFile(channel, ScratchFile(context, "$$$.txt"));
    case kTargetSpreadsheet: return PrepareSpreadsheet(context, channel);
    case kTargetHtml: return PrepareHtml(context, channel);
    case kTargetDosFile: channel.outputPath = TemporaryDirectory(context) + "OUTDOS.TXT"; return true;
    case kTargetBatch:
      // Straight into the working folder: a command line run needs no scratch folder.
      channel.outputPath = WithSeparator(context.platform.CurrentDirectory()) + FileNameOf(channel.name);
      return true;
    default: return true;
  }
}

bool SendToPrinterPort(Context& context, TextChannel& channel) {
  std::string bytes;
  for (const std::string& line : channel.lines) bytes += line + "\r\n";
  channel.lines.clear();
  return SendBytes(context, channel.outputPath, bytes);
}

bool FinishTarget(Context& context, TextChannel& channel) {
  switch (channel.target) {
    case kTargetScreen:
      if (!WriteWindowCopy(context, channel.lines)) return false;
      context.ui.ShowTextFile(channel.outputPath);
      return true;
    case kTargetTextPrinter: return SendToPrinterPort(context, channel);
    case kTargetFile: return FinishFile(context, channel);
    case kTargetWindowsPrinter: return FinishWindowsPrinter(context, channel);
    case kTargetTextProgram:
      return WriteWindowCopy(context, channel.lines) &&
             StartProgramWithFile(context, context.config.textProgram, channel.outputPath);
    case kTargetSpreadsheet:
      return FinishNumbered(context, channel, NumberedFile(context, "$$", channel.fileCounter + 1));
    case kTargetHtml: return FinishHtml(context, channel);
    case kTargetDosFile: return WriteLines(context, channel.outputPath, channel.lines);
    case kTargetBatch:
      if (!WriteLines(context, channel.outputPath, channel.lines)) return false;
      ++channel.fileCounter;
      return true;
    default: return false;
  }
}

}  // namespace kalo
