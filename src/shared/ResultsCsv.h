#pragma once
// A results window's sets as CSV, for a spreadsheet or a statistics package. Data flows from a
// store half to a device, one row per stored run (runs 1..10 that hold a time), sets in order:
//   test,set,run,rt_ms,outcome,comment
// rt_ms is the stored time in whole milliseconds; outcome is "correct hit" or "missed hit" (a
// stored 1.000 s, as many as the set's missed hits) in the choice tests and empty in the simple
// test; comment is the set's comment,
// on each of its rows. RFC 4180: comma-separated, CR LF after every record, a field holding a
// comma, a double quote or a line break written between double quotes with its quotes doubled;
// UTF-8 without a byte-order mark (a mark would become part of the first header name in most
// readers). Every number is an integer, so no locale can change its decimal sign. A text field
// that a spreadsheet would run as a formula (one starting with =, +, -, @, a tab or a CR) starts
// with a single quote, as spreadsheets write such text themselves; numbers stay numbers.
// The Export command (FileCommands.h) runs the save dialog and the atomic save around it; the
// class summary tool writes its tables with the same fields and records.

#include "shared/Stores.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

namespace brevane {

inline constexpr const char* kCsvFilter = QT_TRANSLATE_NOOP("FileCommands", "CSV Files (*.csv)|*.csv");

// A stored time in seconds as whole milliseconds.
int wholeMilliseconds(float seconds);
// A choice test stores a trigger that was let pass as 1.000 s. A press timed at 1000 ms is stored
// the same way; only the set's count of missed hits tells them apart. Going through a set's runs
// in order with `missedLeft` starting at that count, true for the 1.000 s runs it covers.
bool takeMissedHit(float seconds, int& missedLeft);

// One field, quoted where RFC 4180 needs it and kept from running as a formula; one record with
// its CR LF.
QString csvField(const QString& value);
QByteArray csvRecord(const QStringList& fields);

// `test` is what the rows say in their first column: "simple", "colour" or "number". The outcome
// column is filled when the half has counts (a choice test). False when the device took less than
// every byte.
bool writeResultsCsv(QIODevice& out, const QString& test, const StoreHalf& half);

} // namespace brevane
