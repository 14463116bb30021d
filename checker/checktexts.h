#pragma once

#include <QString>
#include <QStringView>

// The one-line reasons of the disc check, in Italian and English, keyed by the
// finding's code. Placeholders %1, %2 ... are filled by the check.
class CheckTexts {
public:
    // "EN" picks English; anything else Italian, as both programs do.
    explicit CheckTexts(QStringView language);

    bool isEnglish() const { return m_english; }
    // The reason for code; the code itself (with a warning) when it is unknown.
    QString text(QStringView code) const;

private:
    bool m_english = false;
};
