#pragma once
#include "platform/services/Prompt.h"

namespace brevane {

// The Exit question; its text warns when collected data have not been saved to a file.
Message exitQuestion(bool dataNotSaved);

} // namespace brevane
