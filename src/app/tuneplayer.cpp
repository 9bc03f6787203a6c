#include "app/tuneplayer.h"

#include <alsa/asoundlib.h>
#include <fluidsynth.h>

#include <QFileInfo>
#include <chrono>

namespace belt {

namespace {

void quietLog(int, const char*, void*) {}
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

// fluidsynth and ALSA report a missing sound device on stderr; the program
// is simply silent then.
void silenceSynthesizer() {
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
        fluid_set_log_function(level, quietLog, nullptr);
    snd_lib_error_set_handler(quietAlsa);
}

}  // namespace

TunePlayer::~TunePlayer() {
    stop();
}

QString TunePlayer::soundFont() {
    // Debian's timgm6mb-soundfont package; the General MIDI alias as fallback.
    for (const char* path : {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
                             "/usr/share/sounds/sf2/FluidR3_GM.sf2"})
        if (QFileInfo::exists(QString::fromLatin1(path))) return QString::fromLatin1(path);
    return {};
}

void TunePlayer::play(const QString& midiFile) {
    stop();
    const QString font = soundFont();
    if (font.isEmpty() || !QFileInfo::exists(midiFile)) return;
    stop_ = false;
    thread_ = std::thread(&TunePlayer::run, this, midiFile.toStdString(), font.toStdString());
}

void TunePlayer::stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

void TunePlayer::run(std::string midiFile, std::string soundFont) {
    silenceSynthesizer();
    fluid_settings_t* settings = new_fluid_settings();
    if (!settings) return;
    if (!output_.fileName.empty()) fluid_settings_setstr(settings, "audio.file.name", output_.fileName.c_str());
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_audio_driver_t* driver = nullptr;
    for (const std::string& name : output_.drivers) {
        if (stop_ || !synth) break;
        fluid_settings_setstr(settings, "audio.driver", name.c_str());
        driver = new_fluid_audio_driver(settings, synth);
        if (driver) break;
    }
    fluid_player_t* player = nullptr;
    if (driver && !stop_ && fluid_synth_sfload(synth, soundFont.c_str(), 1) != FLUID_FAILED) {
        player = new_fluid_player(synth);
        if (player && fluid_player_add(player, midiFile.c_str()) == FLUID_OK &&
            fluid_player_play(player) == FLUID_OK) {
            playing_ = true;
            while (!stop_ && fluid_player_get_status(player) == FLUID_PLAYER_PLAYING)
                std::this_thread::sleep_for(std::chrono::milliseconds(40));
            fluid_player_stop(player);
            playing_ = false;
        }
    }
    // The driver's thread renders from the synthesizer and so from the
    // player: it must be gone before either of them is.
    if (driver) delete_fluid_audio_driver(driver);
    if (player) delete_fluid_player(player);
    if (synth) delete_fluid_synth(synth);
    delete_fluid_settings(settings);
}

}  // namespace belt
