// The exhaust beat: "Exhaust.wav" played asynchronously at the wave volume last set. A new
// beat cuts off one still playing. No file or no sound device: nothing plays, nothing
// complains, nothing waits.
#pragma once

#include <QString>

#include <cstdint>
#include <memory>

class QSoundEffect;

namespace vt {

class ExhaustSound {
public:
    explicit ExhaustSound(QString file);
    ~ExhaustSound();

    // Both channels' 16-bit levels in one word, as the wave output takes them.
    void SetVolume(uint32_t word);
    void Play();

    // The level of one channel, 0..1, that a volume word stands for.
    static double LevelOf(uint32_t word);

private:
    QString file_;
    double level_ = 0.5;
    std::unique_ptr<QSoundEffect> effect_; // made at the first beat
};

} // namespace vt
