// The start-up tune: a MIDI file played through a software synthesizer on a
// thread of its own, so the window never waits for the sound font or the
// sound device. That thread also loads the synthesizer library, so the
// window never waits for it either. Without the library, a sound font or a
// sound device the program is silent.
#pragma once

#include <QString>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace belt {

// Where the synthesizer sends its sound: the first of `drivers` that opens.
// fluidsynth's "file" driver writes the sound to `fileName` instead of a
// sound device.
struct TuneOutput {
    // The desktop's sound server first, ALSA if there is none; never JACK,
    // which complains loudly when no server runs.
    std::vector<std::string> drivers{"pulseaudio", "alsa"};
    std::string fileName;
};

class TunePlayer {
public:
    explicit TunePlayer(TuneOutput output = {}) : output_(std::move(output)) {}
    ~TunePlayer();  // stops the tune and waits for the thread
    TunePlayer(const TunePlayer&) = delete;
    TunePlayer& operator=(const TunePlayer&) = delete;

    // Starts playing midiFile; a tune already playing is stopped first.
    void play(const QString& midiFile);
    void stop();
    // Whether the tune is sounding now.
    bool playing() const { return playing_; }

    // The General MIDI sound font the tune is played with ("" if none).
    static QString soundFont();

private:
    void run(std::string midiFile, std::string soundFont);
    TuneOutput output_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> playing_{false};
};

}  // namespace belt
