// German for the standard dialogs and buttons of the toolkit.
#pragma once

class QApplication;

namespace kv::ui {

// Loads the toolkit's German translation into `app` (once; later calls do
// nothing) and makes German (Germany) the default locale, so standard buttons
// read "Ja", "Nein", "Abbrechen" and dates are German whatever the
// environment's language is.
void deutschLaden(QApplication& app);

// Before the application object: German as the environment's language, so
// what the toolkit formats with the system's locale is German as well (file
// sizes and dates in the file dialogs). Numbers in files stay unaffected:
// deutschLaden() puts the C library's number format back.
void deutschVorbereiten();

}  // namespace kv::ui
