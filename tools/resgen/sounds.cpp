#include "sounds.h"

#include "paint_util.h"

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace resgen {
namespace {

constexpr int kRate = 22050;
using Samples = std::vector<double>;

Samples silence(double seconds) { return Samples(std::size_t(seconds * kRate), 0.0); }

// A short wooden click: a burst of decaying noise through a resonator.
void addClick(Samples& s, double at, double gain, double pitch, Rng& rng) {
    const std::size_t start = std::size_t(at * kRate);
    const std::size_t length = std::size_t(0.035 * kRate);
    double y1 = 0, y2 = 0;
    const double w = 2 * M_PI * pitch / kRate, r = 0.94;
    const double a1 = 2 * r * std::cos(w), a2 = -r * r;
    for (std::size_t i = 0; i < length && start + i < s.size(); ++i) {
        const double env = std::exp(-double(i) / (0.004 * kRate));
        const double x = (rng.uniform() * 2 - 1) * env;
        const double y = x + a1 * y1 + a2 * y2;
        y2 = y1;
        y1 = y;
        s[start + i] += gain * (0.6 * y * (1 - r) * 4 + 0.4 * x);
    }
}

void addTone(Samples& s, double at, double seconds, double f0, double f1, double gain, double decay,
             double harmonics = 0.3) {
    const std::size_t start = std::size_t(at * kRate), length = std::size_t(seconds * kRate);
    double phase = 0;
    for (std::size_t i = 0; i < length && start + i < s.size(); ++i) {
        const double t = double(i) / length;
        const double f = f0 * std::pow(f1 / f0, t);
        phase += 2 * M_PI * f / kRate;
        const double attack = std::min(1.0, double(i) / (0.006 * kRate));
        const double env = attack * std::exp(-t * decay);
        const double v = std::sin(phase) + harmonics * std::sin(2 * phase) + harmonics * 0.4 * std::sin(3 * phase);
        s[start + i] += gain * env * v;
    }
}

// Scales the peak to `peak` and fades both ends so nothing clicks.
void finish(Samples& s, double peak = 0.85) {
    double max = 1e-9;
    for (double v : s) max = std::max(max, std::abs(v));
    const std::size_t fade = std::min<std::size_t>(s.size() / 4, std::size_t(0.008 * kRate));
    for (std::size_t i = 0; i < s.size(); ++i) {
        double g = peak / max;
        if (i < fade) g *= double(i) / fade;
        if (i + fade >= s.size()) g *= double(s.size() - 1 - i) / fade;
        s[i] *= g;
    }
}

QByteArray toWave(const Samples& s) {
    QByteArray data;
    data.reserve(int(s.size() * 2));
    for (double v : s) {
        const auto x = std::int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32767));
        data.append(char(x & 0xFF));
        data.append(char((x >> 8) & 0xFF));
    }
    QByteArray out;
    auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out.append(char((v >> (8 * i)) & 0xFF));
    };
    auto put16 = [&](int v) {
        out.append(char(v & 0xFF));
        out.append(char((v >> 8) & 0xFF));
    };
    out.append("RIFF");
    put32(std::uint32_t(36 + data.size()));
    out.append("WAVEfmt ");
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(kRate);
    put32(kRate * 2);
    put16(2);
    put16(16);
    out.append("data");
    put32(std::uint32_t(data.size()));
    out.append(data);
    return out;
}

Samples oneDie() {
    Samples s = silence(0.45);
    Rng rng(101);
    const double times[] = {0.0, 0.09, 0.17, 0.23, 0.28, 0.32};
    double gain = 1.0;
    for (double t : times) {
        addClick(s, t + rng.range(0, 0.01), gain, rng.range(1400, 2600), rng);
        gain *= 0.72;
    }
    return s;
}

Samples severalDice() {
    Samples s = silence(0.85);
    Rng rng(102);
    for (int i = 0; i < 46; ++i) {
        const double t = std::pow(rng.uniform(), 1.6) * 0.7;
        addClick(s, t, (1.0 - t) * rng.range(0.4, 1.0), rng.range(1100, 3200), rng);
    }
    // A little rumble of the dice shaking in the cup.
    for (std::size_t i = 0; i < std::size_t(0.3 * kRate); ++i)
        s[i] += 0.08 * (rng.uniform() * 2 - 1) * std::sin(M_PI * i / (0.3 * kRate));
    return s;
}

Samples moveDie() {
    Samples s = silence(0.16);
    Rng rng(103);
    // A soft slide of filtered noise ending in a light tap.
    double lp = 0;
    for (std::size_t i = 0; i < std::size_t(0.11 * kRate); ++i) {
        lp += 0.08 * ((rng.uniform() * 2 - 1) - lp);
        s[i] += 1.6 * lp * std::sin(M_PI * i / (0.11 * kRate));
    }
    addClick(s, 0.10, 0.5, 900, rng);
    return s;
}

