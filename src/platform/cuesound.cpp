#include "cuesound.h"

#include <cmath>
#include <numbers>

CueSound::~CueSound() = default;

void CueSound::cue(const SoundLevels &levels)
{
    if (!m_on || levels.muted || levels.effects <= 0)
        return;
    play(qBound(0, levels.effects, 100) / 100.0);
}

namespace {

void put(QByteArray &bytes, quint32 value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

} // namespace

QByteArray CueSound::wave()
{
    constexpr int rate = 22050;
    constexpr double seconds = 0.12;
    const int samples = int(std::lround(seconds * rate));
    QByteArray pcm;
    pcm.reserve(samples * 2);
    // A drop on the water: a tone falling from 1320 Hz to 880 Hz, struck
    // quickly and dying away, with its octave faintly above it.
    double phase = 0;
    for (int i = 0; i < samples; ++i) {
        const double t = double(i) / rate;
        const double freq = 880.0 + 440.0 * std::exp(-t / 0.025);
        phase += 2 * std::numbers::pi * freq / rate;
        const double attack = std::min(1.0, t / 0.004);
        const double decay = std::exp(-t / 0.035);
        const double fadeOut = std::min(1.0, (seconds - t) / 0.01);
        const double v = 0.6 * attack * decay * fadeOut * (std::sin(phase) + 0.2 * std::sin(2 * phase)) / 1.2;
        put(pcm, quint32(quint16(qint16(std::lround(v * 32767)))), 2);
    }
    QByteArray wav("RIFF");
    put(wav, quint32(36 + pcm.size()), 4);
    wav.append("WAVEfmt ");
    put(wav, 16, 4);     // the format chunk's size
    put(wav, 1, 2);      // PCM
    put(wav, 1, 2);      // mono
    put(wav, rate, 4);
    put(wav, rate * 2, 4); // bytes a second
    put(wav, 2, 2);      // bytes a frame
    put(wav, 16, 2);     // bits a sample
    wav.append("data");
    put(wav, quint32(pcm.size()), 4);
    wav.append(pcm);
    return wav;
}
