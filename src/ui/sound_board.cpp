#include "ui/sound_board.h"

#include <QAudioOutput>
#include <QDir>
#include <QMediaPlayer>
#include <QTimer>

#include "common/logging.h"

namespace {

// The media back end wants absolute locations; relative names are files
// beside the executable, which is the working directory.
QUrl absoluteLocation(const QUrl& source) {
    if (source.isEmpty() || !source.isRelative()) return source;
    return QUrl::fromLocalFile(QDir::cleanPath(QDir::current().absoluteFilePath(source.path())));
}

}  // namespace

MediaSoundPlayer::MediaSoundPlayer(QObject* parent)
    : SoundPlayer(parent), loadingWatch(new QTimer(this)) {
    loadingWatch->setSingleShot(true);
    loadingWatch->setInterval(kLoadingPatience);
    connect(loadingWatch, &QTimer::timeout, this, &MediaSoundPlayer::onLoadingOverdue);
    makeBackEnd();
}

MediaSoundPlayer::~MediaSoundPlayer() {
    if (isLoading()) {
        retireBackEnd();
        return;
    }
    // The back end may still report while it shuts down, when this object is
    // already half gone.
    player->disconnect(this);
    player->stop();
}

void MediaSoundPlayer::makeBackEnd() {
    player = new QMediaPlayer(this);
    output = new QAudioOutput(this);
    player->setAudioOutput(output);
    connect(player, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) {
                // Queued: whoever listens restarts a player, and doing that
                // from inside the back end's own status report re-enters it.
                if (status == QMediaPlayer::EndOfMedia)
                    QMetaObject::invokeMethod(this, &MediaSoundPlayer::onEndOfMedia,
                                              Qt::QueuedConnection);
                if (status != QMediaPlayer::LoadingMedia && heldSource)
                    QMetaObject::invokeMethod(this, &MediaSoundPlayer::runHeldBack,
                                              Qt::QueuedConnection);
            });
    // A failed loading may not say so through the status.
    connect(player, &QMediaPlayer::errorOccurred, this, [this] {
        if (heldSource)
            QMetaObject::invokeMethod(this, &MediaSoundPlayer::runHeldBack, Qt::QueuedConnection);
    });
}

// The back end (with its output) deletes itself once its loading has ended
// or failed; one that never ends stays, which costs memory but no hang.
void MediaSoundPlayer::retireBackEnd() {
    QMediaPlayer* retired = player;
    retired->disconnect(this);
    retired->setParent(nullptr);
    output->setParent(retired);
    const auto deleteOnceSettled = [retired] {
        if (retired->mediaStatus() != QMediaPlayer::LoadingMedia ||
            retired->error() != QMediaPlayer::NoError)
            retired->deleteLater();
    };
    connect(retired, &QMediaPlayer::mediaStatusChanged, retired, deleteOnceSettled);
    connect(retired, &QMediaPlayer::errorOccurred, retired, deleteOnceSettled);
    player = nullptr;
    output = nullptr;
}

// After an error the back end's own thread has stopped, so nothing can meet it.
bool MediaSoundPlayer::isLoading() const {
    return player->mediaStatus() == QMediaPlayer::LoadingMedia &&
           player->error() == QMediaPlayer::NoError;
}

void MediaSoundPlayer::setLoadingPatience(int milliseconds) {
    loadingWatch->setInterval(milliseconds);
}

void MediaSoundPlayer::hold(const std::optional<QUrl>& source) {
    heldSource = source;
    isHeldPlay = false;
    if (!heldSource)
        loadingWatch->stop();
    else if (!loadingWatch->isActive())
        loadingWatch->start();
}

void MediaSoundPlayer::setSource(const QUrl& source) {
    const QUrl location = absoluteLocation(source);
    if (isLoading()) {
        hold(location == player->source() ? std::nullopt : std::optional<QUrl>(location));
        return;
    }
    hold(std::nullopt);
    player->setSource(location);
}

void MediaSoundPlayer::play() {
    if (heldSource) {
        isHeldPlay = true;
        return;
    }
    player->play();
}

void MediaSoundPlayer::clear() {
    if (isLoading()) {
        hold(QUrl());
        return;
    }
    hold(std::nullopt);
    player->stop();
    player->setSource(QUrl());
}

void MediaSoundPlayer::runHeldBack() {
    if (!heldSource || isLoading()) return;
    const QUrl source = *heldSource;
    const bool isPlay = isHeldPlay;
    if (source.isEmpty()) {
        clear();
        return;
    }
    setSource(source);
    if (isPlay) play();
}

// A loading that does not end would keep the last request waiting for good:
// a fresh back end takes it instead.
void MediaSoundPlayer::onLoadingOverdue() {
    if (!heldSource) return;
    if (isLoading()) {
        qCWarning(lcUi) << "sound player: loading" << player->source().toString()
                        << "did not end; starting a new media back end";
        retireBackEnd();
        makeBackEnd();
    }
    runHeldBack();
}

void MediaSoundPlayer::onEndOfMedia() {
    // A clear() or a new source between the end and this call cancels it: the
    // sound that ended was cut, not finished.
    if (player->mediaStatus() == QMediaPlayer::EndOfMedia) emit finished();
}

SoundBoard::SoundBoard(QObject* parent, const SoundPlayerFactory& factory)
    : QObject(parent), makePlayer(factory) {}

QUrl SoundBoard::sourceFor(int index) {
    const QString suffix = index == kBackground ? QStringLiteral("mp3") : QStringLiteral("wav");
    return QUrl(
        QStringLiteral("./modules/media/%1.%2").arg(index, 2, 10, QLatin1Char('0')).arg(suffix));
}

SoundPlayer* SoundBoard::player(int index) const {
    if (index < 0 || index >= kPlayerCount) return nullptr;
    return players[static_cast<std::size_t>(index)];
}

SoundPlayer* SoundBoard::playerFor(int index) {
    SoundPlayer*& slot = players[static_cast<std::size_t>(index)];
    if (slot) return slot;
    slot = makePlayer ? makePlayer(index) : nullptr;
    if (!slot) slot = new MediaSoundPlayer;
    slot->setParent(this);
    // The background loops, and it follows the start-up sound by itself.
    if (index == kBackground || index == kStartUp)
        connect(slot, &SoundPlayer::finished, this, &SoundBoard::playMedia_Background);
    emit playerMade(index, slot);
    return slot;
}

void SoundBoard::setEnableAudio(bool isEnable) {
    enableAudio = isEnable;
}

void SoundBoard::playMedia_Index(uchar index) {
    if (!enableAudio || index >= kPlayerCount) return;
    if (index == kBackground) {
        playMedia_Background();
        return;
    }
    // Clearing first cuts an effect that is still playing, so a second click
    // restarts the sound instead of overlapping it.
    SoundPlayer* effect = playerFor(index);
    effect->clear();
    effect->setSource(sourceFor(index));
    effect->play();
}

void SoundBoard::playMedia_Background() {
    SoundPlayer* background = playerFor(kBackground);
    background->setSource(sourceFor(kBackground));
    background->play();
}

// A player never made has nothing to stop.
void SoundBoard::clearAllMedia() {
    for (SoundPlayer* each : players)
        if (each) each->clear();
}
