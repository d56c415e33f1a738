#pragma once
// Resource bytes from the table compiled into the executable.

#include "ui/Services.h"

namespace zorvane::ui {

class EmbeddedResources final : public ResourceSource {
public:
    std::optional<std::string_view> Bytes(std::string_view type, int id) const override;
};

} // namespace zorvane::ui
