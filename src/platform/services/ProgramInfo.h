#pragma once
#include <QString>
#include <QStringList>

namespace brevane {

struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;

    static ProgramVersion current();
    // "Version 2.00": minor and revision written together, as on the test windows
    QString compact() const;
    // "2.0.0", as on the main menu and the about box
    QString dotted() const;
};

// The whole argument string after the program name, arguments joined by one blank.
QString commandLineString(const QStringList& arguments);

} // namespace brevane
