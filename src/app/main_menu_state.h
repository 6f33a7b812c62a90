#pragma once
// What the main window shows of the program state: its caption, the recent-file items of
// the File menu and the Error Messages item of the View menu. Texts are code page 850.
#include <array>
#include <string>

#include "app/recent_list.h"
#include "lang/caption_vocabulary.h"

namespace kalo {

struct Context;

struct MainMenuState {
  std::string caption;  // also the application title
  // The caption with the title in the menu language, UTF-8 as every menu caption.
  std::string title;
  std::array<std::string, kRecentEntries> recentCaptions;  // an empty caption hides its item
  bool recentSeparatorVisible = false;  // the separator between the list and Exit
  // The vocabulary's error messages entry + " (" + count + ")", UTF-8 as every menu caption.
  std::string errorMessagesCaption;
  bool errorMessagesEnabled = false;
  bool undoEnabled = false;
  bool redoEnabled = false;
  // OLE → Export and Import: a spreadsheet holds the data file.
  bool spreadsheetLinked = false;
  // The status line of the graphics window: what the contour holds that gives surprising
  // results, one warning after the other.
  std::string status;
};

// The program title line, followed by "  -  " and the current file name when there is one.
std::string MainWindowCaption(const Context& context);
MainMenuState CurrentMenuState(const Context& context, const CaptionVocabulary& captions = CaptionVocabulary());

}  // namespace kalo
