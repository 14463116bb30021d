#include "uitexts.h"

#include <QDebug>
#include <QStringList>

#include <iterator>

namespace {

struct TextRow {
    const char16_t* key;
    const char16_t* italian;
    const char16_t* english;
};

// Both columns of every text. An empty column means "no text in this language".
// The Italian captions of the main window are its designed captions.
constexpr TextRow textRows[] = {
    // Main window captions, keyed by control name.
    {u"Form2", u"Menusmith. ", u"Menusmith. "},
    {u"Option1", u"File", u"File"},
    {u"Option2", u"Configurazione testo", u"Text Configuration"},
    {u"Option3", u"Icone", u"Icons"},
    {u"Option4", u"Database", u"Database"},
    {u"Option5", u"Categorie", u"Category set"},
    {u"Command13", u"Aspetto Grafico  (Salva prima)", u"Graphics"},
    {u"Command25", u"HELP", u"HELP"},
    {u"Label28", u"Web Page di Tarsel", u"Tarsel Web Page"},
    {u"Label15", u"E-mail", u"E-mail"},
    {u"Command2", u"Nuovo Progetto", u"New Project"},
    {u"Command1", u"Apri", u"Open Project"},
    {u"Command10", u"Salva", u"Save Project"},
    {u"Command3", u"Esci", u"Exit"},
    {u"Command22", u"Testa menu.exe", u"Test menu.exe"},
    {u"Frame5", u"Percorso di config.ini", u"Location of config.ini"},
    {u"Label26",
     u"Aprite il file config.ini per modificarlo. Oppure createlo ex-novo. Poi però "
     u"ricordatevi di salvarlo. ",
     u"Open config.ini or create a new one but remember to save it."},
    {u"Frame22", u"Codifica di config.ini", u"Encoding of config.ini"},
    {u"Frame7", u"Titolo dell'applicazione", u"Title"},
    {u"Frame9", u"Introduzione", u"Introduction"},
    {u"Frame8", u"Testo nell'about box", u"Text in the about box"},
    {u"Frame23", u"Lingua del menu", u"Menu language"},
    {u"txtLanguageAuto", u"Automatica", u"Automatic"},
    {u"txtLanguageIT", u"Italiano", u"Italian"},
    {u"txtLanguageEN", u"Inglese", u"English"},
    {u"Label27",
     u"Specificate il titolo che menu.exe deve avere, il testo introduttivo, e quello che "
     u"deve essere scritto su menu.exe",
     u"Menu.exe must have the introduction text, the text in the about box, and the Title."},
    {u"Label25",
     u"Scegliete la grafica per i pulsati dell'applicazione (\"INSTALLA\" e \"EXTRA\") e "
     u"l'icona di default di menu.exe",
     u"Select the graphic for the buttons and the default icon "},
    {u"Label4", u"Icona di Default", u"Default Icon"},
    {u"Label5", u"Icona per il pulsante \"INSTALLA\"", u"Icon for Button 1"},
    {u"Label12", u"Icona per il pulsante \"INSTALLA\" premuto", u"Icon for Button 1 pushed"},
    {u"Label13", u"Icona per il pulsante EXTRA", u"Icon for Button 2"},
    {u"Label14", u"Icona per il pulsante EXTRA premuto", u"Icon for Button 2 pushed"},
    {u"Frame10", u"Menu", u"Menu"},
    {u"Command5", u"AGGIUNGI", u"Add"},
    {u"Command4", u"MODIFICA", u"Modify"},
    {u"Command6", u"ELIMINA", u"Delete"},
    {u"Command7", u"OK", u"OK"},
    {u"Command99", u"CANCELLA", u"CANCEL"},
    {u"Frame13", u"Descrizione del programma", u"Description"},
    {u"Label17", u"Nome", u"Name"},
    {u"Label18", u"Descrizione", u"Description"},
    {u"Label19", u"Immagine", u"Picture"},
    {u"Frame14", u"Pulsante 1: INSTALLA", u"Button 1"},
    {u"Label20", u"Testo", u"Text"},
    {u"Label23", u"Testo", u"Text"},
    {u"Label21", u"Programma", u"Program"},
    {u"Label24", u"Programma", u"Program"},
    {u"Label22", u"Percorso", u"Path"},
    {u"Frame15", u"Pulsante 3: EXTRA", u"Button 2"},
    {u"Label30", u"Categoria: ", u"category"},
    {u"Check1", u"Abilitazione Categorie", u"Use Categories"},
    {u"Label29", u"Nuova Categoria", u"Add New Category"},
    {u"Command28", u"Aggiungi", u"ADD"},
    {u"Command29", u"Rimuovi", u"Remove"},
    {u"Command30", u"OK", u"OK"},
    {u"Command31", u"Cancella", u"Cancel"},

    // Main window menus, keyed by item name.
    {u"file", u"File", u"File"},
    {u"nuovo", u"&Nuovo Progetto...", u"New Project"},
    {u"load", u"&Apri...", u"Open Project"},
    {u"save", u"&Salva", u"Save"},
    {u"testamenu2", u"Testa menu.exe", u"Test menu"},
    {u"esci", u"&Esci", u"Exit"},
    {u"Progetto", u"&Progetto", u"Project"},
    {u"file2", u"&File ", u"File"},
    {u"Configurazionetesto", u"&Configurazione testo", u"Text config"},
    {u"icone", u"&Icone", u"Icons"},
    {u"categorie", u"&Categorie", u"Category set"},
    {u"database", u"&Database", u"Database"},
    {u"AspettoGrafico", u"Aspetto &Grafico", u"Graphics"},
    {u"Help", u"&Help", u"Help"},
    {u"Readme", u"Guida", u"Readme"},
    {u"Aboutbox", u"About", u"About"},
    {u"Emailme", u"E-mail", u"E-mail"},
    {u"suggerimenti", u"Invia Suggerimenti", u"Suggestions"},
    {u"WebPage", u"Web Page", u"Web Page"},
    {u"Aggiornamenti", u"Aggiornamenti", u"Upgrade"},
    {u"CheckDisc", u"Verifica disco", u"Check disc"},

    // The window of the disc check.
    {u"chkSeverity", u"Gravità", u"Severity"},
    {u"chkApplication", u"Applicazione", u"Application"},
    {u"chkField", u"Campo", u"Field"},
    {u"chkReason", u"Problema", u"Problem"},
    {u"chkClose", u"Chiudi", u"Close"},
    {u"chk-error", u"Errore", u"Error"},
    {u"chk-warning", u"Avviso", u"Warning"},
    {u"chk-info", u"Informazione", u"Note"},
    {u"txtCheckSaveFirst",
     u"Il progetto ha modifiche non salvate e la verifica legge il config.ini salvato. Salvare "
     u"prima?",
     u"The project has unsaved changes and the check reads the saved config.ini. Save first?"},

    // Publish: the project made into a disc folder with the menu runtime.
    {u"PrepareDisc", u"Prepara disco…", u"Prepare disc…"},
    {u"pubSaveFirst",
     u"Il progetto ha modifiche non salvate e il disco si fa dal config.ini salvato. Salvare "
     u"prima?",
     u"The project has unsaved changes and the disc is made from the saved config.ini. Save "
     u"first?"},
    {u"pubChooseTarget", u"Cartella del disco (vi si scrive config.ini)",
     u"Folder of the disc (config.ini is written there)"},
    {u"pubNoConfig", u"Nella cartella \"%1\" non c'è config.ini.",
     u"There is no config.ini in the folder \"%1\"."},
    {u"pubTargetOverlaps",
     u"La cartella del disco \"%1\" non può stare nel progetto né contenerlo.",
     u"The disc folder \"%1\" can neither lie in the project nor hold it."},
    {u"pubNoRuntime", u"Il runtime del menu non c'è. Cercato in: %1",
     u"The menu runtime was not found. Looked in: %1"},
    {u"pubNoXorriso",
     u"Per l'immagine ISO serve xorriso, che non è installato (pacchetto Debian \"xorriso\").",
     u"The ISO image needs xorriso, which is not installed (Debian package \"xorriso\")."},
    {u"pubIsoInside", u"L'immagine \"%1\" non può stare nella cartella del disco.",
     u"The image \"%1\" cannot lie in the disc folder."},
    {u"pubCheckErrors", u"La verifica del disco ha trovato errori: il disco non è stato preparato.",
     u"The disc check found errors: the disc was not prepared."},
    {u"pubCannotMake", u"Non si può creare la cartella \"%1\".",
     u"The folder \"%1\" cannot be made."},
    {u"pubOtherConfig", u"In \"%1\" c'è già un altro config.ini. Sostituirlo?",
     u"\"%1\" already holds another config.ini. Replace it?"},
    {u"pubForceHint", u"Con --force il disco si prepara lo stesso.",
     u"With --force the disc is prepared anyway."},
    {u"pubCopyFailed", u"Copia non riuscita: %1", u"Copy failed: %1"},
    {u"pubCopyingProject", u"Copia del progetto: %1%", u"Copying the project: %1%"},
    {u"pubCopyingRuntime", u"Copia del runtime del menu: %1%", u"Copying the menu runtime: %1%"},
    {u"pubWritingIso", u"Scrittura dell'immagine ISO %1", u"Writing the ISO image %1"},
    {u"pubKept", u"%1 è già nel progetto: resta quello dell'autore.",
     u"%1 is in the project already: the author's own stays."},
    {u"pubIsoFailed", u"Immagine ISO non riuscita: %1", u"The ISO image failed: %1"},
    {u"pubDone", u"Disco pronto in \"%1\".", u"The disc is ready in \"%1\"."},

    // Messages, titles, dialog titles, tooltips and the other windows' texts.
    {u"txtAttention", u"ATTENZIONE", u"Attention"},
    {u"txtOpenOrCreate", u"Devi aprire o creare il file config.ini",
     u"You must open or create the config.ini"},
    {u"txtSelectConfig", u"Devi selezionare il file confi.ini",
     u"You must select the file confi.ini"},
    {u"txtOverwrite", u"Vuoi sovrascrivere una eventuale configurazione ?",
     u"Do you want to overvrite the configuration ?"},
    {u"txtOverwriteTitle", u"Sovrascrivere", u"Overwrite"},
    {u"txtConfigExists",
     u"Il file config.ini esiste già nella posizione scelta. Se si sceglie di continuare il "
     u"file selezionato verrà completamente azzerato. ",
     u"Config ini already exists in the selected path. Do you want to reset the file ? "},
    {u"txtResetConfig", u"Azzerare il config.ini selezionato ?", u"Reset config.ini ?"},
    {u"txtUnsavedTest",
     u"Se il progetto non è stato salvato, non si potranno vedere le modifiche ad esso "
     u"effettuate ",
     u"If the project have not been saved, You can't see the last modifications"},
    {u"txtOpenMenu", u"Aprire menu.exe ?", u"Open menu.exe ?"},
    {u"txtUnsavedExit",
     u"Se il progetto non è stato salvato tutte le modifiche al file config.ini andranno "
     u"perdute. ",
     u"If the project have not been saved, all the modifications will be lost. "},
    {u"txtExit", u"Uscire comunque ?", u"Exit ?"},
    {u"txtOpenConfig", u"Apri il file config.ini", u"Open a config.ini file"},
    {u"txtSaveConfig", u"Salva il file config.ini", u"Save a config.ini file"},
    {u"txtSelectExecute", u"Scegli il file da eseguire", u"Select a file to execute"},
    {u"txtExtraExecute", u"Il pulsante extra esegue", u"Extra button execute:"},
    {u"txtSelectZip", u"Scegli il file da unzippare", u"Select a zip file"},
    {u"txtSelectImage", u"Scegli un'immagine", u"Select an image"},
    {u"txtSelectIcon", u"Scegli un'icona", u"Select an icon"},
    {u"tipPicture", u"Clicca qui per inserire un'immagine", u"Click here to open a picture"},
    {u"tipZip", u"Premi qui per scegliere un file formato ZIP", u"Select a ZIP file"},
    {u"tipInternet", u"Premi qui per scegliere un indirizzo Web,Ftp,Email ",
     u"Select a web address (E-mail,Web,ftp..)"},
    {u"tipProgram", u"Premi qui per scegliere un file eseguibile (EXE,COM,BAT...)",
     u"Select an Executable file (EXE,COM,BAT...)"},
    {u"tipAnyFile",
     u"Premi qui per scegliere qualsiasi tipo di file presente nelle associazioni di windows "
     u"(gif, wav, mid, doc, txt, jpg, *.* ...)",
     u"Select any file (gif, wav, mid, doc, txt, jpg, *.* ...)"},
    {u"txtCancelCaps", u"CANCELLA", u"CANCEL"},
    {u"txtInternetHint",
     u"Inserire un indirizzo di posta elettronica, oppure una pagina web da visitare, o un "
     u"file che si trova su ftp",
     u"To insert an electronic mail address or a page web to visit or files that are found "
     u"on ftp"},
    {u"txtWebAddress", u"INDIRIZZO WEB (http)", u"Web Address (http)"},
    {u"txtFtp", u"FTP", u"FTP"},
    {u"txtEmail", u"E-MAIL", u"E-MAIL"},
    {u"txtCancel", u"Cancella", u"Cancel"},
    {u"txtDesignerHint",
     u"Clicca su un oggetto del menu per selezionarlo. Dopodichè utilizzare le frecce del "
     u"modificator per allargarlo, restringerlo o spostarlo.",
     u"Clicc on an object (Buttons, pictures, background) to select it; then use the arrows "
     u"of modificator for stretch or move it."},
    {u"txtRestoreQuestion", u"Vuoi tornare alle impostazioni definite per default ?",
     u"Restore the factory settings ?"},
    {u"txtAttention2", u"Attenzione ", u"Attention "},
    {u"txtRestoreTitle", u"Impostazioni di default", u"Restore factory settings"},
    {u"txtPushButton1", u"Pulsante 1", u"Push-button 1"},
    {u"txtPushButton2", u"Pulsante 2", u"Push-button 2"},
    {u"txtPushButton3", u"Pulsante 3", u"Push-button 3"},
    {u"txtTextBox", u"Casella di testo", u"Text box"},
    {u"txtDefaultImage", u"Immagine di default", u"Default image"},
    {u"txtList", u"Lista", u"List"},
    {u"txtLogoImage", u"Immagine Logo", u"Logo Image"},
    {u"txtMainWindow", u"Finestra principale", u"Main window"},
    {u"txtNone", u"Nessuno", u"None"},
    {u"txtUp", u"", u"UP"},
    {u"txtDown", u"", u"DOWN"},
    {u"txtGridSize", u"", u"Grid Size"},
    {u"txtObjectSelected", u"", u"Object Selected"},
    {u"txtSizePosition", u"", u"Size and Position"},
    {u"txtOk", u"", u"OK"},
    {u"txtBackgroundImage", u"", u"Background image"},
    {u"txtFontColor", u"", u"Font color"},
    {u"txtBackColor", u"", u"Back color"},
    {u"txtBackgroundColors", u"", u"Background + Colors"},
    // Title of the designer's background picker: one text in both languages.
    {u"txtSelectBackground", u"Scegli un'immagine per il background",
     u"Scegli un'immagine per il background"},

    // Reports of the editor when the file system refuses, and of the test run.
    {u"txtReadFailed", u"Impossibile aprire il file config.ini.", u"config.ini cannot be opened."},
    {u"txtWriteFailed", u"Il file config.ini non è stato salvato.", u"config.ini was not saved."},
    {u"txtCreateFailed", u"Impossibile creare il file config.ini.",
     u"config.ini cannot be created."},
    {u"txtMenuMissing", u"Il programma menu non è stato trovato.",
     u"The menu program was not found."},
    {u"txtMenuNotStarted", u"Il programma menu non è partito.", u"The menu program did not start."},
    {u"txtNotConfig",
     u"Il file \"%1\" non contiene nessuna riga di config.ini: forse non è un file config.ini. "
     u"Se lo aprite e poi salvate, il suo contenuto sarà sostituito. Aprirlo comunque?",
     u"The file \"%1\" holds no line of a config.ini: it may not be a config.ini at all. If you "
     u"open it and then save, its content will be replaced. Open it anyway?"},
    // Why a file could not be read or written; %1 is the file.
    {u"txtProblemNotFound", u"Il file \"%1\" non esiste.", u"The file \"%1\" does not exist."},
    {u"txtProblemFolderNotFound", u"La cartella del file \"%1\" non esiste.",
     u"The folder of \"%1\" does not exist."},
    {u"txtProblemIsFolder", u"\"%1\" è una cartella, non un file.",
     u"\"%1\" is a folder, not a file."},
    {u"txtProblemReadDenied", u"Non avete il permesso di leggere il file \"%1\".",
     u"You are not allowed to read \"%1\"."},
    {u"txtProblemWriteDenied",
     u"Il file \"%1\" è protetto da scrittura, e la sua cartella non permette di sostituirlo.",
     u"\"%1\" is write-protected, and its folder does not allow replacing it."},
    {u"txtProblemFolderWriteDenied", u"La cartella del file \"%1\" non permette di creare file.",
     u"No file may be created in the folder of \"%1\"."},
    {u"txtProblemDiskFull", u"Il disco è pieno: il file \"%1\" è rimasto com'era.",
     u"The disk is full: \"%1\" was left as it was."},
    {u"txtProblemReadFailed", u"Il sistema non è riuscito a leggere il file \"%1\".",
     u"The system could not read \"%1\"."},
    {u"txtProblemWriteFailed",
     u"Il sistema non è riuscito a scrivere il file \"%1\": il file è rimasto com'era.",
     u"The system could not write \"%1\": the file was left as it was."},
    // A value that config.ini cannot hold: %1 is one of the three field names.
    {u"txtFieldGeneral", u"Il campo %1", u"The field %1"},
    {u"txtFieldApp", u"Il campo %1 dell'applicazione %2", u"Field %1 of application %2"},
    {u"txtFieldLayout", u"La sezione del layout", u"The layout section"},
    {u"txtValueUnencodable", u"%1 contiene il carattere \"%2\", che config.ini non può contenere.",
     u"%1 holds the character \"%2\", which config.ini cannot store."},
    {u"txtAskUtf8",
     u"Salvare config.ini in UTF-8, che contiene ogni carattere? I menu più vecchi mostrano "
     u"male i testi che non sono in Windows-1252.",
     u"Save config.ini in UTF-8, which holds every character? Older menus show texts that are "
     u"not in Windows-1252 garbled."},
    {u"txtValueLineBreak", u"%1 contiene un a capo, che config.ini non può contenere.",
     u"%1 holds a line break, which config.ini cannot store."},
};

struct FilterRow {
    const char16_t* key;
    const char16_t* italian; // description|pattern|description|pattern...
    const char16_t* english;
};

constexpr FilterRow filterRows[] = {
    {u"filterAnyFile", u"Tutti i files (*.htm, *.gif, *.avi, *.wav, *.*)|*.*",
     u"All files (*.htm, *.gif, *.avi, *.wav, *.*)|*.*"},
    {u"filterProgram",
     u"Files eseguibili (*.exe)|*.exe|Files zip (*.zip)|*.zip|Tutti i file (*.*)|*.*",
     u"Executable files (*.exe)|*.exe|Zip Files (*.zip)|*.zip|All files (*.*)|*.*"},
    {u"filterZip", u"Files zip (*.zip)|*.zip|Files eseguibili (*.exe)|*.exe|Tutti i file (*.*)|*.*",
     u"Files zip (*.zip)|*.zip|Files eseguibili (*.exe)|*.exe|All files (*.*)|*.*"},
    {u"filterImage",
     u"Bitmaps (*.bmp)|*.bmp|GIF (*.gif)|*.gif|Jpeg (*.jpg)|*.jpg|Metafiles (*.wmf,*.emf)|"
     u"*.wmf;*.emf|Icons (*.ico,*.cur)|*.ico;*.cur|Tutti i file (*.*)|*.*",
     u"Bitmaps (*.bmp)|*.bmp|GIF (*.gif)|*.gif|Jpeg (*.jpg)|*.jpg|Metafiles (*.wmf,*.emf)|"
     u"*.wmf;*.emf|Icons (*.ico,*.cur)|*.ico;*.cur|All files (*.*)|*.*"},
    // The pickers of the window icon and the button pictures: one list in both languages.
    {u"filterIcon",
     u"Icons (*.ico,*.cur)|*.ico;*.cur|Bitmaps (*.bmp)|*.bmp|GIF (*.gif)|*.gif|Jpeg (*.jpg)|"
     u"*.jpg|Metafiles (*.wmf,*.emf)|*.wmf;*.emf|Tutti i file (*.*)|*.*",
     u"Icons (*.ico,*.cur)|*.ico;*.cur|Bitmaps (*.bmp)|*.bmp|GIF (*.gif)|*.gif|Jpeg (*.jpg)|"
     u"*.jpg|Metafiles (*.wmf,*.emf)|*.wmf;*.emf|Tutti i file (*.*)|*.*"},
    {u"filterBackground",
     u"Bitmaps (*.bmp)|*.bmp|GIF (*.gif)|*.gif|Jpeg (*.jpg)|*.jpg|Metafiles (*.wmf,*.emf)|"
     u"*.wmf;*.emf|Icons (*.ico,*.cur)|*.ico;*.cur|Tutti i file (*.*)|*.*",
     u"Bitmaps (*.bmp)|*.bmp|GIF (*.gif)|*.gif|Jpeg (*.jpg)|*.jpg|Metafiles (*.wmf,*.emf)|"
     u"*.wmf;*.emf|Icons (*.ico,*.cur)|*.ico;*.cur|Tutti i file (*.*)|*.*"},
    {u"filterOpenConfig", u"File config.ini|config.ini", u"File config.ini|config.ini"},
    {u"filterSaveConfig", u"file config.ini|config.ini", u"file config.ini|config.ini"},
};

const QString& emptyText() {
    static const QString empty;
    return empty;
}

} // namespace

