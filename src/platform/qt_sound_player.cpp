#include "platform/qt_sound_player.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace orvanta {

namespace {
// A sound that never reports its end must not hold the station forever.
constexpr int kLongestSoundMs = 30'000;
} // namespace

void QtSoundPlayer::playAndWait(const QString &path)
{
    if (!QFileInfo(path).isFile() || QMediaDevices::audioOutputs().isEmpty())
        return;
    QSoundEffect effect;
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect.status() == QSoundEffect::Ready)
            effect.play();
        else if (effect.status() == QSoundEffect::Error)
            loop.quit();
    });
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect.isPlaying())
            loop.quit();
    });
    effect.setSource(QUrl::fromLocalFile(path));
    if (effect.status() == QSoundEffect::Ready)
        effect.play();
    guard.start(kLongestSoundMs);
    loop.exec();
}

} // namespace orvanta
