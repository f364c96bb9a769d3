#pragma once
#include "platform/audio/Mixer.h"

#include <QByteArray>

typedef struct _snd_mixer snd_mixer_t;
typedef struct _snd_mixer_elem snd_mixer_elem_t;

namespace brevane {

// The playback volume of an ALSA card through its simple mixer elements: "Master" when the
// card has it, otherwise the first of the usual output controls it has, otherwise any
// playback volume control.
class AlsaMixer final : public Mixer {
public:
    explicit AlsaMixer(QByteArray card = "default");
    ~AlsaMixer() override;
    AlsaMixer(const AlsaMixer&) = delete;
    AlsaMixer& operator=(const AlsaMixer&) = delete;

    std::optional<VolumeRange> open() override;
    bool setVolume(long value) override;
    void close() override;

private:
    QByteArray card_;
    snd_mixer_t* handle_ = nullptr;
    snd_mixer_elem_t* element_ = nullptr;
};

} // namespace brevane
