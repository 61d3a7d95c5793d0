// Synthesises the game's four wave sounds at build time, so that no recorded
// audio has to live in the repository.
//
//   namiyose_wavesynth <output-directory>
//
// Writes スタート.wav (background tune), チヌ30.wav (fanfare for a big chinu),
// あたり.wav (reel and line during a fight) and ばらし.wav (the fish got away)
// as 16-bit PCM mono. The output is the same byte for byte on every run: all
// noise comes from a fixed-seed generator.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Partials above this are dropped, so high notes do not fold back as whistles.
constexpr double kPartialLimit = 0.45 * kRate;
// -3 dBFS: loud enough beside other programs, with headroom for the player's resampler.
constexpr double kPeak = 0.7079;

using Signal = std::vector<double>;

std::ptrdiff_t toSamples(double seconds)
{
    return static_cast<std::ptrdiff_t>(std::lround(seconds * kRate));
}

double midiToHz(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

// ---------------------------------------------------------------------------
// Building blocks

// splitmix64 with a fixed seed: the same "random" surf and clicks on every build.
class Noise {
public:
    explicit Noise(std::uint64_t seed) : state_(seed) {}

    // Uniform in [-1, 1).
    double next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
        z ^= z >> 31U;
        return static_cast<double>(z >> 11U) * (2.0 / 9007199254740992.0) - 1.0;
    }

private:
    std::uint64_t state_;
};

// Topology-preserving state-variable filter: stays stable while the cutoff
// sweeps, which the surf and the "lost it" wah both do on every sample.
class Svf {
public:
    struct Out {
        double low;
        double band;
        double high;
    };

    Out process(double x, double cutoffHz, double q)
    {
        const double g = std::tan(std::numbers::pi * std::min(cutoffHz, 0.45 * kRate) / kRate);
        const double k = 1.0 / q;
        const double a1 = 1.0 / (1.0 + g * (g + k));
        const double a2 = g * a1;
        const double a3 = g * a2;
        const double v3 = x - ic2_;
        const double v1 = a1 * ic1_ + a2 * v3;
        const double v2 = ic2_ + a2 * ic1_ + a3 * v3;
        ic1_ = 2.0 * v1 - ic1_;
        ic2_ = 2.0 * v2 - ic2_;
        return {v2, v1, x - k * v1 - v2};
    }

private:
    double ic1_ = 0.0;
    double ic2_ = 0.0;
};

struct Adsr {
    double attack;
    double decay;
    double sustain;
    double release;
};

// Level of a note held for `gate` seconds, `t` seconds after it started.
double adsr(const Adsr& e, double t, double gate)
{
    const auto held = [&e](double u) {
        if (u < e.attack)
            return u / e.attack;
        u -= e.attack;
        if (u < e.decay)
            return 1.0 - (1.0 - e.sustain) * (u / e.decay);
        return e.sustain;
    };
    if (t < 0.0)
        return 0.0;
    if (t < gate)
        return held(t);
    const double r = t - gate;
    return r >= e.release ? 0.0 : held(gate) * (1.0 - r / e.release);
}

// A struck or plucked sound: a click-free onset, then a free decay.
double strike(double t, double attack, double decayTime)
{
    return std::min(1.0, t / attack) * std::exp(-t / decayTime);
}

double sinePartial(double freq, double t)
{
    return freq < kPartialLimit ? std::sin(kTwoPi * freq * t) : 0.0;
}

// A band-limited sawtooth-like tone; `brightness` < 1 rolls off the upper
// harmonics further, giving brass its soft-to-bright "blat" as it rises.
double harmonicTone(double phase, double freq, double brightness)
{
    double sum = 0.0;
    double weight = 1.0;
    for (int k = 1; k <= 16 && k * freq < kPartialLimit; ++k) {
        sum += weight / k * std::sin(k * phase);
        weight *= brightness;
    }
    return sum;
}

// Keeps an oscillator's running phase small so long notes stay in tune.
double advance(double phase, double freq)
{
    return std::fmod(phase + kTwoPi * freq / kRate, kTwoPi);
}

