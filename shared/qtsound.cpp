#include "qtsound.h"

#include <QUrl>

QtSound::QtSound() = default;

QtSound::~QtSound() = default;

int QtSound::openWave(const QString& alias, const QString& path) {
    auto effect = std::make_shared<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(path));
    m_effects.insert(alias, std::move(effect));
    return Ok;
}

void QtSound::play(const QString& alias) {
    // QSoundEffect loads in the background and starts once the file is read.
    if (const auto effect = m_effects.value(alias))
        effect->play();
}

void QtSound::stop(const QString& alias) {
    if (const auto effect = m_effects.value(alias))
        effect->stop();
}

void QtSound::close(const QString& alias) {
    if (const auto effect = m_effects.take(alias))
        effect->stop();
}
