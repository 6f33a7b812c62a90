#pragma once
// The block of collected calculation messages, each with its cause and remedy from the
// error-message file.
namespace kalo {

struct Context;
class TextOutput;

void WriteMessageBlock(Context& context, TextOutput& output);

}  // namespace kalo
