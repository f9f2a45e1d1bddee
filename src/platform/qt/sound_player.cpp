#include "platform/qt/sound_player.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace tw {

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(const std::string& path) {
  if (effect_) effect_->stop();
  const QString file = QString::fromStdString(path);
  if (!QFileInfo(file).isFile()) return;
  if (!effect_) {
    // With no audio device the game plays on in silence.
    if (QMediaDevices::defaultAudioOutput().isNull()) return;
    effect_ = std::make_unique<QSoundEffect>();
  }
  effect_->setSource(QUrl::fromLocalFile(file));
  effect_->play();
}

}  // namespace tw
