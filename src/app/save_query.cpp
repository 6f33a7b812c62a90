#include "app/save_query.h"

#include "context/context.h"
#include "datafile/data_file_format.h"
#include "datafile/data_file_writer.h"
#include "dialogs/message_boxes.h"

namespace kalo {

void SaveQuery(Context& context) {
  ProgramState& state = context.state;
  if (state.commandLineFile && context.config.archiveMode) {
    state.modified = false;
  } else if (!state.currentFileName.empty() && state.modified) {
    std::string path = DataFilePath(state, state.currentFileName);
    bool save = AskYesNo(context, "Datei speichern (" + path + ") ?");
    if (state.cancel) return;
    if (save) WriteDataFile(context, state.currentFileName, true);
    if (!state.cancel) state.modified = false;
  } else if (state.modified) {
    if (AskYesNo(context, "Bisherige Eingaben verwerfen ?"))
      state.modified = false;
    else
      state.cancel = true;
  }
}

}  // namespace kalo
