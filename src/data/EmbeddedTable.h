#pragma once
// The resources compiled into the executable (table generated at build time).

#include <optional>
#include <string_view>

namespace zorvane::data {

struct EmbeddedResource {
    const char* type;
    int id;
    const char* begin;
    const char* end;
};

// Ends with a row whose type is null.
extern const EmbeddedResource kEmbeddedResources[];

// The bytes of resource type/id in the table; inline, so that only the programs that call it
// need the table at link time.
inline std::optional<std::string_view> EmbeddedBytes(std::string_view type, int id) {
    for (const EmbeddedResource* row = kEmbeddedResources; row->type != nullptr; ++row) {
        if (row->id == id && type == row->type) {
            return std::string_view(row->begin, static_cast<std::size_t>(row->end - row->begin));
        }
    }
    return std::nullopt;
}

} // namespace zorvane::data