// Adds one voice to the mix; `voice(t)` gives its sample t seconds after `start`.
// The last few milliseconds are tapered, so a voice cut off while still
// ringing faintly never leaves a click.
template <typename Voice>
void addVoice(Signal& mix, double start, double duration, Voice&& voice)
{
    const std::ptrdiff_t first = toSamples(start);
    const std::ptrdiff_t count = toSamples(duration);
    const std::ptrdiff_t taper = std::min<std::ptrdiff_t>(toSamples(0.01), count);
    const auto size = static_cast<std::ptrdiff_t>(mix.size());
    for (std::ptrdiff_t i = 0; i < count; ++i) {
        double v = voice(static_cast<double>(i) / kRate); // voices may keep state: call every sample
        const std::ptrdiff_t left = count - i;
        if (left <= taper)
            v *= static_cast<double>(left) / static_cast<double>(taper + 1);
        const std::ptrdiff_t at = first + i;
        if (at >= size)
            break;
        if (at >= 0)
            mix[static_cast<std::size_t>(at)] += v;
    }
}

// ---------------------------------------------------------------------------
// Instruments

// Wooden bar: the fundamental rings, the bar's inharmonic overtones die fast.
void addMarimba(Signal& mix, double start, double note, double gain)
{
    const double f = midiToHz(note);
    addVoice(mix, start, 3.0, [=](double t) {
        return gain * (strike(t, 0.002, 0.45) * sinePartial(f, t)
                       + 0.35 * strike(t, 0.001, 0.06) * sinePartial(3.93 * f, t)
                       + 0.10 * strike(t, 0.001, 0.015) * sinePartial(9.2 * f, t));
    });
}

// Breathy bamboo-flute voice with a vibrato that grows on long notes.
void addFlute(Signal& mix, double start, double length, double note, double gain, Noise& noise)
{
    const double f = midiToHz(note);
    const Adsr env{0.06, 0.2, 0.8, 0.2};
    double phase = 0.0;
    Svf breathFilter;
    addVoice(mix, start, length + env.release, [&, f](double t) {
        const double vibrato = 1.0 + 0.005 * std::min(1.0, t / 0.5) * std::sin(kTwoPi * 5.0 * t);
        phase = advance(phase, f * vibrato);
        const double tone = std::sin(phase) + 0.2 * std::sin(2.0 * phase) + 0.05 * std::sin(3.0 * phase);
        const double breath = breathFilter.process(noise.next(), 2.0 * f, 1.5).band;
        const double chiff = 0.12 + 0.5 * std::exp(-t / 0.04); // air rushes in at the onset
        return gain * adsr(env, t, length) * (tone + chiff * breath);
    });
}

// Soft plucked bass, rounded off with a short release so notes do not click.
void addBass(Signal& mix, double start, double length, double note, double gain)
{
    const double f = midiToHz(note);
    const double release = 0.12;
    addVoice(mix, start, length + release, [=](double t) {
        const double gate = t < length ? 1.0 : 1.0 - (t - length) / release;
        return gain * gate * strike(t, 0.008, 0.8)
               * (sinePartial(f, t) + 0.3 * std::exp(-t / 0.15) * sinePartial(2.0 * f, t));
    });
}

// Brass: a lip glide up into pitch, brightening as the note swells.
void addBrass(Signal& mix, double start, double length, double note, double gain)
{
    const double f = midiToHz(note);
    const Adsr env{0.03, 0.12, 0.75, 0.18};
    double phase = 0.0;
    addVoice(mix, start, length + env.release, [&, f](double t) {
        const double level = adsr(env, t, length);
        const double glide = std::pow(2.0, -0.4 / 12.0 * std::exp(-t / 0.025));
        const double vibrato = 1.0 + 0.004 * std::clamp((t - 0.3) / 0.4, 0.0, 1.0) * std::sin(kTwoPi * 5.5 * t);
        const double freq = f * glide * vibrato;
        phase = advance(phase, freq);
        return gain * level * harmonicTone(phase, freq, 0.45 + 0.4 * level);
    });
}

// Timpani: a deep thump whose pitch settles as the head relaxes.
void addTimpani(Signal& mix, double start, double note, double gain, Noise& noise)
{
    const double f = midiToHz(note);
    double phase = 0.0;
    Svf thud;
    addVoice(mix, start, 2.5, [&, f](double t) {
        phase = advance(phase, f * (1.0 + 0.06 * std::exp(-t / 0.05)));
        const double skin = thud.process(noise.next(), 300.0, 0.7).low;
        return gain * (strike(t, 0.002, 0.45) * std::sin(phase) + 0.8 * strike(t, 0.001, 0.03) * skin);
    });
}

// Cymbal-like shimmer: bright noise fading slowly behind the final chord.
void addShimmer(Signal& mix, double start, double duration, double gain, Noise& noise)
{
    Svf filter;
    addVoice(mix, start, duration, [&](double t) {
        return gain * strike(t, 0.003, duration / 4.0) * filter.process(noise.next(), 6500.0, 0.8).high;
    });
}

