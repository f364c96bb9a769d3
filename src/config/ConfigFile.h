#pragma once
// The configuration file: a header line, then one 16-bit integer per line, lines ended by
// CR LF. Two layouts share the header:
//   Full  (49 lines): header and all 48 fields, the three run counts included; written as
//                     the default file Reflex.cfg and read at start-up.
//   Short (46 lines): the same without the three run counts; written and read by the
//                     settings dialog's Save and Load.
// Readers count the lines of the whole file before taking any value, so a file of one layout
// is never read as the other. Trailing blank lines do not count, and a last line without a
// line end does. A byte-order mark that an editor put before the header is skipped.

#include "shared/ReflexConfig.h"

#include <QByteArray>
#include <QDir>
#include <QIODevice>

namespace brevane {

// The header as compared; the file holds it between two double-quote characters.
inline constexpr char kConfigFileHeader[] = "TOVANEL V1.00 Configuration file";
// The default file, one name for reading, deleting and creating it.
inline constexpr char kDefaultConfigFileName[] = "Reflex.cfg";
// A refused default file is kept under this name before a new default file replaces it.
inline constexpr char kRefusedConfigFileName[] = "Reflex.cfg.bad";

inline constexpr int kFullLayoutLines = 49;
inline constexpr int kShortLayoutLines = 46;

enum class ConfigLayout { Full, Short };

enum class ConfigReadResult {
    Ok,
    Invalid,  // the first line is not the header, or the line count fits neither layout;
              // no value was taken
    BadValue, // (dialog reader only) a value is not a 16-bit integer; the values before it
              // were taken
};

// Writes the header and the values of `layout`. False when the device refused a write.
bool writeConfig(QIODevice& device, const ReflexConfig& config, ConfigLayout layout);

// True when `line` (line end and one pair of surrounding double quotes removed) is exactly
// the header, letter case and blanks included.
bool isConfigHeader(QByteArray line);

// The start-up reader. A full file gives all 48 values; a short file gives its 45 values and
// sets the three run counts to their defaults. A value that is not a 16-bit integer is
// skipped, leaving its field as it was, and reading goes on. Ok or Invalid.
ConfigReadResult readStartupConfig(QIODevice& device, ReflexConfig& into);

// The settings dialog's reader. A short file gives its 45 values; a full file gives the same
// 45 values, its run counts are ignored. The run counts of `into` never change. Reading stops
// at the first value that is not a 16-bit integer (BadValue), keeping the values before it.
ConfigReadResult readDialogConfig(QIODevice& device, ReflexConfig& into);

// Sets `config` to the built-in defaults (entries 10 of the element arrays kept), then
// replaces dir/Reflex.cfg atomically with the full layout. False when the file could not be
// written (an older file then stays as it was); `config` holds the defaults either way.
bool writeDefaultConfiguration(ReflexConfig& config, const QDir& dir);

} // namespace brevane
