#pragma once
// Save and Load of the results windows' data files (.nrm, .col), the same for every window:
//   Save  the save dialog until a name is accepted (an existing file is overwritten only after
//         a Yes), then the file replaced whole and atomically: a failed write leaves the file
//         that was there before.
//   Load  the open dialog, then the whole file read and decoded into a copy of the store; only
//         a file that reads completely replaces the store, so a failed load changes nothing.
// Cancel in a dialog ends the command without a message; any other failure shows the one
// message of its command ("Save File Error" / "Load File Error").

#include "platform/FileChooser.h"
#include "platform/Prompt.h"

#include <QString>
#include <functional>

namespace reflex {

class ValueReader;
class ValueWriter;

// True when a file (not a folder) of that name exists.
bool FileExists(const QString& path);

enum class FileCommand { Done, Cancelled, Failed };

// The question asked before an existing file is overwritten.
Message overwriteQuestion();

// Shows the save dialog until the user names a new file or agrees to overwrite an existing
// one; std::nullopt when the dialog was cancelled.
std::optional<QString> chooseSavePath(FileChooser& files, Prompt& prompt,
                                      const FileDialogRequest& dialog);

FileCommand saveDataFile(FileChooser& files, Prompt& prompt, const FileDialogRequest& dialog,
                         const std::function<bool(ValueWriter&)>& write);

// `read` decodes the whole file; it returns false at the first missing or unreadable value.
FileCommand readDataFile(FileChooser& files, Prompt& prompt, const FileDialogRequest& dialog,
                         const std::function<bool(ValueReader&)>& read);

// Load into `store` through a copy: `read(reader, copy)` is one of the SetBlocks readers.
template <typename Store, typename Read>
FileCommand loadDataFile(FileChooser& files, Prompt& prompt, const FileDialogRequest& dialog,
                         Store& store, Read read)
{
    Store copy = store; // runs 11..20 are in no file and stay as they are
    const FileCommand result = readDataFile(
        files, prompt, dialog, [&copy, &read](ValueReader& in) { return read(in, copy); });
    if (result == FileCommand::Done)
        store = std::move(copy);
    return result;
}

} // namespace reflex
