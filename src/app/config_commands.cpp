#include "app/config_commands.h"

#include "app/context.h"
#include "config/config_form.h"

namespace kalo {

void FileConfig(Context& context) {
  context.state.cancel = false;
  Tconfig form(context);
  context.ui.ShowConfigDialog(form);
  context.state.cancel = false;
}

}  // namespace kalo
