#pragma once
#include <QString>
#include <memory>

class QSoundEffect;

// Plays a sound file without ever waiting for it: each call restarts the
// sound from its beginning; a missing file gives the desktop's alert sound.
class AsyncSound {
public:
    enum class Outcome { Played, Alert };
    AsyncSound();
    ~AsyncSound();
    Outcome play(const QString& relativePath);

private:
    std::unique_ptr<QSoundEffect> effect_;  // made on first use: audio start-up costs
    QString source_;
};