// Waves lapping at the raft: filtered noise that swells and ebbs. Two swell
// periods that do not divide each other keep it from sounding mechanical.
void addSurf(Signal& mix, double start, double duration, double gain, Noise& noise)
{
    Svf first;
    Svf second;
    addVoice(mix, start, duration, [&](double t) {
        const double a = 0.5 - 0.5 * std::cos(kTwoPi * t / 7.3);
        const double b = 0.5 - 0.5 * std::cos(kTwoPi * t / 11.9 + 1.0);
        const double swell = 0.6 * a * a + 0.4 * b;
        const double cutoff = 350.0 + 1800.0 * swell;
        const double wash = second.process(first.process(noise.next(), cutoff, 0.6).low, cutoff * 1.5, 0.6).low;
        return gain * (0.15 + swell) * wash;
    });
}

// ---------------------------------------------------------------------------
// Room: a small Schroeder reverb so the voices sound out on open water
// instead of bone dry.

class Comb {
public:
    Comb(std::size_t delay, double feedback, double damping)
        : buffer_(delay, 0.0), feedback_(feedback), damping_(damping)
    {
    }

    double process(double x)
    {
        const double y = buffer_[pos_];
        store_ = y * (1.0 - damping_) + store_ * damping_;
        buffer_[pos_] = x + store_ * feedback_;
        pos_ = (pos_ + 1) % buffer_.size();
        return y;
    }

private:
    std::vector<double> buffer_;
    std::size_t pos_ = 0;
    double feedback_;
    double damping_;
    double store_ = 0.0;
};

class Allpass {
public:
    explicit Allpass(std::size_t delay) : buffer_(delay, 0.0) {}

    double process(double x)
    {
        const double b = buffer_[pos_];
        buffer_[pos_] = x + b * 0.5;
        pos_ = (pos_ + 1) % buffer_.size();
        return b - x;
    }

private:
    std::vector<double> buffer_;
    std::size_t pos_ = 0;
};

void addReverb(Signal& mix, double wet)
{
    // Mutually prime delays (about 25-31 ms) so the echoes do not pile up into a tone.
    std::array<Comb, 4> combs{Comb(557, 0.8, 0.3), Comb(593, 0.8, 0.3), Comb(641, 0.8, 0.3), Comb(677, 0.8, 0.3)};
    std::array<Allpass, 2> allpasses{Allpass(277), Allpass(113)};
    for (double& s : mix) {
        double room = 0.0;
        for (Comb& c : combs)
            room += c.process(s);
        room /= static_cast<double>(combs.size());
        for (Allpass& a : allpasses)
            room = a.process(room);
        s += wet * room;
    }
}

// ---------------------------------------------------------------------------
// Finishing

// Removes DC, smooths both ends and sets the peak to -3 dBFS.
void finish(Signal& s, double fadeIn, double fadeOut)
{
    // One-pole high-pass near 15 Hz: no sound of ours has content that low.
    double previousIn = 0.0;
    double previousOut = 0.0;
    for (double& x : s) {
        const double y = x - previousIn + 0.9957 * previousOut;
        previousIn = x;
        previousOut = y;
        x = y;
    }
    double mean = 0.0;
    for (double x : s)
        mean += x;
    mean /= static_cast<double>(s.size());
    for (double& x : s)
        x -= mean;

    const std::ptrdiff_t n = static_cast<std::ptrdiff_t>(s.size());
    const std::ptrdiff_t in = std::min(toSamples(fadeIn), n);
    const std::ptrdiff_t out = std::min(toSamples(fadeOut), n);
    // Raised-cosine fades: no corner in the envelope, so no click.
    for (std::ptrdiff_t i = 0; i < in; ++i)
        s[static_cast<std::size_t>(i)] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(in));
    for (std::ptrdiff_t i = 0; i < out; ++i)
        s[static_cast<std::size_t>(n - 1 - i)] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(out));

    double peak = 0.0;
    for (double x : s)
        peak = std::max(peak, std::abs(x));
    if (peak > 0.0) {
        for (double& x : s)
            x *= kPeak / peak;
    }
}

// ---------------------------------------------------------------------------
// The four sounds

