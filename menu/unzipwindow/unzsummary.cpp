#include "unzsummary.h"

QString unzSummaryBlock(const UnzTexts& texts, const UnzCallbacks& totals) {
    const QString crlf = QStringLiteral("\r\n");
    const QString rule(28, QLatin1Char('-'));
    return crlf + rule + crlf + texts.commentLabel + QString::number(totals.commentLength) + crlf +
           texts.compressedSizeLabel + QString::number(totals.totalSizeComp) + crlf +
           texts.uncompressedSizeLabel + QString::number(totals.totalSize) + crlf +
           texts.compressionFactorLabel + QString::number(totals.compressionFactor) + crlf +
           texts.memberCountLabel + QString::number(totals.numMembers) + crlf + rule;
}
