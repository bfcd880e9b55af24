#include "platform/AsyncSound.h"
#include "platform/CoursePath.h"
#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

AsyncSound::AsyncSound() = default;
AsyncSound::~AsyncSound() = default;

AsyncSound::Outcome AsyncSound::play(const QString& relativePath)
{
    const QString path = courseFilePath(relativePath);
    if (!QFileInfo(path).isFile()) {
        QApplication::beep();
        return Outcome::Alert;
    }
    if (!effect_)
        effect_ = std::make_unique<QSoundEffect>();
    if (source_ != path) {
        source_ = path;
        effect_->setSource(QUrl::fromLocalFile(path));
    }
    if (effect_->status() == QSoundEffect::Error) {
        QApplication::beep();
        return Outcome::Alert;
    }
    effect_->play();  // restarts a sound still playing
    return Outcome::Played;
}
