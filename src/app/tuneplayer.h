// The start-up tune: a MIDI file played through a software synthesizer on a
// thread of its own, so the window never waits for the sound font or the
// sound device. Without a sound device it stays silent.
#pragma once

#include <QString>
#include <atomic>
#include <thread>

namespace belt {

class TunePlayer {
public:
    TunePlayer() = default;
    ~TunePlayer();  // stops the tune and waits for the thread
    TunePlayer(const TunePlayer&) = delete;
    TunePlayer& operator=(const TunePlayer&) = delete;

    // Starts playing midiFile; a tune already playing is stopped first.
    void play(const QString& midiFile);
    void stop();

    // The General MIDI sound font the tune is played with ("" if none).
    static QString soundFont();

private:
    void run(std::string midiFile, std::string soundFont);
    std::thread thread_;
    std::atomic<bool> stop_{false};
};

}  // namespace belt
