#include "ui/sound_board.h"

#include <QAudioOutput>
#include <QDir>
#include <QMediaPlayer>

MediaSoundPlayer::MediaSoundPlayer(QObject* parent)
    : SoundPlayer(parent), player(new QMediaPlayer(this)), output(new QAudioOutput(this)) {
    player->setAudioOutput(output);
    connect(player, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) {
                // Queued: whoever listens restarts a player, and doing that
                // from inside the back end's own status report re-enters it.
                if (status == QMediaPlayer::EndOfMedia)
                    QMetaObject::invokeMethod(this, &MediaSoundPlayer::onEndOfMedia,
                                              Qt::QueuedConnection);
            });
}

MediaSoundPlayer::~MediaSoundPlayer() {
    // The back end may still report while it shuts down, when this object is
    // already half gone.
    player->disconnect(this);
    player->stop();
}

void MediaSoundPlayer::setSource(const QUrl& source) {
    // The media back end wants absolute locations; relative names are files
    // beside the executable, which is the working directory.
    QUrl location = source;
    if (!source.isEmpty() && source.isRelative())
        location =
            QUrl::fromLocalFile(QDir::cleanPath(QDir::current().absoluteFilePath(source.path())));
    player->setSource(location);
}

void MediaSoundPlayer::play() {
    player->play();
}

void MediaSoundPlayer::clear() {
    player->stop();
    player->setSource(QUrl());
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
