#pragma once
// One running copy per user: an advisory lock (flock) held on a file in a folder only the
// user can enter, $XDG_RUNTIME_DIR or, without one, a folder of mode 0700 in the user's
// cache folder. Nothing is kept in a shared folder, so no other user can take or block the
// name; the lock ends with the process however it ends, so a file left by a killed copy
// is simply locked again.

#include "ui/Services.h"

#include <optional>
#include <string>

namespace zorvane::ui {

class LockFileInstance final : public SingleInstance {
public:
    // folder: where the lock file is kept; made (mode 0700) when missing.
    explicit LockFileInstance(std::string folder);
    ~LockFileInstance() override;
    LockFileInstance(const LockFileInstance&) = delete;
    LockFileInstance& operator=(const LockFileInstance&) = delete;

    InstanceClaim Claim() override;
    QString LockFolder() const override;

    // $XDG_RUNTIME_DIR when it is a folder of this user that no one else may enter,
    // otherwise the "zorvane" folder of the user's cache folder.
    static std::string DefaultFolder();

private:
    static std::string CacheFolder();
    InstanceClaim TryClaim();

    std::string folder_;
    int descriptor_ = -1;
    std::optional<InstanceClaim> claim_;
};

// Without a private runtime folder of the user's, Qt would make "runtime-" + the user's name
// in the shared temporary folder, a name anyone can take first: $XDG_RUNTIME_DIR is then set
// to the lock's own folder in the cache folder. Called before the application object exists.
void UsePrivateRuntimeFolder();

} // namespace zorvane::ui
