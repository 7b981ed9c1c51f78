#pragma once

#include <QLocale>

class QTranslator;

// Loads Qt's own translations for locale (the file dialog, the standard
// buttons and the other texts of Qt's widgets), from where this Qt keeps
// them, into the application. Returns the translator installed, owned by the
// application; null when there is none for the locale (English then stays).
QTranslator* InstallQtTranslations(const QLocale& locale = QLocale());
