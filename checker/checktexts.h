#pragma once

#include <QString>
#include <QStringView>

class TextCatalog;

// The one-line reasons of the disc check in one language, keyed by the
// finding's code. Placeholders %1, %2 ... are filled by the check.
class CheckTexts {
public:
    // "EN" picks English, "IT" Italian (any letter case), another language its
    // own texts when they ship; a language that does not ship gets Italian.
    explicit CheckTexts(QStringView language);

    bool isEnglish() const;
    // The reason for code; the code itself (with a warning) when it is unknown.
    QString text(QStringView code) const;

private:
    const TextCatalog* m_catalog;
};
