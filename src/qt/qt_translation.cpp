#include "qt/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace kalo {

void FollowQtTranslation(const char* locale) {
  static std::unique_ptr<QTranslator> installed;
  if (installed) QCoreApplication::removeTranslator(installed.get());
  installed = std::make_unique<QTranslator>();
  QLocale language(QString::fromLatin1(locale));
  QLocale::setDefault(language);
  if (installed->load(language, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(installed.get());
  else
    installed.reset();
}

}  // namespace kalo
