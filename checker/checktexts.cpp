#include "checktexts.h"

#include <QDebug>

namespace {

struct CheckTextRow {
    const char16_t* code;
    const char16_t* italian;
    const char16_t* english;
};

constexpr CheckTextRow kRows[] = {
    {u"missing-file", u"%1 non esiste sul disco", u"%1 is not on the disc"},
    {u"case-only-match",
     u"%1 esiste solo come %2: qui funziona, ma non su una copia che distingue maiuscole e "
     u"minuscole",
     u"%1 exists only as %2: it works here, it fails on a case-sensitive copy"},
    {u"zip-unreadable", u"%1 non è un archivio zip leggibile", u"%1 is not a readable zip archive"},
    {u"zip-unsafe-member", u"%1: l'elemento \"%2\" verrebbe rifiutato all'estrazione (%3)",
     u"%1: the member \"%2\" would be refused when unzipped (%3)"},
    {u"picture-unreadable", u"%1 esiste ma non si apre come immagine",
     u"%1 exists but does not load as a picture"},
    {u"unknown-category",
     u"la categoria \"%1\" non è tra le categorie: il menu non mostra mai questa applicazione",
     u"its category \"%1\" is not one of the categories: the menu never shows it"},
    {u"uncategorised",
     u"non ha ancora una categoria (n/a): con le categorie attive il menu non la elenca",
     u"it has no category yet (n/a): while categories are on the menu does not list it"},
    {u"no-categories",
     u"le categorie sono attive ma nessuna è elencata: il menu non mostra alcuna applicazione",
     u"categories are on but none is listed: the menu shows no application"},
    {u"control-outside-window", u"%1 sta del tutto fuori dalla finestra",
     u"%1 lies wholly outside the window"},
    {u"window-too-small", u"la finestra (%1 × %2) è più piccola della sua barra dei menu",
     u"the window (%1 × %2) is smaller than its menu bar"},
    {u"unencodable-value", u"il valore contiene un carattere che config.ini non può conservare: %1",
     u"the value holds a character that config.ini cannot store: %1"},
    {u"utf8-value",
     u"il valore è scritto in UTF-8: il menu mostrerebbe \"%1\" (config.ini è in Windows-1252)",
     u"the value is written in UTF-8: the menu would show \"%1\" (config.ini is Windows-1252)"},
    {u"windows-only",
     u"%1 funziona solo su Windows: un disco per entrambi i sistemi deve avere anche un comando "
     u"per Linux",
     u"%1 only runs on Windows: a disc for both systems needs a Linux command too"},
    {u"linux-only",
     u"%1 funziona solo su Linux, e solo finché ha il permesso di esecuzione (che FAT e ISO 9660 "
     u"senza Rock Ridge non conservano): un disco per entrambi i sistemi deve avere anche un "
     u"comando per Windows",
     u"%1 only runs on Linux, and only while it keeps its execute bit (FAT and ISO 9660 without "
     u"Rock Ridge do not keep it): a disc for both systems needs a Windows command too"},
    {u"no-shebang", u"%1 è uno script senza la riga #!: non si avvia",
     u"%1 is a script without a #! line: it does not start"},
    {u"exec-bit",
     u"%1 ha bisogno del permesso di esecuzione, che questa copia non ha e che supporti come FAT "
     u"o ISO 9660 non conservano",
     u"%1 needs its execute bit, which this copy lacks and media such as FAT or ISO 9660 do not "
     u"keep"},
    {u"window-too-large",
     u"la finestra (%1 × %2) supera 1024 × 768: non entra negli schermi dei portatili piccoli e "
     u"dei proiettori",
     u"the window (%1 × %2) is larger than 1024 × 768: small laptop screens and projectors cut "
     u"it"},
    {u"controls-overlap", u"%1 e %2 si sovrappongono", u"%1 and %2 overlap"},
    {u"duplicate-name", u"ha lo stesso nome dell'applicazione %1",
     u"it has the same name as application %1"},
    {u"empty-name", u"l'applicazione non ha nome", u"the application has no name"},
    {u"long-description",
     u"la descrizione (%1 caratteri) è più lunga di quanto mostra il pannello di testo (circa %2)",
     u"the description (%1 characters) is longer than the text panel shows (about %2)"},
    {u"look-alike-tag", u"\"%1\" sembra un tag ma non lo è: il menu ignora la riga",
     u"\"%1\" looks like a tag but is none: the menu ignores the line"},
    {u"unnamed-file", u"%1 non è nominato da nulla", u"nothing names %1"},
    {u"disc-too-large", u"il disco occupa %1 MB, più di un %2 (%3 MB)",
     u"the disc holds %1 MB, more than a %2 (%3 MB)"},
    {u"label-error", u"ERRORE", u"ERROR"},
    {u"label-warning", u"AVVISO", u"WARNING"},
    {u"label-info", u"INFO", u"INFO"},
    {u"label-app", u"applicazione %1 \"%2\"", u"application %1 \"%2\""},
    {u"summary", u"%1 errori, %2 avvisi, %3 informazioni", u"%1 errors, %2 warnings, %3 notes"},
    {u"clean", u"Nessun problema: il disco è pronto.", u"No problems: the disc is ready."},
    {u"unreadable-config", u"config.ini non si legge: %1", u"config.ini cannot be read: %1"},
};

} // namespace

CheckTexts::CheckTexts(QStringView language)
    : m_english(language.compare(u"EN", Qt::CaseInsensitive) == 0) {}

QString CheckTexts::text(QStringView code) const {
    for (const CheckTextRow& row : kRows) {
        if (code == row.code)
            return QString::fromUtf16(m_english ? row.english : row.italian);
    }
    qWarning() << "No text for the check" << code;
    return code.toString();
}
