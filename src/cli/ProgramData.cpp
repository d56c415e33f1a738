#include "cli/ProgramData.h"

#include "data/Cp1252Literal.h"
#include "data/StartupValues.h"

#include <filesystem>
#include <system_error>

namespace zorvane::cli {
namespace {

namespace fs = std::filesystem;

// The folder of an existing executable file, its links followed.
std::optional<std::string> FolderOf(const fs::path& program) {
    std::error_code error;
    const fs::path real = fs::canonical(program, error);
    if (error || !fs::is_regular_file(real, error)) {
        return std::nullopt;
    }
    return data::WithTrailingSeparator(real.parent_path().string(), '/');
}

// A name without "/" is looked up as the shell looks it up, but an empty or relative
// entry of the search path is skipped: that would be the current folder.
std::optional<std::string> FromSearchPath(std::string_view name, std::string_view path) {
    while (!path.empty()) {
        const std::size_t colon = path.find(':');
        const std::string_view folder = path.substr(0, colon);
        path.remove_prefix(colon == std::string_view::npos ? path.size() : colon + 1);
        if (folder.starts_with('/')) {
            if (auto found = FolderOf(fs::path(folder) / name)) {
                return found;
            }
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> ProgramFolder(std::string_view selfLink, std::string_view startedAs,
                                         std::string_view path) {
    std::error_code error;
    const fs::path self = fs::read_symlink(selfLink, error);
    if (!error && self.is_absolute()) {
        return data::WithTrailingSeparator(self.parent_path().string(), '/');
    }
    if (startedAs.empty()) {
        return std::nullopt;
    }
    if (startedAs.find('/') != std::string_view::npos) {
        return FolderOf(startedAs);
    }
    return FromSearchPath(startedAs, path);
}

std::string UnknownProgramFolderMessage() {
    return std::string("Le dossier du programme est introuvable (ni /proc, ni chemin de "
                       "lancement) : le fichier des définitions ne peut pas être cherché."_cp);
}

} // namespace zorvane::cli