namespace pitch {
// The yo scale on D (D E G A B): no semitones, the calm of a folk song at sea.
constexpr double G2 = 43, A2 = 45, D3 = 50, E3 = 52;
constexpr double D4 = 62, E4 = 64, G4 = 67, A4 = 69, B4 = 71;
constexpr double D5 = 74, E5 = 76, G5 = 79;
// Fanfare in C major.
constexpr double C3 = 48, G3 = 55, C4 = 60, F4 = 65, C5 = 72, F5 = 77, C6 = 84;
constexpr double Rest = 0;
} // namespace pitch

struct Step {
    double note; // pitch::Rest for silence
    int eighths;
};

// Background tune: 16 bars at 84 beats a minute (45.7 s), the last note left
// to ring and faded out, 47.5 s in all. The game restarts it every 48.8 s.
Signal makeStartTune()
{
    using namespace pitch;
    constexpr double beat = 60.0 / 84.0;
    constexpr double eighth = beat / 2.0;
    constexpr double bar = 4.0 * beat;
    constexpr double length = 47.5;

    // Four phrases: the theme, its answer, a brighter turn, and the theme coming home to D.
    const std::array<std::vector<Step>, 4> phrases{{
        {{A4, 2}, {B4, 2}, {D5, 3}, {B4, 1}, {A4, 2}, {G4, 2}, {E4, 4},
         {G4, 2}, {A4, 2}, {B4, 1}, {A4, 1}, {G4, 2}, {E4, 2}, {D4, 4}, {Rest, 2}},
        {{A4, 2}, {B4, 2}, {D5, 3}, {E5, 1}, {D5, 2}, {B4, 2}, {A4, 4},
         {B4, 2}, {D5, 2}, {E5, 1}, {D5, 1}, {B4, 2}, {A4, 6}, {Rest, 2}},
        {{D5, 3}, {E5, 1}, {G5, 4}, {E5, 2}, {D5, 2}, {B4, 4},
         {D5, 3}, {B4, 1}, {A4, 2}, {G4, 2}, {A4, 6}, {Rest, 2}},
        {{A4, 2}, {B4, 2}, {D5, 3}, {B4, 1}, {A4, 2}, {G4, 2}, {E4, 2}, {G4, 2},
         {A4, 3}, {B4, 1}, {A4, 2}, {E4, 2}, {D4, 8}},
    }};
    // One root per bar; bass and marimba play open fifths on it, which keeps
    // the harmony as plain as the scale.
    const std::array<double, 16> roots{D3, G2, E3, D3, D3, G2, E3, A2, G2, E3, G2, A2, D3, G2, A2, D3};

    Signal mix(static_cast<std::size_t>(toSamples(length)), 0.0);
    Noise noise(0x4E414D49594F5345ULL);

    for (std::size_t p = 0; p < phrases.size(); ++p) {
        double t = 4.0 * bar * static_cast<double>(p);
        for (const Step& s : phrases[p]) {
            const double held = s.eighths * eighth;
            if (s.note != Rest) {
                // The marimba carries the theme first, the flute answers, both sing the bright turn.
                if (p == 0 || p == 2)
                    addMarimba(mix, t, s.note + (p == 2 ? 12.0 : 0.0), p == 0 ? 0.55 : 0.22);
                if (p != 0)
                    addFlute(mix, t, held * 0.92, s.note, 0.32, noise);
            }
            t += held;
        }
    }

    for (std::size_t b = 0; b < roots.size(); ++b) {
        const double t = bar * static_cast<double>(b);
        const double root = roots[b];
        const bool last = b + 1 == roots.size();
        addBass(mix, t, last ? bar : 1.8 * beat, root, 0.5);
        if (!last)
            addBass(mix, t + 2.0 * beat, 1.6 * beat, root + 7.0, 0.35);
        // Offbeat dyads on beats two and four: a gentle rocking, like the raft.
        for (double onBeat : {1.0, 3.0}) {
            if (last && onBeat > 1.0)
                break;
            addMarimba(mix, t + onBeat * beat, root + 19.0, 0.12);
            addMarimba(mix, t + onBeat * beat, root + 24.0, 0.10);
        }
    }

    addSurf(mix, 0.0, length, 0.4, noise);
    addReverb(mix, 0.35);
    finish(mix, 0.01, 1.5);
    return mix;
}

