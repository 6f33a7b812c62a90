#pragma once
// The start-up check of the configured directories.

namespace kalo {

struct Context;

// Fills empty directories (temporary from "TEMP", TMPDIR or the system's folder, else the
// start-up directory; DBF, PLT, EDI and data with the start-up directory; CAD stays empty)
// and warns about each one that cannot be used. For an unusable temporary directory the user is asked for another one.
void CheckConfiguredDirectories(Context& context);

}  // namespace kalo
