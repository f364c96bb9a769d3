#pragma once
// The commands that save and load the results windows' files: a file dialog, the question
// before an existing file is overwritten, the atomic save, the message of a failure. The
// formats they run (DataFile.h, ResultsCsv.h) know nothing of these.
//   Save    the save dialog until a name is accepted (an existing file is overwritten only after
//           a Yes), then the file replaced whole and atomically: a failed write leaves the file
//           that was there before. A saved data file is then handed in (platform/services/HandIn.h).
//   Load    the open dialog, then the whole file read and decoded into a copy of the store half;
//           only a file that reads completely replaces it, so a failed load changes nothing.
//   Export  as Save, for CSV; an export is not handed in.
// Cancel in a dialog ends the command without a message; any other failure shows the one
// message of its command ("Save File Error" / "Load File Error") with the system's reason.

#include "platform/services/FileChooser.h"
#include "platform/services/HandIn.h"
#include "platform/services/Prompt.h"
#include "shared/DataFile.h"

#include <QString>
#include <functional>
#include <optional>

class QIODevice;

namespace brevane {

// True when a file (not a folder) of that name exists.
bool FileExists(const QString& path);

enum class FileCommand { Done, Cancelled, Failed };

// The question asked before an existing file is overwritten.
Message overwriteQuestion();

// The file dialog of a data file format, titled `title`; it opens in the current folder.
FileDialogRequest dataFileDialog(const DataFileFormat& format, const QString& title);

// Shows the save dialog until the user names a new file or agrees to overwrite an existing
// one; std::nullopt when the dialog was cancelled.
std::optional<QString> chooseSavePath(FileChooser& files, Prompt& prompt, const FileDialogRequest& dialog);

// Save's steps for any file the user names: chooseSavePath, then the file replaced atomically
// with what `write` puts on the device; a failed write shows "Save File Error" with the system's
// reason and leaves the file that was there. A saved file goes on to `handIn` when one is given.
FileCommand saveWithDialog(FileChooser& files, Prompt& prompt, const FileDialogRequest& dialog,
                           const std::function<bool(QIODevice&)>& write, HandIn* handIn = nullptr);

// The Save and Load commands, with the dialog titled `title`.
FileCommand saveDataFile(FileChooser& files, Prompt& prompt, HandIn& handIn, const DataFileFormat& format,
                         const QString& title, const StoreHalf& half);
FileCommand loadDataFile(FileChooser& files, Prompt& prompt, const DataFileFormat& format, const QString& title,
                         StoreHalf& half);

// The Export command: the save dialog ("CSV Files (*.csv)") until a name is accepted, then the
// file replaced atomically; a failed write is told as Save's is.
FileCommand exportResultsCsv(FileChooser& files, Prompt& prompt, const QString& test, const StoreHalf& half);

} // namespace brevane
