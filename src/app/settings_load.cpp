#include "app/settings_load.h"

#include "config/configuration_file.h"
#include "config/recent_files.h"
#include "context/context.h"

namespace kalo {

void LoadSettings(Context& context) {
  ReadConfiguration(context);
  context.state.cancel = false;
  ReadRecentFiles(context);
  context.state.cancel = false;
  context.body.documentation.information.StartValues(context.Today());
}

}  // namespace kalo
