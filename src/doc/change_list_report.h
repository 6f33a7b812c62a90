#pragma once
// The change list: creation date and author, the replacement relations of the drawing and
// every change with its index, date, editor, title and description, written through the
// text output channel.
namespace kalo {

struct Context;

// kind as the channel's Open takes it: 1 the screen, 0 the configured target. True when
// the list was written.
bool WriteChangeList(Context& context, int kind);

}  // namespace kalo
