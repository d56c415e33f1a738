#pragma once
// The browser of a Linux desktop: the program of the desktop entry that xdg-mime names as
// the default for the file's type.

#include "ui/Services.h"

namespace zorvane::ui {

class XdgHtmlBrowser final : public HtmlBrowser {
public:
    std::optional<QString> FindExecutable(const QString& file) override;
    bool OpenWith(const QString& program, const QString& address) override;
};

} // namespace zorvane::ui
