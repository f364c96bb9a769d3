#include "platform/input/PressStamp.h"

namespace brevane {

const char* pressSourceName(PressSource source)
{
    switch (source) {
    case PressSource::Kernel:
        return "kernel";
    case PressSource::Raw:
        return "raw";
    case PressSource::Server:
        return "server";
    case PressSource::Handler:
        break;
    }
    return "handler";
}

} // namespace brevane
