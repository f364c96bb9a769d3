#pragma once
// Which window system the program runs on in a Wayland session. main() reads the environment
// and, in a Wayland session, asks the compositor whether it offers presentation feedback, before
// QApplication is built; it asks chooseSessionPlatform, sets QT_QPA_PLATFORM to the choice and
// prints the notice once; the about box shows waylandLimits of the platform Qt ended up on.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace brevane {

struct SessionEnvironment {
    QByteArray waylandDisplay;         // WAYLAND_DISPLAY
    QByteArray sessionType;            // XDG_SESSION_TYPE
    QByteArray display;                // DISPLAY: an X server, XWayland in a Wayland session
    QByteArray qpaPlatform;            // QT_QPA_PLATFORM as the user set it
    QByteArray platformArgument;       // the name after -platform on the command line
    bool presentationFeedback = false; // the Wayland compositor offers wp_presentation
};

// WAYLAND_DISPLAY or XDG_SESSION_TYPE say the desktop runs Wayland.
bool inWaylandSession(const SessionEnvironment& environment);

struct SessionPlatform {
    QByteArray qpaPlatform; // what QT_QPA_PLATFORM must be set to; empty: leave Qt's own choice
    QString notice;         // one line for standard error; empty: nothing to say
};

// In a Wayland session whose compositor offers presentation feedback, Wayland: the compositor
// then says when each stimulus turned visible, which counts for more than the pointer placement
// and raw presses XWayland would give (XWayland only simulates the display's refresh, so its
// frame times are guesses). Without the feedback, X through XWayland where it runs; Wayland
// otherwise. Either Wayland choice comes with a notice of what is lost. A platform the user chose
// (-platform or QT_QPA_PLATFORM) stands.
SessionPlatform chooseSessionPlatform(const SessionEnvironment& environment);

// What the program cannot do on `platformName` (Qt's platform plugin name), in one line; empty
// where nothing is lost.
QString waylandLimits(const QString& platformName);

// The platform `arguments` (argv) name after -platform or --platform, as Qt reads them; empty
// when they name none.
QByteArray platformArgument(const QStringList& arguments);

} // namespace brevane
