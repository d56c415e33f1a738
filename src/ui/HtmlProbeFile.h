#pragma once
// A one-line ".HTM" file whose type names the browser, for as long as the object lives. It
// sits in a folder of its own with an unpredictable name, made for it in the temporary
// folder and open to this user only, so that no one else can put a link in its place or
// read it; folder and file are removed with the object.

#include <QString>

namespace zorvane::ui {

class HtmlProbeFile {
public:
    HtmlProbeFile();
    ~HtmlProbeFile();
    HtmlProbeFile(const HtmlProbeFile&) = delete;
    HtmlProbeFile& operator=(const HtmlProbeFile&) = delete;

    // The file's path; one that does not exist when the folder or the file could not be
    // made (the browser is then not found).
    const QString& Path() const { return path_; }

private:
    QByteArray folder_; // empty when it could not be made
    QString path_;
};

} // namespace zorvane::ui
