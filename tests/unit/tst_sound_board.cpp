// The front end's sounds: which player is told what, when the background
// loop starts and stops, and that the real media player runs headless
// without hanging the program.

#include <QMediaPlayer>
#include <QtTest>

#include "ui/sound_board.h"

namespace {

// Writes one line per call into a shared log, e.g. "4 source ./modules/media/04.wav".
class RecordingPlayer final : public SoundPlayer {
public:
    RecordingPlayer(int playerIndex, QStringList* sharedLog) : index(playerIndex), log(sharedLog) {}

    void setSource(const QUrl& source) override {
        log->append(QStringLiteral("%1 source %2").arg(index).arg(source.toString()));
    }
    void play() override { log->append(QStringLiteral("%1 play").arg(index)); }
    void clear() override { log->append(QStringLiteral("%1 clear").arg(index)); }

    // The sound played to its end.
    void finish() { emit finished(); }

private:
    int index;
    QStringList* log;
};

QStringList effect(int index) {
    const QString number = QString::number(index);
    return {number + " clear", number + " source ./modules/media/0" + number + ".wav",
            number + " play"};
}

const QStringList kBackground = {"0 source ./modules/media/00.mp3", "0 play"};
const QStringList kClearAll = {"0 clear", "1 clear", "2 clear", "3 clear", "4 clear"};

}  // namespace

class SoundBoardTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void playByIndex_data();
    void playByIndex();
    void backgroundIgnoresTheSwitch();
    void backgroundFollowsStartUpSoundAndLoops();
    void clearAllStopsTheLoop();
    void quickClicksRestartTheEffect();

    void mediaPlayerPlaysHeadless();
    void clearedMediaPlayerDoesNotFinish();
    void realPlayersFollowStartUpWithBackground();

private:
    QStringList log;
    std::unique_ptr<SoundBoard> board;

    RecordingPlayer* recording(int index) const {
        return static_cast<RecordingPlayer*>(board->player(index));
    }
};

void SoundBoardTest::init() {
    log.clear();
    board = std::make_unique<SoundBoard>(
        nullptr, [this](int index) { return new RecordingPlayer(index, &log); });
}

void SoundBoardTest::cleanup() {
    board.reset();
}

void SoundBoardTest::playByIndex_data() {
    QTest::addColumn<bool>("isEnabled");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("0 starts the background") << true << 0 << kBackground;
    for (int index = 1; index <= 4; ++index)
        QTest::addRow("effect %d", index) << true << index << effect(index);
    QTest::newRow("5 is no sound") << true << 5 << QStringList();
    QTest::newRow("255 is no sound") << true << 255 << QStringList();
    QTest::newRow("0 with sound off") << false << 0 << QStringList();
    QTest::newRow("4 with sound off") << false << 4 << QStringList();
}

void SoundBoardTest::playByIndex() {
    QFETCH(bool, isEnabled);
    QFETCH(int, index);
    QFETCH(QStringList, expected);

    board->setEnableAudio(isEnabled);
    board->playMedia_Index(uchar(index));
    QCOMPARE(log, expected);
}

void SoundBoardTest::backgroundIgnoresTheSwitch() {
    board->setEnableAudio(false);
    board->playMedia_Background();
    QCOMPARE(log, kBackground);
}

void SoundBoardTest::backgroundFollowsStartUpSoundAndLoops() {
    board->playMedia_Index(1);
    log.clear();

    recording(1)->finish();
    QCOMPARE(log, kBackground);
    recording(0)->finish();
    QCOMPARE(log, kBackground + kBackground);

    // The other effects end without consequence.
    log.clear();
    for (int index = 2; index <= 4; ++index) recording(index)->finish();
    QVERIFY(log.isEmpty());
}

// Turning sound off: the switch, then everything stops and stays stopped.
void SoundBoardTest::clearAllStopsTheLoop() {
    board->playMedia_Index(0);
    board->setEnableAudio(false);
    log.clear();
    board->clearAllMedia();
    QCOMPARE(log, kClearAll);

    log.clear();
    board->playMedia_Index(1);
    board->playMedia_Index(4);
    QVERIFY(log.isEmpty());
}

void SoundBoardTest::quickClicksRestartTheEffect() {
    board->playMedia_Index(4);
    board->playMedia_Index(4);
    QCOMPARE(log, effect(4) + effect(4));
}

// No sound device on the build machines: the player must still run the file
// to its end (or give up) instead of blocking.
void SoundBoardTest::mediaPlayerPlaysHeadless() {
    const QString wav = QFINDTESTDATA("../../data/modules/media/01.wav");
    QVERIFY(!wav.isEmpty());

    MediaSoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::finished);
    player.setSource(QUrl::fromLocalFile(wav));
    player.play();
    QTRY_VERIFY_WITH_TIMEOUT(
        !finished.isEmpty() || player.mediaPlayer()->error() != QMediaPlayer::NoError, 20000);
    if (finished.isEmpty()) qWarning() << "no playback:" << player.mediaPlayer()->errorString();
}

// A sound cut by clear() did not finish: nothing may follow it.
void SoundBoardTest::clearedMediaPlayerDoesNotFinish() {
    const QString wav = QFINDTESTDATA("../../data/modules/media/01.wav");
    QVERIFY(!wav.isEmpty());

    MediaSoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::finished);
    player.setSource(QUrl::fromLocalFile(wav));
    player.play();
    QMediaPlayer* media = player.mediaPlayer();
    QTRY_VERIFY_WITH_TIMEOUT(media->mediaStatus() == QMediaPlayer::BufferedMedia ||
                                 media->error() != QMediaPlayer::NoError,
                             10000);
    player.clear();
    QTest::qWait(2000);  // longer than the 1.3 s sound
    QVERIFY(finished.isEmpty());
    QVERIFY(media->source().isEmpty());
}

// The board as the view uses it, beside the shipped sounds: the background
// starts when the start-up sound has played, and stays off once cleared.
void SoundBoardTest::realPlayersFollowStartUpWithBackground() {
    const QString wav = QFINDTESTDATA("../../data/modules/media/01.wav");
    QVERIFY(!wav.isEmpty());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QFileInfo(wav).dir().absoluteFilePath("../..")));

    SoundBoard realBoard;
    auto media = [&realBoard](int index) {
        return static_cast<MediaSoundPlayer*>(realBoard.player(index))->mediaPlayer();
    };
    realBoard.playMedia_Index(1);
    QTRY_VERIFY_WITH_TIMEOUT(!media(0)->source().isEmpty(), 20000);
    realBoard.clearAllMedia();
    QDir::setCurrent(previous);
    for (int index = 0; index < SoundBoard::kPlayerCount; ++index)
        QVERIFY(media(index)->source().isEmpty());
    QTest::qWait(300);
    QVERIFY(media(0)->source().isEmpty());
}

QTEST_MAIN(SoundBoardTest)
#include "tst_sound_board.moc"
