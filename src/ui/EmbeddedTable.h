#pragma once
// The resources compiled into the executable (table generated at build time).

namespace zorvane::ui {

struct EmbeddedResource {
    const char* type;
    int id;
    const char* begin;
    const char* end;
};

// Ends with a row whose type is null.
extern const EmbeddedResource kEmbeddedResources[];

} // namespace zorvane::ui
