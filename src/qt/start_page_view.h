#pragma once
// The start page over the graphics window while there is no body: how to begin, the recent
// files and the example bodies, each file a link that opens it.
#include <QLabel>
#include <functional>
#include <string>
#include <vector>

#include "app/start_page.h"

namespace kalo {

class StartPageView : public QLabel {
 public:
  // open is called with the full path of the file clicked.
  StartPageView(QWidget* parent, std::function<void(const std::string&)> open);

  // Shows the page when it is to be shown, else hides it.
  void ShowPage(const StartPage& page, bool plainLetters);

 private:
  std::vector<std::string> paths_;  // the files the links stand for, by number
};

}  // namespace kalo
