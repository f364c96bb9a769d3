#include "platform/audio/alsa/AlsaMixer.h"
#include "platform/audio/alsa/AlsaErrors.h"

#include <alsa/asoundlib.h>

#include <array>
#include <cstring>

namespace brevane {

namespace {

// Output controls in the order they stand in for the master volume.
constexpr std::array<const char*, 5> kPreferred{"Master", "Speaker", "PCM", "Headphone", "Front"};

snd_mixer_elem_t* findVolumeControl(snd_mixer_t* handle)
{
    snd_mixer_elem_t* best = nullptr;
    std::size_t bestRank = kPreferred.size() + 1;
    for (snd_mixer_elem_t* e = snd_mixer_first_elem(handle); e; e = snd_mixer_elem_next(e)) {
        if (!snd_mixer_selem_is_active(e) || !snd_mixer_selem_has_playback_volume(e))
            continue;
        std::size_t rank = kPreferred.size();
        for (std::size_t i = 0; i < kPreferred.size(); ++i)
            if (std::strcmp(snd_mixer_selem_get_name(e), kPreferred[i]) == 0)
                rank = i;
        if (rank < bestRank) {
            best = e;
            bestRank = rank;
        }
    }
    return best;
}

} // namespace

AlsaMixer::AlsaMixer(QByteArray card)
    : card_(std::move(card))
{
}

AlsaMixer::~AlsaMixer()
{
    close();
}

std::optional<VolumeRange> AlsaMixer::open()
{
    close();
    silenceAlsaErrors();
    if (snd_mixer_open(&handle_, 0) < 0) {
        handle_ = nullptr;
        return std::nullopt;
    }
    if (snd_mixer_attach(handle_, card_.constData()) < 0 || snd_mixer_selem_register(handle_, nullptr, nullptr) < 0 ||
        snd_mixer_load(handle_) < 0) {
        close();
        return std::nullopt;
    }
    element_ = findVolumeControl(handle_);
    VolumeRange range;
    if (!element_ || snd_mixer_selem_get_playback_volume_range(element_, &range.min, &range.max) < 0 ||
        range.max <= range.min) {
        close();
        return std::nullopt;
    }
    return range;
}

bool AlsaMixer::setVolume(long value)
{
    return element_ && snd_mixer_selem_set_playback_volume_all(element_, value) >= 0;
}

void AlsaMixer::close()
{
    if (handle_)
        snd_mixer_close(handle_);
    handle_ = nullptr;
    element_ = nullptr;
}

} // namespace brevane
