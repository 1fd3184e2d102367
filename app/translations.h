// The program's words in the user's language: Qt's own (the standard buttons,
// the file and print dialogs) and the builder's tools, menus and dialogs. The
// seven screens keep their English texts in every language.
#pragma once

#include <QLocale>

class QCoreApplication;

namespace dishwright {

// Installs on `app` the translators for the first of `locale`'s languages that
// has a catalogue: Qt's own from Qt's translations folder, the program's from
// its resources. English, or a language without a catalogue, installs nothing.
// Numbers are untouched: they are read and written as before.
void installTranslations(QCoreApplication &app, const QLocale &locale = QLocale::system());

} // namespace dishwright
