#include "complex_test/SoundIcon.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>

namespace brevane {

QPixmap drawnSoundIcon(bool withSound, int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    // The speaker: a box and its cone.
    QPainterPath speaker;
    speaker.moveTo(4, 12);
    speaker.lineTo(10, 12);
    speaker.lineTo(17, 5);
    speaker.lineTo(17, 27);
    speaker.lineTo(10, 20);
    speaker.lineTo(4, 20);
    speaker.closeSubpath();
    p.setPen(QPen(QColor(20, 20, 20), 1.5));
    p.setBrush(QColor(70, 70, 70));
    p.drawPath(speaker);

    p.setBrush(Qt::NoBrush);
    if (withSound) {
        p.setPen(QPen(QColor(0, 110, 0), 2.2, Qt::SolidLine, Qt::RoundCap));
        for (int wave = 0; wave < 3; ++wave) {
            const double r = 4.5 + wave * 4.0;
            p.drawArc(QRectF(17 - r, 16 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
        }
    } else {
        p.setPen(QPen(QColor(200, 0, 0), 3.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(21, 10), QPointF(29, 22));
        p.drawLine(QPointF(29, 10), QPointF(21, 22));
    }
    return pm;
}

QPixmap soundIcon(bool withSound, const QString& startDirectory, int size)
{
    const QString name = QString::fromLatin1(withSound ? "SOUNDS.ICO" : "NOSOUNDS.ICO");
    if (!startDirectory.isEmpty()) {
        // Name filters match regardless of case, so a sounds.ico copied from elsewhere is found.
        const QDir dir(startDirectory);
        for (const QString& file : dir.entryList({name}, QDir::Files)) {
            QPixmap picture(dir.filePath(file));
            if (!picture.isNull())
                return picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
    }
    return drawnSoundIcon(withSound, size);
}

} // namespace brevane