// Fanfare for a chinu of 30 cm or more: a rising call, two quick chords and a
// held C major with drums and a shimmer, 4.2 s.
Signal makeChinuFanfare()
{
    using namespace pitch;
    constexpr double length = 4.2;
    Signal mix(static_cast<std::size_t>(toSamples(length)), 0.0);
    Noise noise(0x4348494E55333000ULL);

    // Rising call G-C-E, landing on a high G over a C chord.
    const std::array<double, 3> call{G4, C5, E5};
    for (std::size_t i = 0; i < call.size(); ++i)
        addBrass(mix, 0.13 * static_cast<double>(i), 0.10, call[i], 0.5);
    addBrass(mix, 0.39, 0.42, G5, 0.5);
    for (double n : {C4, E4, G4})
        addBrass(mix, 0.39, 0.42, n, 0.3);
    addTimpani(mix, 0.39, C3, 0.8, noise);

    // F then G, short and punchy, leading home.
    for (double n : {F4, A4, C5, F5})
        addBrass(mix, 0.95, 0.17, n, 0.3);
    for (double n : {G4, B4, D5, G5})
        addBrass(mix, 1.18, 0.17, n, 0.3);
    addTimpani(mix, 1.18, G3 - 12.0, 0.6, noise);

    // The final chord rings, with a sparkle running up above it.
    const double home = 1.42;
    for (double n : {C4, E4, G4, C5, E5})
        addBrass(mix, home, 2.1, n, 0.3);
    addBrass(mix, home, 2.1, C6, 0.22);
    addTimpani(mix, home, C3, 0.9, noise);
    addShimmer(mix, home, length - home, 0.15, noise);
    const std::array<double, 5> sparkle{C5 + 12.0, E5 + 12.0, G5 + 12.0, C6 + 12.0, E5 + 24.0};
    for (std::size_t i = 0; i < sparkle.size(); ++i)
        addMarimba(mix, home + 0.1 + 0.08 * static_cast<double>(i), sparkle[i], 0.25);

    addReverb(mix, 0.3);
    finish(mix, 0.005, 0.9);
    return mix;
}

// The fish takes line: a reel ratchet that speeds up and slows, and the taut
// line ticking. 0.8 s, sounding from its very first sample, because the game
// replays it every 1.1 s for as long as the fight lasts.
Signal makeBite()
{
    constexpr double length = 0.8;
    Signal mix(static_cast<std::size_t>(toSamples(length)), 0.0);
    Noise noise(0x4154415249000000ULL);

    // Ratchet clicks: a pawl snapping over the spool's teeth. The rate is
    // integrated so the run-and-slow of the spool stays smooth.
    double tooth = 1.0; // a click falls on the first sample
    const double clicksEnd = 0.74;
    Svf spool;
    for (std::ptrdiff_t i = 0; i < toSamples(clicksEnd); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double level = std::min(1.0, (clicksEnd - t) / 0.2);
        // The spool's whirr under the clicks, loudest just after each tooth.
        const double whirr = spool.process(noise.next(), 900.0, 1.2).band;
        mix[static_cast<std::size_t>(i)] += 0.3 * level * std::min(1.0, t / 0.002) * std::pow(1.0 - tooth, 3.0) * whirr;
        if (tooth >= 1.0) {
            tooth -= 1.0;
            const double hit = (0.85 + 0.15 * noise.next()) * level;
            Svf body;
            addVoice(mix, t, 0.04, [&, hit](double u) {
                const double crack = body.process(noise.next(), 4200.0, 3.0).band;
                return hit * (0.6 * strike(u, 0.0003, 0.002) * crack
                              + 0.3 * strike(u, 0.0003, 0.004) * sinePartial(3100.0, u)
                              + 0.25 * strike(u, 0.0005, 0.01) * sinePartial(1150.0, u));
            });
        }
        const double rate = 26.0 + 16.0 * std::sin(std::numbers::pi * t / clicksEnd);
        tooth += rate / kRate;
    }

    // The taut line: a metallic tick and a low thrum as it takes the strain.
    for (double at : {0.0, 0.43}) {
        addVoice(mix, at, 0.2, [](double u) {
            return 0.3 * strike(u, 0.0005, 0.025) * (sinePartial(2350.0, u) + 0.6 * sinePartial(3610.0, u))
                   + 0.3 * strike(u, 0.002, 0.08) * sinePartial(160.0 + 250.0 * u, u);
        });
    }

    addReverb(mix, 0.1);
    finish(mix, 0.001, 0.03);
    return mix;
}

