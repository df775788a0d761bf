// The one seam to the user's web browser: whether the system reports an
// internet connection, and opening an address in the default browser. The
// GUI tests install their own instance and see what would have been opened.
#pragma once

class QUrl;

namespace kv::ui {

class Webseiten {
  public:
    virtual ~Webseiten() = default;

    // Whether the system reports an internet connection. A system that cannot
    // tell (no network information available) counts as connected: the
    // browser then says itself when the page cannot be reached.
    virtual bool verbunden() = 0;
    // Hands the address to the user's default web browser; false when that
    // could not even be tried (no browser known to the desktop).
    virtual bool oeffnen(const QUrl& adresse) = 0;

    // The installed instance (the real browser unless a test installed its own).
    static Webseiten& webseiten();
    // Installs `w` (not owned); nullptr brings back the real browser.
    static void setzeWebseiten(Webseiten* w);
};

inline Webseiten& webseiten() {
    return Webseiten::webseiten();
}

}  // namespace kv::ui
