#pragma once
#include <QString>
#include <optional>

namespace brevane {

struct FileDialogRequest {
    QString title;
    QString filter;   // "Description|*.ext" pairs separated by '|', as the forms were designed
    QString fileName; // preset name
    QString initialDir;
    QString defaultExt;                      // without the dot
    bool dialogAsksBeforeOverwriting = true; // false where the caller asks itself (FileExists)
};

// std::nullopt is the cancel outcome: every caller ends its command quietly on it.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;
};

} // namespace brevane