// The fish is off: the line goes slack with a sagging twang, then a falling
// "wah-wah" slide that fades out. 1.3 s.
Signal makeLost()
{
    constexpr double length = 1.3;
    Signal mix(static_cast<std::size_t>(toSamples(length)), 0.0);
    Noise noise(0x424152415348ULL);

    // Slack line: a plucked twang whose pitch sags as the tension goes.
    double twangPhase = 0.0;
    addVoice(mix, 0.0, 1.0, [&](double t) {
        const double f = 330.0 - 90.0 * (1.0 - std::exp(-t / 0.08));
        twangPhase = advance(twangPhase, f);
        return 0.5 * strike(t, 0.002, 0.12) * harmonicTone(twangPhase, f, 0.5)
               + 0.3 * strike(t, 0.0005, 0.006) * noise.next();
    });

    // The slide falls from B flat 4 to about F3, with the wah opening and
    // closing three times a second like a muted horn.
    double phase = 0.0;
    Svf wah;
    const double slideStart = 0.06;
    const double slide = length - slideStart;
    addVoice(mix, slideStart, slide, [&](double t) {
        const double fall = 1.0 - std::exp(-t / 0.45);
        const double wobble = 1.0 + 0.015 * std::clamp((t - 0.5) / 0.4, 0.0, 1.0) * std::sin(kTwoPi * 6.0 * t);
        const double f = 466.0 * std::pow(2.0, -1.4 * fall) * wobble;
        phase = advance(phase, f);
        const double cutoff = 400.0 + 1500.0 * (0.5 - 0.5 * std::cos(kTwoPi * 3.0 * t)) * (1.0 - 0.5 * fall);
        const Svf::Out o = wah.process(harmonicTone(phase, f, 0.85), cutoff, 4.0);
        return 0.6 * adsr(Adsr{0.04, 0.1, 0.85, 0.0}, t, slide) * (0.6 * o.low + o.band);
    });

    addReverb(mix, 0.2);
    finish(mix, 0.003, 0.45);
    return mix;
}

// ---------------------------------------------------------------------------
// Output

void putLittleEndian(std::string& bytes, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFFU));
}

// 16-bit PCM mono RIFF/WAVE, the plainest format every player reads.
std::string encodeWav(const Signal& s)
{
    const auto dataBytes = static_cast<std::uint32_t>(s.size() * 2);
    std::string bytes;
    bytes.reserve(44 + dataBytes);
    bytes += "RIFF";
    putLittleEndian(bytes, 36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    putLittleEndian(bytes, 16, 4);       // fmt chunk size
    putLittleEndian(bytes, 1, 2);        // PCM
    putLittleEndian(bytes, 1, 2);        // mono
    putLittleEndian(bytes, kRate, 4);
    putLittleEndian(bytes, kRate * 2, 4); // bytes per second
    putLittleEndian(bytes, 2, 2);        // bytes per frame
    putLittleEndian(bytes, 16, 2);       // bits per sample
    bytes += "data";
    putLittleEndian(bytes, dataBytes, 4);
    for (double x : s) {
        const auto v = static_cast<std::int16_t>(std::lround(std::clamp(x, -1.0, 1.0) * 32767.0));
        putLittleEndian(bytes, static_cast<std::uint16_t>(v), 2);
    }
    return bytes;
}

std::string displayName(const std::filesystem::path& p)
{
    const std::u8string u = p.u8string();
    return {u.begin(), u.end()};
}

// Writes beside the final name first, so a half-written wave never sits
// where the game would pick it up.
bool writeFile(const std::filesystem::path& target, const std::string& bytes)
{
    std::filesystem::path partial = target;
    partial += ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::cerr << "namiyose_wavesynth: cannot write " << displayName(partial) << '\n';
            std::error_code ignored;
            std::filesystem::remove(partial, ignored);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(partial, target, ec);
    if (ec) {
        std::cerr << "namiyose_wavesynth: cannot write " << displayName(target) << ": " << ec.message() << '\n';
        std::filesystem::remove(partial, ec);
        return false;
    }
    return true;
}

struct Wave {
    std::u8string_view name;
    Signal (*make)();
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: namiyose_wavesynth <output-directory>\n";
        return 2;
    }
    const std::filesystem::path dir(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::cerr << "namiyose_wavesynth: cannot create " << displayName(dir) << ": " << ec.message() << '\n';
        return 1;
    }

    const std::array<Wave, 4> waves{{
        {u8"スタート.wav", makeStartTune},
        {u8"チヌ30.wav", makeChinuFanfare},
        {u8"あたり.wav", makeBite},
        {u8"ばらし.wav", makeLost},
    }};
    for (const Wave& w : waves) {
        if (!writeFile(dir / w.name, encodeWav(w.make())))
            return 1;
    }
    return 0;
}
