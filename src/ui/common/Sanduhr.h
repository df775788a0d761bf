// The busy pointer while a longer piece of work runs; back to normal when the
// guard ends, on every path.
#pragma once

#include <QApplication>

namespace kv::ui {

class Sanduhr {
  public:
    Sanduhr() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sanduhr() { QApplication::restoreOverrideCursor(); }
    Sanduhr(const Sanduhr&) = delete;
    Sanduhr& operator=(const Sanduhr&) = delete;
};

}  // namespace kv::ui
