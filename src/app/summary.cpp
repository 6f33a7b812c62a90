#include "app/summary.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <iostream>
#include <new>
#include <stdexcept>
#include <sstream>
#include <thread>

#include "calc/solid_properties.h"
#include "context/context.h"
#include "datafile/data_file_reader.h"
#include "dialogs/message_boxes.h"
#include "platform/codepage.h"
#include "platform/console_ui.h"
#include "platform/paths.h"
#include "platform/write_errors.h"
#include "report/json_results.h"
#include "report/result_catalogue.h"

namespace kalo {
namespace {

// Files between two looks at the progress line.
constexpr size_t kProgressStep = 256;

// A CSV field: quoted when it holds a separator, a quote or a line end.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string Row(const std::vector<std::string>& fields) {
  std::string row;
  for (size_t i = 0; i < fields.size(); ++i) row += (i > 0 ? "," : "") + CsvField(fields[i]);
  return row;
}

// The row of a file that gave nothing: its name and the message.
std::string FailedRow(const std::string& file, const std::string& message) {
  return Row({FileNameText(file), "", "", "", "", "", "", "", "", "", "", message});
}

// The first line of what the console Ui wrote, without its "Fehler :" caption.
std::string CapturedMessage(const std::string& written) {
  std::string line = written.substr(0, written.find('\n'));
  const std::string caption = "Fehler : ";
  if (line.starts_with(caption)) line.erase(0, caption.size());
  return line.empty() ? "nicht gelesen" : line;
}

std::string JoinedMessages(const MessageCollection& messages) {
  std::string joined;
  for (const std::string& text : messages.Texts()) joined += (joined.empty() ? "" : "; ") + text;
  return joined;
}

// One worker's own program context: nothing of one file's reading or calculation is
// shared with another thread.
class SummaryWorker {
 public:
  explicit SummaryWorker(const Context& settings)
      : ui_(out_, err_), context_(ui_, settings.platform, settings.clock) {
    context_.config = settings.config;
  }

  // Failed rows carry the message and no values; true when the file gave results.
  bool Summarise(const std::string& file, std::string& row) {
    err_.str("");
    context_.state.cancel = false;
    // The reader replaces the body only when the whole file was read, and calculates it.
    if (!ReadDataFile(context_, file) || context_.state.cancel) {
      row = FailedRow(file, Utf8ToCp850(CapturedMessage(err_.str())));
      return false;
    }
    const Body& body = context_.body;
    if (body.contour.count == 0 || context_.messages.Fatal()) {
      std::string message = body.contour.count == 0 ? "keine Geometrie eingegeben !" : JoinedMessages(context_.messages);
      row = Row({FileNameText(file), body.texts.name, body.texts.number, std::to_string(body.contour.count), "", "", "", "", "", "",
                 "", message});
      return false;
    }
    SolidProperties solid = CurrentSolid(context_, false);
    row = Row({FileNameText(file), body.texts.name, body.texts.number, std::to_string(body.contour.count),
               JsonNumber(body.results.A), JsonNumber(body.volume), JsonNumber(body.mass), JsonNumber(body.results.Jx),
               JsonNumber(solid.centreOfMass), JsonNumber(solid.JyCentre), JsonNumber(solid.surface),
               JoinedMessages(context_.messages)});
    return true;
  }

 private:
  std::ostringstream out_, err_;
  ConsoleUi ui_;
  Context context_;
};

// A file that needs more memory than there is gets its row with that message; an
// exception must never leave a worker thread.
bool SummariseGuarded(SummaryWorker& worker, const std::string& file, std::string& row) {
  try {
    return worker.Summarise(file, row);
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  row = FailedRow(file, "zu wenig Speicher");
  return false;
}

bool ErrorStreamIsTerminal() { return isatty(STDERR_FILENO) == 1; }

}  // namespace

std::vector<std::string> SummaryFiles(const std::vector<std::string>& inputs, std::vector<std::string>& problems) {
  std::vector<std::string> files;
  for (const std::string& input : inputs) {
    std::error_code error;
    std::filesystem::path folder(NativePath(input));
    if (!std::filesystem::is_directory(folder, error)) {
      if (input.ends_with(kNativeSeparator) && !std::filesystem::exists(folder, error))
        problems.push_back("Ordner " + FileNameText(input) + " nicht gefunden");
      else
        files.push_back(input);
      continue;
    }
    std::vector<std::string> found;
    std::filesystem::directory_iterator entry(folder, error), end;
    for (; !error && entry != end; entry.increment(error))
      if (entry->path().extension() == std::string(".") + kDataFileExtension) found.push_back(entry->path().string());
    if (error) {
      problems.push_back("Ordner " + FileNameText(input) + " kann nicht gelesen werden: " + ReadErrorText(error.value()));
      continue;
    }
    std::sort(found.begin(), found.end());
    files.insert(files.end(), found.begin(), found.end());
  }
  return files;
}

std::string SummaryHeader() {
  return Row({"file", "drawing_name", "drawing_number", "elements", "A_mm2", "V_mm3", "m_kg", "Jx_kgm2", "xm_mm",
              "Jy_centre_kgm2", "surface_mm2", "message"});
}

std::vector<std::string> SummaryRows(const Context& context, const std::vector<std::string>& files, unsigned workers,
                                     const std::function<void(size_t, size_t)>& progress, size_t& failures) {
  std::vector<std::string> rows(files.size());
  std::atomic<size_t> next{0}, done{0}, failed{0};
  auto work = [&](bool reportsProgress) {
    SummaryWorker worker(context);
    for (size_t i = next++; i < files.size(); i = next++) {
      if (!SummariseGuarded(worker, files[i], rows[i])) ++failed;
      size_t finished = ++done;
      if (reportsProgress && finished % kProgressStep == 0) progress(finished, files.size());
    }
  };
  if (workers == 0) workers = std::max(1u, std::thread::hardware_concurrency());
  std::vector<std::thread> helpers;
  for (unsigned w = 1; w < workers; ++w) helpers.emplace_back(work, false);
  work(true);
  for (std::thread& helper : helpers) helper.join();
  progress(files.size(), files.size());
  failures = failed;
  return rows;
}

int RunSummary(Context& context, const std::vector<std::string>& inputs) {
  if (inputs.empty()) {
    context.ui.MessageBox("", "kalo --summary FILE_OR_FOLDER...: keine Datei und kein Ordner angegeben");
    return 1;
  }
  bool terminal = ErrorStreamIsTerminal();
  auto progress = [terminal](size_t done, size_t total) {
    if (terminal) std::cerr << '\r' << done << " / " << total << (done == total ? "\n" : "") << std::flush;
  };
  size_t failures = 0;
  std::vector<std::string> problems;
  std::vector<std::string> files = SummaryFiles(inputs, problems);
  for (const std::string& problem : problems) ErrorBox(context, problem);
  std::vector<std::string> rows = SummaryRows(context, files, 0, progress, failures);
  rows.insert(rows.begin(), SummaryHeader());
  context.ui.ShowLines(rows);
  return failures == 0 && problems.empty() ? 0 : 1;
}

}  // namespace kalo
