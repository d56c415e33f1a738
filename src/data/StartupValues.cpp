#include "data/StartupValues.h"

namespace zorvane::data {

std::string WithTrailingSeparator(std::string folder, char separator) {
    if (folder.empty() || folder.back() != separator) {
        folder.push_back(separator);
    }
    return folder;
}

std::string DefinitionsPath(std::string_view cheminAppli, std::string_view version) {
    return std::string(cheminAppli) + "definitions" + std::string(version) + ".ret";
}

} // namespace zorvane::data
