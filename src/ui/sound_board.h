#pragma once

#include <QObject>
#include <QUrl>
#include <QtGlobal>
#include <array>
#include <functional>
#include <optional>

class QAudioOutput;
class QMediaPlayer;
class QTimer;

// One sound channel. A seam so tests can see what is played without audio.
//
// Threads: GUI thread only.
class SoundPlayer : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // A relative URL names a file relative to the working directory.
    virtual void setSource(const QUrl& source) = 0;
    // Plays the source from the start, or from where it was paused.
    virtual void play() = 0;
    // Stops and drops the source; a cleared player does not report finished.
    virtual void clear() = 0;

signals:
    // The source played to its end.
    void finished();
};

// A SoundPlayer on Qt Multimedia: a QMediaPlayer with its own audio output.
// A missing or unplayable file, or a machine without a sound device, leaves
// the player silent; errors are not reported (nothing would act on them).
//
// While the back end is still loading a source, a new source or a clear()
// is held back and done once loading has ended (or failed): the GStreamer
// back end flushes the pipeline for them from the calling thread, and if
// that meets the pipeline's own thread connecting the decoder it has just
// found, the two wait for each other for good (seen on a loaded machine,
// where loading takes long). The last request wins; asking for the source
// that is loading drops what was held back, as that source starts from its
// beginning anyway. A loading that has not ended after a while is given up
// on: its back end is left to delete itself and a new one takes the
// request. Destroyed while loading, the player leaves its back end to the
// same end.
//
// Threads: GUI thread only; the media back end reports through its events.
class MediaSoundPlayer final : public SoundPlayer {
    Q_OBJECT

public:
    explicit MediaSoundPlayer(QObject* parent = nullptr);
    ~MediaSoundPlayer() override;

    void setSource(const QUrl& source) override;
    void play() override;
    void clear() override;

    // For diagnostics and tests: the player underneath.
    QMediaPlayer* mediaPlayer() const { return player; }
    // Whether a new source or a clear() waits for loading to end.
    bool isHoldingBack() const { return heldSource.has_value(); }
    // How long a held-back request waits before the back end is replaced.
    void setLoadingPatience(int milliseconds);

    static constexpr int kLoadingPatience = 10000;

private:
    void makeBackEnd();
    void retireBackEnd();
    bool isLoading() const;
    void hold(const std::optional<QUrl>& source);
    void onEndOfMedia();
    void runHeldBack();
    void onLoadingOverdue();

    QMediaPlayer* player = nullptr;
    QAudioOutput* output = nullptr;
    QTimer* loadingWatch;
    // Held back while loading: the source to set (empty: clear) and
    // whether to play it.
    std::optional<QUrl> heldSource;
    bool isHeldPlay = false;
};

// Makes the player of one sound index (0 background, 1 to 4 effects).
using SoundPlayerFactory = std::function<SoundPlayer*(int index)>;

// The front end's five sounds: a background track that restarts whenever it
// or the start-up sound ends, and four effects started by number. The view
// forwards its sound slots here.
//
// A player is made the first time its sound is needed, never while the
// sound switch keeps it silent: making one starts the media back end, which
// on a machine without a sound server probes every sound system it knows.
//
// Threads: GUI thread only; owns its players (Qt children).
class SoundBoard : public QObject {
    Q_OBJECT

public:
    static constexpr int kPlayerCount = 5;
    static constexpr int kBackground = 0;
    static constexpr int kStartUp = 1;

    // Without a factory the players are MediaSoundPlayers.
    explicit SoundBoard(QObject* parent = nullptr, const SoundPlayerFactory& factory = {});

    // The file of a sound index as the player is given it: relative to the
    // working directory, which is the executable's folder.
    static QUrl sourceFor(int index);

    bool isEnableAudio() const { return enableAudio; }
    // The player of a sound index; null until that sound was first needed.
    SoundPlayer* player(int index) const;

public slots:
    // The sound switch; nothing starts or stops here.
    void setEnableAudio(bool isEnable);
    // Index 0 starts the background, 1 to 4 restart that effect from the
    // beginning; nothing with the switch off or an index above 4.
    void playMedia_Index(uchar index);
    // (Re)starts the background whatever the switch says: a loop that runs
    // keeps running until clearAllMedia().
    void playMedia_Background();
    // Stops every player, 0 to 4 in order.
    void clearAllMedia();

signals:
    // The player of a sound index was made, just before its first use.
    void playerMade(int index, SoundPlayer* player);

private:
    SoundPlayer* playerFor(int index);

    SoundPlayerFactory makePlayer;
    std::array<SoundPlayer*, kPlayerCount> players{};
    bool enableAudio = true;
};
