#pragma once
// The result report of one calculation: the contour table (Standard report only), the
// results block and the collected messages, written through the text output channel.
#include <functional>
#include <string>

namespace kalo {

struct Context;
class TextOutput;

enum ReportKind { kReportBatch = 0, kReportStandard = 1, kReportExtract = 2 };

// Writes the report; kind 0 goes to the batch target, kinds 1 and 2 to the configured
// target or the one the user chooses. True only when the report was written: false when
// the last calculation failed (the caller then shows the message summary), when the user
// cancelled or when the output could not be written.
bool Report(Context& context, int kind);
// The same report followed, on a page of its own, by the lines that 'appendix' writes.
using ReportAppendix = std::function<void(TextOutput&)>;
bool Report(Context& context, int kind, const ReportAppendix& appendix);

// The mass in kg, or in g below 1 kg.
void MassLine(Context& context, TextOutput& output, const std::string& label, const std::string& symbol,
              long double kg);
// The inertia text read back as a number: below 1.0E-4 shown in gmm2 (multiplied by
// 1.0E9), otherwise the text itself in kgm2.
void InertiaLine(Context& context, TextOutput& output, const std::string& label, const std::string& symbol,
                 const std::string& valueText);

}  // namespace kalo
