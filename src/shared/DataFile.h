#pragma once
// The results windows' data files, each kind declared once: .nrm holds the simple test's ten
// set sections, .col a choice test's with their outcome counts (SetBlocks.h). A format only
// turns a store half into bytes on a device and back; the Save and Load commands that ask for a
// name and tell what went wrong are in FileCommands.h.

#include "shared/Stores.h"

class QIODevice;

namespace brevane {

struct DataFileFormat {
    const char* filter;     // the file dialog's "Description|*.ext"
    const char* presetName; // the file dialog's preset name, a pattern
    const char* extension;  // given to a name typed without one
    bool counts;            // set sections with the four outcome counts
    int lines() const;
};

// The filters' descriptions are translated in the context "FileCommands".
inline constexpr DataFileFormat kNrmFile{QT_TRANSLATE_NOOP("FileCommands", "Reflex Data Files (*.nrm)|*.nrm"), "*.nrm",
                                         "nrm", false};
inline constexpr DataFileFormat kColFile{QT_TRANSLATE_NOOP("FileCommands", "Reflex Data Files (*.col)|*.col"), "*.col",
                                         "col", true};

// The file's bytes from the store half; false when the device took less than all of them.
bool writeDataFile(QIODevice& out, const DataFileFormat& format, const StoreHalf& half);
// All or nothing: the store half changes only when the whole file reads.
bool readDataFile(QIODevice& in, const DataFileFormat& format, StoreHalf& half);

} // namespace brevane
