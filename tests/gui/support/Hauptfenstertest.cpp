#include "Hauptfenstertest.h"

namespace kv::test {

void Hauptfenstertest::init() {
    welt_ = std::make_unique<TestUmgebung>();
}

void Hauptfenstertest::cleanup() {
    if (!welt_) return;
    welt_->dialoge().pruefen();
    welt_.reset();
}

}  // namespace kv::test
