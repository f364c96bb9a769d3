#pragma once
#include <QPixmap>
#include <QString>

namespace brevane {

// The picture beside the trigger: SOUNDS.ICO (the trigger comes with the tone) or NOSOUNDS.ICO
// (it comes without) from the start directory when such a file is there and readable, else the
// program's own drawing of a speaker with sound waves, or struck through.
QPixmap soundIcon(bool withSound, const QString& startDirectory, int size);

// The program's own two pictures.
QPixmap drawnSoundIcon(bool withSound, int size);

} // namespace brevane
