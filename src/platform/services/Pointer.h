#pragma once
#include <QPoint>

namespace brevane {

class Pointer {
public:
    virtual ~Pointer() = default;
    virtual void moveTo(QPoint globalPixels) = 0;
    virtual void setBusy(bool busy) = 0; // hourglass during long steps, default shape after
};

} // namespace brevane
