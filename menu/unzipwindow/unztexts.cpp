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
    return t;
}

} // namespace

const UnzTexts& unzTexts(QStringView language) {
    static const UnzTexts en = english();
    static const UnzTexts it = italian();
    return language == u"EN" ? en : it;
}