Samples passWithPoints() {
    Samples s = silence(0.7);
    addTone(s, 0.0, 0.35, 784.0, 784.0, 0.7, 3.0);   // G5
    addTone(s, 0.14, 0.55, 1046.5, 1046.5, 0.8, 3.5);  // C6
    addTone(s, 0.14, 0.55, 1568.0, 1568.0, 0.15, 5.0);
    return s;
}

Samples passWithoutPoints() {
    Samples s = silence(0.5);
    addTone(s, 0.0, 0.45, 160.0, 70.0, 1.0, 5.0, 0.5);
    Rng rng(105);
    double lp = 0;
    for (std::size_t i = 0; i < std::size_t(0.08 * kRate); ++i) {
        lp += 0.05 * ((rng.uniform() * 2 - 1) - lp);
        s[i] += 2.0 * lp * std::exp(-double(i) / (0.02 * kRate));
    }
    return s;
}

Samples bust() {
    // A falling "wah-wah": a buzzy tone gliding down, its brightness swept
    // open and shut four times.
    const double seconds = 1.3;
    Samples s = silence(seconds);
    double phase = 0, lp = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const int step = std::min(3, int(t / 0.3));
        const double base = 330.0 * std::pow(2.0, -step / 12.0 * 1.5) * (step == 3 ? std::pow(0.92, (t - 0.9) * 4) : 1);
        const double vibrato = 1 + 0.012 * std::sin(2 * M_PI * 6 * t);
        phase += 2 * M_PI * base * vibrato / kRate;
        const double saw = std::fmod(phase / (2 * M_PI), 1.0) * 2 - 1;
        const double local = std::fmod(t, 0.3) / 0.3;
        const double wah = step == 3 ? std::min(1.0, local * 3) : std::sin(M_PI * local);
        const double cutoff = 0.02 + 0.25 * wah;
        lp += cutoff * (saw - lp);
        const double env = step == 3 ? std::exp(-(t - 0.9) * 5) : 0.85 + 0.15 * wah;
        s[i] = lp * env;
    }
    return s;
}

Samples undo() {
    // A quick blip that rises, as if the move ran backwards.
    Samples s = silence(0.16);
    const std::size_t n = s.size();
    double phase = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / n;
        phase += 2 * M_PI * (500 + 900 * t * t) / kRate;
        const double env = std::pow(t, 1.5) * std::min(1.0, (1 - t) * 12);
        s[i] = env * (std::sin(phase) + 0.2 * std::sin(2 * phase));
    }
    return s;
}

Samples gameOver() {
    // A short fanfare: C-E-G arpeggio up to a held high C chord.
    Samples s = silence(1.45);
    const double notes[] = {523.25, 659.25, 783.99};
    for (int i = 0; i < 3; ++i) addTone(s, 0.13 * i, 0.24, notes[i], notes[i], 0.8, 4.0, 0.5);
    addTone(s, 0.42, 1.0, 1046.5, 1046.5, 0.8, 2.2, 0.5);
    addTone(s, 0.42, 1.0, 783.99, 783.99, 0.45, 2.4, 0.5);
    addTone(s, 0.42, 1.0, 659.25, 659.25, 0.4, 2.6, 0.5);
    return s;
}

Samples overTop() {
    // A bright rising sweep with a shimmer on top.
    Samples s = silence(0.9);
    double phase = 0, shimmer = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / s.size();
        const double f = 300 * std::pow(8.0, t);
        phase += 2 * M_PI * f / kRate;
        shimmer += 2 * M_PI * f * 2.01 / kRate;
        const double env = std::min(1.0, t * 8) * (t > 0.8 ? (1 - t) / 0.2 : 1.0);
        s[i] = env * (0.7 * std::sin(phase) + 0.25 * std::sin(shimmer) * (0.5 + 0.5 * std::sin(2 * M_PI * 14 * t)));
    }
    return s;
}

}  // namespace

QByteArray eventSound(int event) {
    // In the sound dialog's order: Zarvel, Game Over, Move Dice, Pass Dice
    // with and without points, Roll Multiple Dice, Roll One Die, Undo.
    static Samples (*const synths[8])() = {bust,              gameOver,    moveDie, passWithPoints,
                                           passWithoutPoints, severalDice, oneDie,  undo};
    if (event < 0 || event >= 8) return {};
    Samples s = synths[event]();
    finish(s);
    return toWave(s);
}

QByteArray overTopSound() {
    Samples s = overTop();
    finish(s);
    return toWave(s);
}

}  // namespace resgen
