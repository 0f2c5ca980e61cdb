#pragma once
// Owners of FluidSynth's C handles. Members holding them are declared in the
// order the handles depend on each other, so they are released in reverse.

#include <fluidsynth.h>
#include <memory>

namespace tw {

template <auto Delete>
struct FluidDeleter {
    template <class Handle>
    void operator()(Handle* handle) const { Delete(handle); }
};

using FluidSettings = std::unique_ptr<fluid_settings_t, FluidDeleter<delete_fluid_settings>>;
using FluidSynth = std::unique_ptr<fluid_synth_t, FluidDeleter<delete_fluid_synth>>;
using FluidAudioDriver = std::unique_ptr<fluid_audio_driver_t, FluidDeleter<delete_fluid_audio_driver>>;

} // namespace tw
