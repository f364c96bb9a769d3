#include "app/SessionPlatform.h"

#include <QCoreApplication>

namespace brevane {

QString waylandLimits(const QString& platformName)
{
    if (!platformName.startsWith(QLatin1String("wayland")))
        return {};
    return QCoreApplication::translate("SessionPlatform",
                                       "On Wayland: no pointer placement, and presses are stamped by the toolkit "
                                       "event (XWayland gives both)");
}

bool inWaylandSession(const SessionEnvironment& environment)
{
    return !environment.waylandDisplay.isEmpty() || environment.sessionType == "wayland";
}

SessionPlatform chooseSessionPlatform(const SessionEnvironment& environment)
{
    const QByteArray& named =
        environment.platformArgument.isEmpty() ? environment.qpaPlatform : environment.platformArgument;
    if (!named.isEmpty()) {
        // The first plugin of a list such as "wayland;xcb" is the one Qt tries first.
        const QString chosen = QString::fromLocal8Bit(named).section(QLatin1Char(';'), 0, 0);
        const QString limits = waylandLimits(chosen);
        return {{}, limits.isEmpty() ? QString() : QStringLiteral("brevane: ") + limits};
    }
    if (!inWaylandSession(environment))
        return {};
    if (!environment.presentationFeedback && !environment.display.isEmpty())
        return {"xcb", QStringLiteral("brevane: ") +
                           QCoreApplication::translate("SessionPlatform", "Wayland session: running on X through "
                                                                          "XWayland, which places the pointer and "
                                                                          "reads raw input")};
    return {"wayland", QStringLiteral("brevane: ") + waylandLimits(QStringLiteral("wayland"))};
}

QByteArray platformArgument(const QStringList& arguments)
{
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i)
        if (arguments[i] == QLatin1String("-platform") || arguments[i] == QLatin1String("--platform"))
            return arguments[i + 1].toLocal8Bit();
    return {};
}

} // namespace brevane
