#pragma once

#include <prompts.h>

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

// The editor's texts in one language: message texts and titles, dialog titles,
// tooltips, object names, the captions of the main window (keyed by control or
// menu item name) and the file-dialog filters. Chosen once at start-up; the
// texts come from the language's translation (see TextCatalog).
class UiTexts {
public:
    // "EN" picks English, "IT" Italian, another language its own texts when
    // they ship; a language that does not ship gets Italian.
    explicit UiTexts(QStringView language);

    // Empty for a key that has a text in the other language only; an unknown
    // key gives empty text and a warning.
    const QString& text(QStringView key) const;

    // The entries of a file dialog's type list; empty (with a warning) for an
    // unknown key.
    QList<Prompts::FileFilter> filter(QStringView key) const;

    bool isEnglish() const { return language_ == u"EN"; }
    // The language the texts are in: "IT", "EN", ...
    const QString& language() const { return language_; }

    // Every text key and every filter key that the table knows.
    static QStringList textKeys();
    static QStringList filterKeys();

private:
    QString language_;
    QHash<QString, QString> texts_;
    QHash<QString, QList<Prompts::FileFilter>> filters_;
};

// Turns "Bitmaps (*.bmp)|*.bmp|GIF (*.gif)|*.gif" into its filter entries; a
// description without a pattern is dropped.
QList<Prompts::FileFilter> filtersFromPairs(QStringView pairs);
