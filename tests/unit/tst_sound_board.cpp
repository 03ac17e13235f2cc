// The front end's sounds: which player is told what, when the background
// loop starts and stops, and that the real media player runs headless
// without hanging the program.

#include <QMediaPlayer>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "guarded_test_case.h"
#include "ui/sound_board.h"

namespace {

// Writes one line per call into a shared log, e.g. "4 source ./modules/media/04.wav".
class RecordingPlayer final : public SoundPlayer {
public:
    RecordingPlayer(int playerIndex, QStringList* sharedLog) : index(playerIndex), log(sharedLog) {}

    void setSource(const QUrl& source) override { note("source " + source.toString()); }
    void play() override { note("play"); }
    void clear() override { note("clear"); }
    void finish() { emit finished(); }  // the sound played to its end

private:
    void note(const QString& call) { log->append(QString::number(index) + " " + call); }

    int index;
    QStringList* log;
};

QStringList effect(int index) {
    const QString number = QString::number(index);
    return {number + " clear", number + " source ./modules/media/0" + number + ".wav",
            number + " play"};
}

// The first use of a sound makes its player, then plays.
QStringList made(int index) {
    return {QString::number(index) + " made"};
}

const char* const kLoadedAtOnce = "the media back end loaded the source at once";

const QStringList kBackground = {"0 source ./modules/media/00.mp3", "0 play"};

}  // namespace

class SoundBoardTest : public GuardedTestCase {
    Q_OBJECT

private slots:
    // Steps: "off" (the sound switch), "play n" (playMedia_Index), "background"
    // (playMedia_Background), "finish n" (player n played to its end),
    // "clear" (clearAllMedia). Players are made on first use only.
    void board_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("nothing made before a sound") << "clear" << QStringList();
        QTest::newRow("0 starts the background") << "play 0" << made(0) + kBackground;
        QTest::newRow("effects 1 and 4")
            << "play 1, play 4" << made(1) + effect(1) + made(4) + effect(4);
        QTest::newRow("above 4 no sound") << "play 5, play 255" << QStringList();
        QTest::newRow("switch off makes nothing")
            << "off, play 0, play 1, play 4, clear" << QStringList();
        QTest::newRow("switch off, background called")
            << "off, background" << made(0) + kBackground;
        QTest::newRow("background after start-up, loops")
            << "play 1, finish 1, finish 0"
            << made(1) + effect(1) + made(0) + kBackground + kBackground;
        QTest::newRow("sound off stops the players made")
            << "play 0, play 4, off, clear, play 1"
            << made(0) + kBackground + made(4) + effect(4) + QStringList{"0 clear", "4 clear"};
        QTest::newRow("quick clicks restart, one player")
            << "play 4, play 4" << made(4) + effect(4) + effect(4);
    }
    void board() {
        QFETCH(QString, steps);
        QFETCH(QStringList, expected);
        QStringList log;
        SoundBoard board(nullptr, [&log](int index) {
            log.append(QString::number(index) + " made");
            return new RecordingPlayer(index, &log);
        });
        for (const QString& step : steps.split(", ")) {
            const int index = step.section(' ', 1).toInt();
            if (step == "off")
                board.setEnableAudio(false);
            else if (step.startsWith("play"))
                board.playMedia_Index(uchar(index));
            else if (step == "background")
                board.playMedia_Background();
            else if (step.startsWith("finish"))
                static_cast<RecordingPlayer*>(board.player(index))->finish();
            else if (step == "clear")
                board.clearAllMedia();
        }
        QCOMPARE(log, expected);
    }

    // While the back end loads a source, a new source or a clear() waits for
    // the loading to end (or fail) and then wins; asking again for the source
    // that is loading drops what waited. Steps follow "source 1, play" on a
    // fresh player: "source 1" is the loading file (a sound, or one that
    // fails to load), "source 2" the file 02.wav, "play", "clear".
    void mediaPlayerHoldsBackWhileLoading_data() {
        QTest::addColumn<bool>("isBroken");  // the loading file fails
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("finalFile");  // "1", "2" or "" for no source
        QTest::addColumn<int>("sourcesGiven");   // sources the back end was given
        for (const bool isBroken : {false, true}) {
            const char* first = isBroken ? "broken: " : "sound: ";
            auto row = [first](const char* name) {
                return &QTest::newRow(qPrintable(QString(first) + name));
            };
            *row("another source") << isBroken << "source 2, play"
                                   << "2" << 2;
            *row("clear") << isBroken << "clear"
                          << "" << 2;
            *row("clear, then the loading one again") << isBroken << "clear, source 1, play"
                                                      << "1" << 1;
            *row("another, then the loading one again")
                << isBroken << "source 2, play, source 1, play"
                << "1" << 1;
            *row("another, then clear") << isBroken << "source 2, play, clear"
                                        << "" << 2;
        }
    }
    void mediaPlayerHoldsBackWhileLoading() {
        QFETCH(bool, isBroken);
        QFETCH(QString, steps);
        QFETCH(QString, finalFile);
        QFETCH(int, sourcesGiven);
        const Files files = makeFiles(isBroken);
        QVERIFY(files.isValid());
        MediaSoundPlayer player;
        QMediaPlayer* media = player.mediaPlayer();
        QSignalSpy given(media, &QMediaPlayer::sourceChanged);
        if (!startLoading(player, files.first)) QSKIP(kLoadedAtOnce);
        for (const QString& step : steps.split(", ")) {
            if (step == "source 1")
                player.setSource(files.first);
            else if (step == "source 2")
                player.setSource(files.second);
            else if (step == "play")
                player.play();
            else if (step == "clear")
                player.clear();
        }
        // Nothing reached the back end while it loaded.
        QCOMPARE(int(given.count()), 1);
        QTRY_VERIFY_WITH_TIMEOUT(!player.isHoldingBack(), 20000);
        QCOMPARE(player.mediaPlayer(), media);
        QCOMPARE(media->source(), files.named(finalFile));
        QCOMPARE(int(given.count()), sourcesGiven);
    }

    // A loading that outlasts the player's patience does not keep the last
    // request waiting: it is done, on a new back end if the old one still
    // loads, and the old one goes once its loading has ended.
    void mediaPlayerGivesUpOnALongLoading() {
        const Files files = makeFiles(false);
        QVERIFY(files.isValid());
        MediaSoundPlayer player;
        player.setLoadingPatience(0);
        QPointer<QMediaPlayer> first = player.mediaPlayer();
        if (!startLoading(player, files.first)) QSKIP(kLoadedAtOnce);
        player.setSource(files.second);
        player.play();
        QVERIFY(player.isHoldingBack());
        QTRY_VERIFY_WITH_TIMEOUT(!player.isHoldingBack(), 20000);
        QCOMPARE(player.mediaPlayer()->source(), files.second);
        QTRY_VERIFY_WITH_TIMEOUT(first.isNull() || first == player.mediaPlayer(), 20000);
    }

    // Destroyed while its back end loads, the player returns at once and the
    // back end deletes itself once the loading has ended.
    void mediaPlayerDestroyedWhileLoading() {
        const Files files = makeFiles(false);
        QVERIFY(files.isValid());
        auto player = std::make_unique<MediaSoundPlayer>();
        QPointer<QMediaPlayer> media = player->mediaPlayer();
        if (!startLoading(*player, files.first)) QSKIP(kLoadedAtOnce);
        player.reset();
        QVERIFY(!media.isNull());
        QTRY_VERIFY_WITH_TIMEOUT(media.isNull(), 20000);
    }

