#include "communes/CommuneLinks.h"

#include "data/Cp1252Case.h"
#include "data/TextHelpers.h"

namespace zorvane::communes {

std::string MapDirectionsUrl(std::string_view latitude, std::string_view longitude) {
    return "https://" + std::string(kMapHost) + "/maps/dir//%20%20+%20%20" + std::string(latitude) +
           "%20%20+%20%20,%20%20" + std::string(longitude);
}

std::string TownHallUrl(std::string_view name, std::string_view department) {
    const std::string small = data::ToLowerCp1252(name);
    const std::string path =
        data::ChangeEspaceTiret(data::SubAccents(small, small.size()), " ", "-");
    return "http://" + std::string(kTownHallHost) + "/" + std::string(department.substr(0, 2)) +
           "/" + path;
}

} // namespace zorvane::communes
