#pragma once
// The results windows' data files, each kind declared once: .nrm holds the simple test's ten
// set sections, .col a choice test's with their outcome counts (SetBlocks.h). Every window's
// Save and Load run the same commands:
//   Save  the save dialog until a name is accepted (an existing file is overwritten only after
//         a Yes), then the file replaced whole and atomically: a failed write leaves the file
//         that was there before.
//   Load  the open dialog, then the whole file read and decoded into a copy of the store half;
//         only a file that reads completely replaces it, so a failed load changes nothing.
// Cancel in a dialog ends the command without a message; any other failure shows the one
// message of its command ("Save File Error" / "Load File Error") with the system's reason.

#include "platform/FileChooser.h"
#include "platform/Prompt.h"
#include "shared/Stores.h"

#include <QString>
#include <functional>
#include <optional>

class QIODevice;

namespace brevane {

struct DataFileFormat {
    const char* filter;     // the dialog's "Description|*.ext"
    const char* presetName; // the dialog's preset name, a pattern
    const char* extension;  // given to a name typed without one
    bool counts;            // set sections with the four outcome counts
    int lines() const;
    FileDialogRequest dialog(const QString& title) const;
};

inline constexpr DataFileFormat kNrmFile{"Reflex Data Files (*.nrm)|*.nrm", "*.nrm", "nrm", false};
inline constexpr DataFileFormat kColFile{"Reflex Data Files (*.col)|*.col", "*.col", "col", true};

// The file's bytes from the store half; false when the device took less than all of them.
bool writeDataFile(QIODevice& out, const DataFileFormat& format, const StoreHalf& half);
// All or nothing: the store half changes only when the whole file reads.
bool readDataFile(QIODevice& in, const DataFileFormat& format, StoreHalf& half);

// True when a file (not a folder) of that name exists.
bool FileExists(const QString& path);

enum class FileCommand { Done, Cancelled, Failed };

// The question asked before an existing file is overwritten.
Message overwriteQuestion();

// Shows the save dialog until the user names a new file or agrees to overwrite an existing
// one; std::nullopt when the dialog was cancelled.
std::optional<QString> chooseSavePath(FileChooser& files, Prompt& prompt, const FileDialogRequest& dialog);

// Save's steps for any file the user names: chooseSavePath, then the file replaced atomically
// with what `write` puts on the device; a failed write shows "Save File Error" with the system's
// reason and leaves the file that was there.
FileCommand saveWithDialog(FileChooser& files, Prompt& prompt, const FileDialogRequest& dialog,
                           const std::function<bool(QIODevice&)>& write);

// The Save and Load commands, with the dialog titled `title`.
FileCommand saveDataFile(FileChooser& files, Prompt& prompt, const DataFileFormat& format, const QString& title,
                         const StoreHalf& half);
FileCommand loadDataFile(FileChooser& files, Prompt& prompt, const DataFileFormat& format, const QString& title,
                         StoreHalf& half);

} // namespace brevane
