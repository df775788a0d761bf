// German for the standard dialogs and buttons of the toolkit.
#pragma once

class QApplication;

namespace kv::ui {

// Loads the toolkit's German translation into `app` (once; later calls do
// nothing) and makes German (Germany) the default locale, so standard buttons
// read "Ja", "Nein", "Abbrechen" and dates are German whatever the
// environment's language is.
void deutschLaden(QApplication& app);

}  // namespace kv::ui
