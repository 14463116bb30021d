#include "unztexts.h"

namespace {

UnzTexts english() {
    UnzTexts t;
    t.locationCaption = QStringLiteral("Location of zip file");
    t.extractionCaption = QStringLiteral("Extraction path");
    // No blank after the word: the file name follows at once.
    t.replacePromptBefore = QStringLiteral("Overwrite");
    t.replacePromptTitle = QStringLiteral("VBUnZip32 - File Already Exists!");
    t.errorBefore = QStringLiteral("Error: ");
    t.errorAfter = QStringLiteral(" Click OK to continue.");
    // The inner blanks line up the colons in a fixed-pitch font.
    t.commentLabel = QStringLiteral("Comment         : ");
    t.compressedSizeLabel = QStringLiteral("Total Size Comp : ");
    t.uncompressedSizeLabel = QStringLiteral("Total Size      : ");
    t.compressionFactorLabel = QStringLiteral("Compress Factor : %");
    t.memberCountLabel = QStringLiteral("Num Of Members  : ");
    t.resultLines = {
        QString(),
        QStringLiteral("Some files could not be extracted."),
        QStringLiteral("Some files were refused: they would have landed outside the folder, "
                       "or were links."),
        QStringLiteral("The file is not a zip archive."),
        QStringLiteral("The archive cannot be found or opened."),
        QStringLiteral("Not enough free space on the disk."),
        QStringLiteral("The extraction could not start."),
        QStringLiteral("The extraction was stopped."),
        QStringLiteral("No file matches."),
        QStringLiteral("Archive refused: several entries share the same data (zip bomb). "
                       "Nothing was written."),
        QStringLiteral("The archive is damaged: the readable files were extracted, "
                       "the damaged ones left out."),
    };
    t.stopCaption = QStringLiteral("Stop");
    t.stopQuestion = QStringLiteral("Stop the extraction? The file being written is removed; "
                                    "the files already written stay.");
    t.stoppedLine = QStringLiteral("Extraction stopped. Files written: %1");
    return t;
}

UnzTexts italian() {
    UnzTexts t;
    t.locationCaption = QStringLiteral("Origine del file zip");
    t.extractionCaption = QStringLiteral("Directory di estrazione");
    t.replacePromptBefore = QStringLiteral("Sovrascrivere ");
    t.replacePromptTitle = QStringLiteral("VBUnZip32 - Il file esiste già!");
    t.errorBefore = QStringLiteral("Errore: ");
    t.errorAfter = QStringLiteral(" Premere Ok per continuare.");
    t.commentLabel = QStringLiteral("Commenti: ");
    t.compressedSizeLabel = QStringLiteral("Dimensione file Compressi: ");
    t.uncompressedSizeLabel = QStringLiteral("Dimensione file Espansi  : ");
    t.compressionFactorLabel = QStringLiteral("Fattore di compressione  : %");
    t.memberCountLabel = QStringLiteral("Numero di file           : ");
    t.resultLines = {
        QString(),
        QStringLiteral("Alcuni file non sono stati estratti."),
        QStringLiteral("Alcuni file sono stati rifiutati: sarebbero finiti fuori dalla "
                       "cartella, o erano collegamenti."),
        QStringLiteral("Il file non è un archivio zip."),
        QStringLiteral("Impossibile trovare o aprire l'archivio."),
        QStringLiteral("Spazio libero insufficiente sul disco."),
        QStringLiteral("Impossibile avviare l'estrazione."),
        QStringLiteral("Estrazione interrotta."),
        QStringLiteral("Nessun file corrisponde."),
        QStringLiteral("Archivio rifiutato: più voci condividono gli stessi dati (zip bomb). "
                       "Non è stato scritto nulla."),
        QStringLiteral("L'archivio è danneggiato: i file leggibili sono stati estratti, "
                       "quelli danneggiati no."),
    };
    t.stopCaption = QStringLiteral("Ferma");
    t.stopQuestion = QStringLiteral("Interrompere l'estrazione? Il file in scrittura viene "
                                    "rimosso; quelli già scritti restano.");
    t.stoppedLine = QStringLiteral("Estrazione interrotta. File scritti: %1");
    return t;
}

} // namespace

const UnzTexts& unzTexts(QStringView language) {
    static const UnzTexts en = english();
    static const UnzTexts it = italian();
    return language == u"EN" ? en : it;
}
