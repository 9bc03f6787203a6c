#include "app/tuneplayer.h"

#include <alsa/asoundlib.h>
#include <dlfcn.h>
#include <fluidsynth.h>

#include <QFileInfo>
#include <chrono>

namespace belt {

namespace {

void quietLog(int, const char*, void*) {}
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

// fluidsynth and the ~40 libraries it pulls in are loaded by the tune's own
// thread when the tune starts, not by the program at start-up: the window
// appears as fast as without them, and a machine without them is silent.
struct Synthesizer {
#define BELT_SYNTH_FUNCTIONS(X)                                                                              \
    X(fluid_set_log_function)                                                                                  \
    X(new_fluid_settings) X(fluid_settings_setstr) X(delete_fluid_settings) X(new_fluid_synth)                 \
    X(fluid_synth_sfload) X(delete_fluid_synth) X(new_fluid_audio_driver) X(delete_fluid_audio_driver)         \
    X(new_fluid_player) X(fluid_player_add) X(fluid_player_play) X(fluid_player_get_status)                    \
    X(fluid_player_stop) X(delete_fluid_player)
#define BELT_SYNTH_MEMBER(name) decltype(&::name) name = nullptr;
    BELT_SYNTH_FUNCTIONS(BELT_SYNTH_MEMBER)
#undef BELT_SYNTH_MEMBER
    decltype(&::snd_lib_error_set_handler) snd_lib_error_set_handler = nullptr;  // ALSA, if fluidsynth uses it
};

// The library once for the life of the program (never unloaded: its audio
// threads and those of its dependencies must not outlive their code); null
// when it or one of its functions is missing.
const Synthesizer* loadSynthesizer() {
    static const Synthesizer* const loaded = []() -> const Synthesizer* {
        void* lib = nullptr;
        for (const char* name : {"libfluidsynth.so.3", "libfluidsynth.so.2", "libfluidsynth.so"})
            if ((lib = dlopen(name, RTLD_NOW | RTLD_LOCAL)) != nullptr) break;
        if (!lib) return nullptr;
        static Synthesizer s;
        bool complete = true;
#define BELT_SYNTH_LOOKUP(name)                                                    \
    s.name = reinterpret_cast<decltype(s.name)>(dlsym(lib, #name));                \
    complete = complete && s.name != nullptr;
        BELT_SYNTH_FUNCTIONS(BELT_SYNTH_LOOKUP)
#undef BELT_SYNTH_LOOKUP
        s.snd_lib_error_set_handler =
            reinterpret_cast<decltype(s.snd_lib_error_set_handler)>(dlsym(lib, "snd_lib_error_set_handler"));
        return complete ? &s : nullptr;
    }();
    return loaded;
}
#undef BELT_SYNTH_FUNCTIONS

// fluidsynth and ALSA report a missing sound device on stderr; the program
// is simply silent then.
void silenceSynthesizer(const Synthesizer& fs) {
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) fs.fluid_set_log_function(level, quietLog, nullptr);
    if (fs.snd_lib_error_set_handler) fs.snd_lib_error_set_handler(quietAlsa);
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
    const Synthesizer* const loaded = loadSynthesizer();
    if (!loaded || stop_) return;
    const Synthesizer& fs = *loaded;
    silenceSynthesizer(fs);
    fluid_settings_t* settings = fs.new_fluid_settings();
    if (!settings) return;
    if (!output_.fileName.empty()) fs.fluid_settings_setstr(settings, "audio.file.name", output_.fileName.c_str());
    fluid_synth_t* synth = fs.new_fluid_synth(settings);
    fluid_audio_driver_t* driver = nullptr;
    for (const std::string& name : output_.drivers) {
        if (stop_ || !synth) break;
        fs.fluid_settings_setstr(settings, "audio.driver", name.c_str());
        driver = fs.new_fluid_audio_driver(settings, synth);
        if (driver) break;
    }
    fluid_player_t* player = nullptr;
    if (driver && !stop_ && fs.fluid_synth_sfload(synth, soundFont.c_str(), 1) != FLUID_FAILED) {
        player = fs.new_fluid_player(synth);
        if (player && fs.fluid_player_add(player, midiFile.c_str()) == FLUID_OK &&
            fs.fluid_player_play(player) == FLUID_OK) {
            playing_ = true;
            while (!stop_ && fs.fluid_player_get_status(player) == FLUID_PLAYER_PLAYING)
                std::this_thread::sleep_for(std::chrono::milliseconds(40));
            fs.fluid_player_stop(player);
            playing_ = false;
        }
    }
    // The driver's thread renders from the synthesizer and so from the
    // player: it must be gone before either of them is.
    if (driver) fs.delete_fluid_audio_driver(driver);
    if (player) fs.delete_fluid_player(player);
    if (synth) fs.delete_fluid_synth(synth);
    fs.delete_fluid_settings(settings);
}

}  // namespace belt
