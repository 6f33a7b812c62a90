#include "qt/start_page_view.h"

#include "platform/paths.h"
#include "qt/qt_text.h"

namespace kalo {

StartPageView::StartPageView(QWidget* parent, std::function<void(const std::string&)> open) : QLabel(parent) {
  setObjectName("StartPage");
  setTextFormat(Qt::RichText);
  setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  setAutoFillBackground(true);
  setMargin(12);
  setStyleSheet("QLabel#StartPage { background: #ffffff; color: #202020; border: 1px solid #3a5f8f; }");
  // Queued: opening a file shows the page anew, which must not happen inside the label's
  // own handling of the click.
  connect(
      this, &QLabel::linkActivated, this,
      [this, open = std::move(open)](const QString& link) {
        size_t n = link.toULong();
        if (n < paths_.size()) open(std::string(paths_[n]));
      },
      Qt::QueuedConnection);
  hide();
}

void StartPageView::ShowPage(const StartPage& page, bool plainLetters) {
  if (!page.shown) {
    hide();
    return;
  }
  paths_.clear();
  auto heading = [&](const std::string& text) {
    return "<p><b>" + Shown(text, plainLetters).toHtmlEscaped() + "</b><br>";
  };
  auto links = [&](const std::string& title, const std::vector<std::string>& files, bool fullPath) {
    if (files.empty()) return QString();
    QString html = heading(title);
    for (const std::string& path : files) {
      QString shown = Shown(fullPath ? path : FileNameOf(path), plainLetters).toHtmlEscaped();
      html += QString("<a href=\"%1\">%2</a><br>").arg(paths_.size()).arg(shown);
      paths_.push_back(path);
    }
    return html + "</p>";
  };
  QString html = heading(page.stepsHeading);
  for (const std::string& step : page.steps) html += Shown(step, plainLetters).toHtmlEscaped() + "<br>";
  html += "</p>";
  html += links(page.recentHeading, page.recent, true);
  html += links(page.examplesHeading, page.examples, false);
  setText(html);
  adjustSize();
  move(16, 16);
  show();
  raise();
}

}  // namespace kalo
