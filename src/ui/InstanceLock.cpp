#include "ui/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvane::ui {
namespace {

constexpr char kLockName[] = "zorvane.lock";
constexpr mode_t kOthersBits = S_IRWXG | S_IRWXO;

// A folder (not a link to one) that this user owns and no one else may enter.
bool IsPrivateFolder(const struct stat& status) {
    return S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() &&
           (status.st_mode & kOthersBits) == 0;
}

// The folder opened when it is private; made first, with its parents, when missing.
int OpenPrivateFolder(const std::string& folder) {
    if (folder.empty() || folder.front() != '/') {
        return -1;
    }
    if (::mkdir(folder.c_str(), 0700) != 0 && errno == ENOENT) {
        QDir().mkpath(QFileInfo(QFile::decodeName(folder.c_str())).absolutePath());
        ::mkdir(folder.c_str(), 0700);
    }
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat status {};
    if (descriptor < 0) {
        return -1;
    }
    const bool known = ::fstat(descriptor, &status) == 0;
    // Our own folder made open to others (by hand, by an older copy) is closed again.
    if (known && status.st_uid == ::geteuid() && (status.st_mode & kOthersBits) != 0 &&
        ::fchmod(descriptor, 0700) == 0) {
        status.st_mode &= ~kOthersBits;
    }
    if (!known || !IsPrivateFolder(status)) {
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

// $XDG_RUNTIME_DIR when it names a folder of this user that no one else may enter.
std::optional<std::string> PrivateRuntimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat status {};
    if (runtime != nullptr && runtime[0] == '/' && ::lstat(runtime, &status) == 0 &&
        IsPrivateFolder(status)) {
        return runtime;
    }
    return std::nullopt;
}

} // namespace

LockFileInstance::LockFileInstance(std::string folder) : folder_(std::move(folder)) {}

LockFileInstance::~LockFileInstance() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

InstanceClaim LockFileInstance::Claim() {
    if (!claim_) {
        claim_ = TryClaim();
    }
    return *claim_;
}

QString LockFileInstance::LockFolder() const {
    return QFile::decodeName(folder_.c_str());
}

InstanceClaim LockFileInstance::TryClaim() {
    const int folder = OpenPrivateFolder(folder_);
    if (folder < 0) {
        return InstanceClaim::LockUnavailable;
    }
    // Opened, or created, only as a plain file of this user: a link is never followed.
    const int lock =
        ::openat(folder, kLockName, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
    ::close(folder);
    struct stat status {};
    if (lock < 0 || ::fstat(lock, &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_uid != ::geteuid()) {
        if (lock >= 0) {
            ::close(lock);
        }
        return InstanceClaim::LockUnavailable;
    }
    if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(lock);
        return held ? InstanceClaim::OtherCopyRunning : InstanceClaim::LockUnavailable;
    }
    // The process id is for whoever looks; the lock itself is what counts.
    const std::string id = std::to_string(::getpid()) + "\n";
    if (::ftruncate(lock, 0) == 0) {
        static_cast<void>(::pwrite(lock, id.data(), id.size(), 0));
    }
    descriptor_ = lock;
    return InstanceClaim::Claimed;
}

std::string LockFileInstance::CacheFolder() {
    return QFile::encodeName(
               QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
               QStringLiteral("/zorvane"))
        .toStdString();
}

std::string LockFileInstance::DefaultFolder() {
    return PrivateRuntimeFolder().value_or(CacheFolder());
}

void UsePrivateRuntimeFolder() {
    if (PrivateRuntimeFolder()) {
        return;
    }
    const std::string folder = LockFileInstance::DefaultFolder();
    const int opened = OpenPrivateFolder(folder);
    if (opened >= 0) {
        ::close(opened);
        ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    }
}

} // namespace zorvane::ui
