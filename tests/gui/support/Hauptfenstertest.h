// The shared fixture of the GUI tests: before every test function a fresh
// world (temporary data folder, scripted dialogs; init()), after it the check
// that no message went unread and no prepared answer unused (cleanup()). A
// test derives from it and keeps only the behaviour it checks:
//
//     void TestX::etwas() {
//         TFMain& w = starten();   // the built program, main window shown
//         ...
//     }
#pragma once

#include <QObject>

#include <memory>

#include "TestUmgebung.h"

namespace kv::test {

class Hauptfenstertest : public QObject {
    Q_OBJECT
  protected:
    TestUmgebung& welt() { return *welt_; }
    TestDialoge& dialoge() { return welt_->dialoge(); }
    // The program as programmAufbauen() builds it, its main window shown; a
    // second call closes the first (its closing sequence runs) and starts anew.
    kv::ui::TFMain& starten() { return welt_->starten(); }

  protected Q_SLOTS:
    // Qt Test runs them around every test function of the derived class; a
    // class with an init() or cleanup() of its own calls these first.
    void init();
    void cleanup();

  private:
    std::unique_ptr<TestUmgebung> welt_;
};

}  // namespace kv::test