QList<Prompts::FileFilter> filtersFromPairs(QStringView pairs) {
    QList<Prompts::FileFilter> filters;
    const auto parts = pairs.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append({parts[i].toString(), parts[i + 1].toString()});
    return filters;
}

UiTexts::UiTexts(QStringView language)
    : english_(language == u"EN") {
    texts_.reserve(qsizetype(std::size(textRows)));
    for (const TextRow& row : textRows)
        texts_.insert(QString::fromUtf16(row.key),
                      QString::fromUtf16(english_ ? row.english : row.italian));
    for (const FilterRow& row : filterRows)
        filters_.insert(QString::fromUtf16(row.key),
                        filtersFromPairs(english_ ? row.english : row.italian));
}

const QString& UiTexts::text(QStringView key) const {
    const auto found = texts_.constFind(key.toString());
    if (found == texts_.constEnd()) {
        qWarning() << "UiTexts: no text for" << key;
        return emptyText();
    }
    return *found;
}

QList<Prompts::FileFilter> UiTexts::filter(QStringView key) const {
    const auto found = filters_.constFind(key.toString());
    if (found == filters_.constEnd()) {
        qWarning() << "UiTexts: no filter for" << key;
        return {};
    }
    return *found;
}

QStringList UiTexts::textKeys() {
    QStringList keys;
    for (const TextRow& row : textRows)
        keys.append(QString::fromUtf16(row.key));
    return keys;
}

QStringList UiTexts::filterKeys() {
    QStringList keys;
    for (const FilterRow& row : filterRows)
        keys.append(QString::fromUtf16(row.key));
    return keys;
}
