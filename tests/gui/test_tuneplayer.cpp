// The start-up tune on fluidsynth's file driver, so that no sound device is
// needed: a tune stopped while the synthesizer renders it must end cleanly.
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <thread>

#include "app/tuneplayer.h"

using namespace belt;

namespace {

// Waits until the player's thread has the tune sounding; false if it never
// does (no sound font, a driver that does not open).
bool WaitUntilPlaying(const TunePlayer& player) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!player.playing()) {
        if (std::chrono::steady_clock::now() > giveUp) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}  // namespace

class TestTunePlayer : public QObject {
    Q_OBJECT
private slots:
    void stopsCleanlyWhileTheSynthesizerRenders();
};

void TestTunePlayer::stopsCleanlyWhileTheSynthesizerRenders() {
    if (TunePlayer::soundFont().isEmpty()) QSKIP("no General MIDI sound font installed");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString rendered = dir.filePath(QStringLiteral("tune.raw"));
    const QString tune = QStringLiteral(BELT_ASSETS_DIR "/tune.mid");

    // Closing the program right after its window appears stops the tune a
    // few milliseconds into the sound; each round stops it at another moment.
    for (int round = 0; round < 60; ++round) {
        TunePlayer player(TuneOutput{{"file"}, rendered.toStdString()});
        player.play(tune);
        QVERIFY(WaitUntilPlaying(player));
        std::this_thread::sleep_for(std::chrono::milliseconds(round % 8));
        // Odd rounds stop in the destructor, as closing the main window does.
        if (round % 2 == 0) player.stop();
    }
    // Play, stop and play again on one player.
    TunePlayer player(TuneOutput{{"file"}, rendered.toStdString()});
    for (int round = 0; round < 10; ++round) {
        player.play(tune);
        QVERIFY(WaitUntilPlaying(player));
    }
    player.stop();
    QVERIFY(!player.playing());
    QVERIFY(QFileInfo(rendered).size() > 0);
}

QTEST_GUILESS_MAIN(TestTunePlayer)
#include "test_tuneplayer.moc"
