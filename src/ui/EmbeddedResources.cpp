#include "ui/EmbeddedResources.h"

#include "ui/EmbeddedTable.h"

namespace zorvane::ui {

std::optional<std::string_view> EmbeddedResources::Bytes(std::string_view type, int id) const {
    for (const EmbeddedResource* row = kEmbeddedResources; row->type != nullptr; ++row) {
        if (row->id == id && type == row->type) {
            return std::string_view(row->begin, static_cast<std::size_t>(row->end - row->begin));
        }
    }
    return std::nullopt;
}

} // namespace zorvane::ui
