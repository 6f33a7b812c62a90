#pragma once
// The main window "TMainForm": the graphics window as its client area and the menu bar
// through which the user works on the current body. Every command runs in the core; the
// window then shows the core's menu state again.
#include <QMainWindow>
#include <array>
#include <functional>
#include <initializer_list>
#include <utility>

#include "app/recent_list.h"
#include "lang/caption_vocabulary.h"

class QAction;
class QMenu;

namespace kalo {

struct Context;
class BodyViewWindow;
class GraphWidget;
class StartPageView;

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TMainForm(Context& context, QWidget* parent = nullptr);

  GraphWidget& Graph() { return *graph_; }
  // The 3D view of the body, opened with Ansicht "3D-Körper"; null before.
  BodyViewWindow* BodyView() { return bodyView_; }
  // Caption, recent-file items and the Error Messages item as the core has them now.
  void UpdateMenus();
  // The configured client area within the available part of the screen, at the window's
  // initial position where it fits.
  void ApplyConfiguredSize();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  using Command = std::function<void(Context&)>;

  void BuildFileMenu();
  void BuildEditMenu();
  void BuildViewMenus();
  void BuildDocumentMenus();
  void BuildHelpMenu();
  void ShowBodyView();
  // An item that runs the command and then shows the menu state again.
  QAction* AddCommand(QMenu* menu, const char* name, const char* caption, Command command);
  QMenu* AddMenu(const char* name, const char* caption, QMenu* parent = nullptr);
  void Run(const Command& command);
  // A menu text (UTF-8) as the window shows it.
  QString Caption(const std::string& utf8) const;
  // The vocabulary follows the configured language; on a change every item it names is
  // labelled again.
  void FollowLanguage();
  // One menu's items (or the menu bar's menus) with an accelerator letter each of their own.
  static void KeepAcceleratorsDistinct(const QList<QAction*>& items);

  Context& context_;
  GraphWidget* graph_;
  BodyViewWindow* bodyView_ = nullptr;
  CaptionVocabulary captions_;
  int labelledLanguage_ = -1;  // the language the items show; none before the first labelling
  std::array<QAction*, kRecentEntries> recentItems_{};
  QAction* recentSeparator_ = nullptr;
  QAction* errorMessagesItem_ = nullptr;
  QAction* undoItem_ = nullptr;
  QAction* redoItem_ = nullptr;
  QAction* oleExportItem_ = nullptr;
  QAction* oleImportItem_ = nullptr;
  StartPageView* startPage_ = nullptr;  // over the graphics window while there is no body
};

}  // namespace kalo
