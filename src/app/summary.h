#pragma once
// kalo --summary FILE_OR_FOLDER...: one CSV row of the main results per data file, the
// files calculated on all cores and written in the order given.
#include <functional>
#include <string>
#include <vector>

namespace kalo {

struct Context;

// The data files named: a folder gives its .kal files in name order, anything else itself.
// A folder that cannot be listed, or a name ending in "/" that does not exist, gives no
// files and a message in problems.
std::vector<std::string> SummaryFiles(const std::vector<std::string>& inputs, std::vector<std::string>& problems);

// The header row.
std::string SummaryHeader();

// One row per file in the order given (code page 850), computed with 'workers' threads
// (0: all cores), each with a program context of its own that takes the settings of
// 'context'. progress(done, total) is called from this thread now and then. 'failures'
// counts the files that gave no results.
std::vector<std::string> SummaryRows(const Context& context, const std::vector<std::string>& files, unsigned workers,
                                     const std::function<void(size_t, size_t)>& progress, size_t& failures);

// The whole command: the table on the output stream, a progress line on the error stream
// when that is a terminal. Exit code 0, or 1 when a file gave no results or a folder could
// not be listed.
int RunSummary(Context& context, const std::vector<std::string>& inputs);

}  // namespace kalo
