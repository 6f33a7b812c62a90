#pragma once
// The first steps of every start, batch or window: the configuration and the
// recent-files list are read, and the documentation is dated in the configured form.

namespace kalo {

struct Context;

void LoadSettings(Context& context);

}  // namespace kalo