private:
    // The files a holding-back test plays: the loading one, 02.wav, and
    // the URL of either by its number.
    struct Files {
        std::shared_ptr<QTemporaryDir> folder;  // keeps a broken file
        QUrl first;
        QUrl second;
        bool isValid() const { return first.isValid() && second.isValid(); }
        QUrl named(const QString& number) const {
            return number == "1" ? first : number == "2" ? second : QUrl();
        }
    };

    static Files makeFiles(bool isBroken) {
        Files files;
        const QString sound = QFINDTESTDATA("../../data/modules/media/01.wav");
        if (sound.isEmpty()) return files;
        const QString folder = QFileInfo(sound).path();
        files.second = QUrl::fromLocalFile(folder + "/02.wav");
        if (!isBroken) {
            files.first = QUrl::fromLocalFile(sound);
            return files;
        }
        files.folder = std::make_shared<QTemporaryDir>();
        QFile broken(files.folder->filePath("broken.wav"));
        if (!broken.open(QIODevice::WriteOnly) || broken.write(QByteArray(4096, 'x')) != 4096)
            return files;
        files.first = QUrl::fromLocalFile(broken.fileName());
        return files;
    }

    // Gives the player its first source and asks it to play; whether it is
    // loading now. The back end reports the end of loading through the
    // event loop, so only a back end that loads at once says no.
    static bool startLoading(MediaSoundPlayer& player, const QUrl& source) {
        player.setSource(source);
        player.play();
        return player.mediaPlayer()->mediaStatus() == QMediaPlayer::LoadingMedia;
    }
};

QTEST_MAIN(SoundBoardTest)
#include "tst_sound_board.moc"
