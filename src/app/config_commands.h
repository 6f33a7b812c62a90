#pragma once
// File → Einstellungen: the configuration dialog on the running configuration.

namespace kalo {

struct Context;

// The dialog takes its settings over itself ("OK", "&Speichern"); the window shows the
// configured background colour afterwards.
void FileConfig(Context& context);

}  // namespace kalo
