#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace dishwright {
namespace {

// Loads `catalogue` for `locale` from `folder` and installs it; a language
// without a catalogue leaves the English texts.
void install(QCoreApplication &app, const QLocale &locale, const QString &catalogue,
             const QString &folder) {
  auto *translator = new QTranslator(&app);
  if (translator->load(locale, catalogue, QStringLiteral("_"), folder))
    QCoreApplication::installTranslator(translator);
  else
    delete translator;
}

} // namespace

void installTranslations(QCoreApplication &app, const QLocale &locale) {
  install(app, locale, QStringLiteral("qtbase"),
          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  // Built from translations/*.ts into the program's resources; installed last,
  // it is asked first.
  install(app, locale, QStringLiteral("dishwright"), QStringLiteral(":/i18n"));
}

} // namespace dishwright
