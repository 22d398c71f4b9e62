// Makes the maker's two sounds as WAV files: PCM, mono, 8 bits, 11025 samples per second.
//   tessarin_make_sounds FOLDER   writes FOLDER/WAVE_1.wav (the question chime) and FOLDER/WAVE_7.wav (the error buzz)
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int SampleRate = 11025;

struct Tone
{
    double frequency; // Hz
    double seconds;
    double harmonic; // share of the third harmonic, for a harder sound
};

// Sine tones one after another, each with a short attack and an exponential decay, as unsigned 8-bit samples.
std::vector<std::uint8_t> render(const std::vector<Tone>& tones)
{
    std::vector<std::uint8_t> samples;
    for (const Tone& tone : tones) {
        const int count = static_cast<int>(tone.seconds * SampleRate);
        for (int i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / SampleRate;
            const double attack = std::min(1.0, t / 0.008);
            const double decay = std::exp(-3.5 * t / tone.seconds);
            const double phase = 2.0 * std::numbers::pi * tone.frequency * t;
            const double wave = std::sin(phase) + tone.harmonic * std::sin(3.0 * phase);
            const double value = 0.8 * attack * decay * wave / (1.0 + tone.harmonic);
            samples.push_back(static_cast<std::uint8_t>(std::lround(128.0 + 127.0 * value)));
        }
    }
    return samples;
}

void put32(std::ofstream& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) {
        out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
}

void put16(std::ofstream& out, std::uint16_t v)
{
    out.put(static_cast<char>(v & 0xFF));
    out.put(static_cast<char>(v >> 8));
}

bool writeWave(const std::string& path, const std::vector<std::uint8_t>& samples)
{
    std::ofstream out(path, std::ios::binary);
    const auto size = static_cast<std::uint32_t>(samples.size());
    out.write("RIFF", 4);
    put32(out, 36 + size);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, SampleRate);
    put32(out, SampleRate); // bytes per second
    put16(out, 1);          // block align
    put16(out, 8);          // bits per sample
    out.write("data", 4);
    put32(out, size);
    out.write(reinterpret_cast<const char*>(samples.data()), static_cast<std::streamsize>(samples.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: tessarin_make_sounds FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    // The question: a rising two-note chime of 0.71 seconds. The error: a low, hard buzz of 0.17 seconds.
    const bool ok = writeWave(folder + "/WAVE_1.wav", render({{660.0, 0.30, 0.1}, {880.0, 0.41, 0.1}})) &&
                    writeWave(folder + "/WAVE_7.wav", render({{196.0, 0.17, 0.6}}));
    if (!ok) {
        std::cerr << "tessarin_make_sounds: cannot write into " << folder << "\n";
        return 1;
    }
    return 0;
}
