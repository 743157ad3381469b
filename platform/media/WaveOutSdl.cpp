// Sound out through SDL's audio subsystem (nothing else of SDL is started).
#include "WaveOut.h"

#include <SDL.h>

#include <cstring>
#include <mutex>

namespace {

bool audioReady() {
    static std::once_flag once;
    static bool ok = false;
    std::call_once(once, [] {
        SDL_SetMainReady();
        // SDL would turn SIGINT and SIGTERM into its own quit events, which nothing here reads:
        // the program would no longer stop when told to.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        ok = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    });
    return ok;
}

SDL_AudioFormat sdlFormat(const WAVEFORMATEX& f) {
    if (f.wFormatTag == WAVE_FORMAT_IEEE_FLOAT) return AUDIO_F32LSB;
    switch (f.wBitsPerSample) {
    case 8:
        return AUDIO_U8;
    case 16:
        return AUDIO_S16LSB;
    default:
        return AUDIO_S32LSB;
    }
}

class TSdlWaveOut : public TWaveOut {
public:
    TSdlWaveOut(const WAVEFORMATEX& f, TWaveDone done) : TWaveOut(f, std::move(done)) {}
    ~TSdlWaveOut() override { CloseNow(); }

    bool Start() {
        SDL_AudioSpec want{};
        want.freq = int(Format().nSamplesPerSec);
        want.format = sdlFormat(Format());
        want.channels = std::uint8_t(Format().nChannels);
        want.samples = 1024;
        want.callback = &TSdlWaveOut::fill;
        want.userdata = this;
        SDL_AudioSpec have{};
        // No changes allowed: SDL converts to whatever the hardware takes, so the buffers are
        // played exactly as written.
        dev_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (dev_ == 0) return false;
        silence_ = have.silence;
        SDL_PauseAudioDevice(dev_, 0);
        return true;
    }

protected:
    void Shutdown() override {
        if (dev_) {
            SDL_CloseAudioDevice(dev_); // waits for a running callback
            dev_ = 0;
        }
    }

private:
    static void fill(void* user, Uint8* stream, int len) {
        auto* self = static_cast<TSdlWaveOut*>(user);
        std::size_t got = self->Pull(stream, std::size_t(len));
        if (got < std::size_t(len)) std::memset(stream + got, self->silence_, std::size_t(len) - got);
    }

    SDL_AudioDeviceID dev_ = 0;
    std::uint8_t silence_ = 0;
};

} // namespace

MMRESULT OpenSdlWaveOut(std::unique_ptr<TWaveOut>& out, const WAVEFORMATEX& format, TWaveDone done) {
    out.reset();
    if (!IsPlayableFormat(format)) return WAVERR_BADFORMAT;
    if (!audioReady()) return MMSYSERR_NODRIVER;
    auto dev = std::make_unique<TSdlWaveOut>(format, std::move(done));
    if (!dev->Start()) return MMSYSERR_NODRIVER;
    out = std::move(dev);
    return MMSYSERR_NOERROR;
}
