#include "cli/ProgramData.h"

#include "app/StartupValues.h"
#include "ui/EmbeddedTable.h"

#include <filesystem>
#include <system_error>

namespace zorvane::cli {

std::optional<std::string_view> EmbeddedBytes(std::string_view type, int id) {
    for (const ui::EmbeddedResource* row = ui::kEmbeddedResources; row->type != nullptr; ++row) {
        if (row->id == id && type == row->type) {
            return std::string_view(row->begin, static_cast<std::size_t>(row->end - row->begin));
        }
    }
    return std::nullopt;
}

std::string ProgramFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return "./";
    }
    return app::WithTrailingSeparator(self.parent_path().string(), '/');
}

} // namespace zorvane::cli
