// Exhaust beat; see ExhaustSound.h.
#include "app/ExhaustSound.h"

#include <QSoundEffect>
#include <QUrl>

namespace vt {

ExhaustSound::ExhaustSound(QString file) : file_(std::move(file)) {}

ExhaustSound::~ExhaustSound() = default;

double ExhaustSound::LevelOf(uint32_t word) { return double(word & 0xFFFFu) / 65535.0; }

void ExhaustSound::SetVolume(uint32_t word) {
    level_ = LevelOf(word);
    if (effect_) effect_->setVolume(float(level_));
}

void ExhaustSound::Play() {
    if (file_.isEmpty()) return;
    if (!effect_) {
        effect_ = std::make_unique<QSoundEffect>();
        effect_->setSource(QUrl::fromLocalFile(file_));
        effect_->setVolume(float(level_));
    }
    if (effect_->status() == QSoundEffect::Error) return;
    effect_->stop();
    effect_->play();
}

} // namespace vt
