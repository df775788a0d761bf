// A limit on the address space of the test process for the length of a
// scope: a reader that tries to hold a big file in memory fails within it.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QTest>

#include <sys/resource.h>

namespace kv::test {

// While it lives, the process may map only what it maps now and `mehr` bytes more.
class Adressraumgrenze {
  public:
    explicit Adressraumgrenze(rlim_t mehr) {
        ::getrlimit(RLIMIT_AS, &alt_);
        QFile status(QStringLiteral("/proc/self/status"));
        rlim_t belegt = 0;
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray& z : status.readAll().split('\n'))
                if (z.startsWith("VmSize:"))
                    belegt = z.mid(7).trimmed().split(' ').first().toULongLong() * 1024;
        rlimit neu = alt_;
        neu.rlim_cur = belegt + mehr;
        QVERIFY(belegt > 0 && ::setrlimit(RLIMIT_AS, &neu) == 0);
    }
    ~Adressraumgrenze() { ::setrlimit(RLIMIT_AS, &alt_); }
    Adressraumgrenze(const Adressraumgrenze&) = delete;
    Adressraumgrenze& operator=(const Adressraumgrenze&) = delete;

  private:
    rlimit alt_{};
};

}  // namespace kv::test
