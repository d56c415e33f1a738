#include "ui/EmbeddedResources.h"

#include "data/EmbeddedTable.h"

namespace zorvane::ui {

std::optional<std::string_view> EmbeddedResources::Bytes(std::string_view type, int id) const {
    return data::EmbeddedBytes(type, id);
}

} // namespace zorvane::ui
