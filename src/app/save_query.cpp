#include "app/save_query.h"

#include "context/context.h"
#include "datafile/data_file_format.h"
#include "datafile/data_file_writer.h"
#include "dialogs/message_boxes.h"

namespace kalo {

Outcome SaveQuery(Context& context) {
  ProgramState& state = context.state;
  if (state.commandLineFile && context.config.archiveMode) {
    state.modified = false;
  } else if (!state.currentFileName.empty() && state.modified) {
    std::string path = DataFilePath(state, state.currentFileName);
    Answer answer = context.ui.Question("Datei speichern (" + path + ") ?");
    if (answer == Answer::Cancel) return Outcome::Cancelled();
    if (answer == Answer::Yes) {
      if (Outcome written = WriteDataFile(context, state.currentFileName, true); !written) return written;
    }
    state.modified = false;
  } else if (state.modified) {
    if (context.ui.Question("Bisherige Eingaben verwerfen ?") != Answer::Yes) return Outcome::Cancelled();
    state.modified = false;
  }
  return Outcome::Done();
}

}  // namespace kalo
