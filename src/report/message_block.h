#pragma once
// The block of collected calculation messages, each with its cause and remedy from the
// error-message file.
namespace kalo {

struct Context;
class TextOutput;

void WriteMessageBlock(Context& context, TextOutput& output);
// What the DXF import of the contour decided by a rule, under its own heading; nothing for
// a body read from a data file.
void WriteImportNotes(const Context& context, TextOutput& output);

}  // namespace kalo
