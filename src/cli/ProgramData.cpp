#include "cli/ProgramData.h"

#include "data/StartupValues.h"

#include <filesystem>
#include <system_error>

namespace zorvane::cli {

std::string ProgramFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return "./";
    }
    return data::WithTrailingSeparator(self.parent_path().string(), '/');
}

} // namespace zorvane::cli
