#pragma once
// A one-line ".HTM" file whose type names the browser, written in the temporary folder for
// as long as the object lives.

#include <QString>

namespace zorvane::ui {

class HtmlProbeFile {
public:
    HtmlProbeFile();
    ~HtmlProbeFile();
    HtmlProbeFile(const HtmlProbeFile&) = delete;
    HtmlProbeFile& operator=(const HtmlProbeFile&) = delete;

    const QString& Path() const { return path_; }

private:
    QString path_;
};

} // namespace zorvane::ui
