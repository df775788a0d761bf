// Makes a folder unwritable for the user running the tests, as an
// installation under /usr is for a normal user. A mode of 0555 is enough for
// a normal user; root may write anywhere, so for root the folder also gets the
// immutable attribute, which binds root as well (ext4 has it; setting it needs
// the capability CAP_LINUX_IMMUTABLE). Where that is refused, ok() is false
// and fehler() says why: a test then fails rather than skipping.
#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace kv::test {

inline bool unveraenderlich(const std::string& ordner, bool an) {
    const int fd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = an ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

class Schreibschutz {
  public:
    explicit Schreibschutz(std::string ordner) : ordner_(std::move(ordner)) {
        ok_ = ::chmod(ordner_.c_str(), 0555) == 0;
        if (!ok_) fehler_ = "chmod 0555 " + ordner_ + ": " + std::strerror(errno);
        if (ok_ && ::geteuid() == 0) {
            ok_ = immutable_ = unveraenderlich(ordner_, true);
            if (!ok_)
                fehler_ = "chattr +i " + ordner_ + ": " + std::strerror(errno) +
                          " (root needs an immutable folder here: ext4 and CAP_LINUX_IMMUTABLE)";
        }
        if (ok_ && ::access(ordner_.c_str(), W_OK) == 0) {
            ok_ = false;
            fehler_ = ordner_ + " is still writable";
        }
    }
    ~Schreibschutz() {
        if (immutable_) unveraenderlich(ordner_, false);
        ::chmod(ordner_.c_str(), 0755);
    }
    Schreibschutz(const Schreibschutz&) = delete;
    Schreibschutz& operator=(const Schreibschutz&) = delete;
    // False when the folder could not be protected here.
    bool ok() const { return ok_; }
    const std::string& fehler() const { return fehler_; }

  private:
    std::string ordner_;
    bool ok_ = false;
    bool immutable_ = false;
    std::string fehler_;
};

}  // namespace kv::test
