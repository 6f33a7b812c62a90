#include "app/config_commands.h"

#include "config/config_form.h"
#include "context/context.h"

namespace kalo {

void FileConfig(Context& context) {
  SettingsForm form(context);
  context.ui.ShowConfigDialog(form);
}

}  // namespace kalo
