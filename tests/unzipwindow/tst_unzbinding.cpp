// The binding between the unzip window and the engine, with a stand-in for
// the window: the records it fills, the progress it draws, the questions it
// asks and the summary it writes.

#include "fakeunzview.h"
#include "scriptedprompts.h"
#include "unzipwindow.h"
#include "unzprogress.h"
#include "unzstate.h"
#include "unztexts.h"
#include "vbunzbas.h"
#include "ziptestkit.h"

#include <zip.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstring>

using namespace ziptest;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString kRule(28, QLatin1Char('-'));

// The binding over a fake window, in one language.
struct Rig {
    explicit Rig(QStringView language)
        : texts(unzTexts(language))
        , binding(state, texts, prompts, view) {
        view.note = [this] { return QStringLiteral("@%1").arg(prompts.asked().size()); };
    }
    const UnzTexts& texts;
    UnzState state;
    ScriptedPrompts prompts;
    FakeUnzView view;
    VBUnzBas binding;

    // The two passes of Start, without its folder step.
    std::int32_t start(const QString& zip, const QString& dir) {
        state.barWidth = 2985;
        state.reportErrors = 0;
        state.memberCount = 0;
        state.option(unzoption::promptToOverwrite) = 1;
        state.option(unzoption::listOnly) = 1;
        state.option(unzoption::recreateFolders) = 1;
        state.zipFileName = zip;
        state.extractionDirectory = dir;
        state.printCount = 0;
        binding.UnzRun();
        if (state.memberCount > 0) {
            state.memberTotal = state.memberCount;
        }
        state.option(unzoption::listOnly) = 0;
        state.printCount = 0;
        view.output.clear();
        view.percents.clear();
        view.widths.clear();
        view.log.clear();
        view.redraws = 0;
        state.reportErrors = -1;
        return binding.UnzRun();
    }
};

QString summary(const UnzTexts& t, int comment, quint64 comp, quint64 size, int factor,
                quint64 members) {
    const QString crlf = QStringLiteral("\r\n");
    return crlf + kRule + crlf + t.commentLabel + QString::number(comment) + crlf +
           t.compressedSizeLabel + QString::number(comp) + crlf + t.uncompressedSizeLabel +
           QString::number(size) + crlf + t.compressionFactorLabel + QString::number(factor) +
           crlf + t.memberCountLabel + QString::number(members) + crlf + kRule + crlf;
}

} // namespace

class TestUnzBinding : public QObject {
    Q_OBJECT

private:
    QTemporaryDir tmp_;
    int case_ = 0;
    QString fresh(const QString& what) {
        return tmp_.filePath(QStringLiteral("%1-%2").arg(what).arg(++case_));
    }
    // a.txt, b.txt, c.txt stored (10, 20 and 30 bytes) and the comment "hello".
    QString threeMembers() {
        const QString zip = fresh(QStringLiteral("three")) + QStringLiteral(".zip");
        const bool ok = writeZip(zip,
                                 {Entry::file("a.txt", QByteArray(10, 'a')).stored(),
                                  Entry::file("b.txt", QByteArray(20, 'b')).stored(),
                                  Entry::file("c.txt", QByteArray(30, 'c')).stored()},
                                 "hello");
        return ok ? zip : QString();
    }

private slots:
    void initTestCase() { QVERIFY(tmp_.isValid()); }

    void textsOfBothLanguages() {
        const UnzTexts& en = unzTexts(u"EN");
        const UnzTexts& it = unzTexts(u"IT");
        QCOMPARE(&VBUnzFrm::unzTexts(u"EN"), &en);
        QCOMPARE(&VBUnzFrm::unzTexts(u"IT"), &it);
        QCOMPARE(en.locationCaption, u"Location of zip file"_s);
        QCOMPARE(it.locationCaption, u"Origine del file zip"_s);
        QCOMPARE(en.extractionCaption, u"Extraction path"_s);
        QCOMPARE(it.extractionCaption, u"Directory di estrazione"_s);
        QCOMPARE(en.replacePromptBefore, u"Overwrite"_s);
        QCOMPARE(it.replacePromptBefore, u"Sovrascrivere "_s);
        QCOMPARE(en.replacePromptTitle, u"VBUnZip32 - File Already Exists!"_s);
        QCOMPARE(it.replacePromptTitle, u"VBUnZip32 - Il file esiste gi\u00e0!"_s);
        QCOMPARE(en.errorBefore, u"Error: "_s);
        QCOMPARE(it.errorAfter, u" Premere Ok per continuare."_s);
        QCOMPARE(en.compressionFactorLabel, u"Compress Factor : %"_s);
        QCOMPARE(it.memberCountLabel, u"Numero di file           : "_s);
        // Any other setting is Italian, as the menu's default is.
        QCOMPARE(&unzTexts(u"XX"), &it);
    }

    void summaryIsWrittenByteForByte_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("expected");
        QTest::newRow("EN") << u"EN"_s
                            << u"\r\n----------------------------\r\n"
                               u"Comment         : 5\r\n"
                               u"Total Size Comp : 60\r\n"
                               u"Total Size      : 60\r\n"
                               u"Compress Factor : %0\r\n"
                               u"Num Of Members  : 3\r\n"
                               u"----------------------------\r\n"_s;
        QTest::newRow("IT") << u"IT"_s
                            << u"\r\n----------------------------\r\n"
                               u"Commenti: 5\r\n"
                               u"Dimensione file Compressi: 60\r\n"
                               u"Dimensione file Espansi  : 60\r\n"
                               u"Fattore di compressione  : %0\r\n"
                               u"Numero di file           : 3\r\n"
                               u"----------------------------\r\n"_s;
    }
    void summaryIsWrittenByteForByte() {
        QFETCH(QString, language);
        QFETCH(QString, expected);
        Rig rig(language);
        QCOMPARE(rig.start(threeMembers(), fresh(QStringLiteral("summary"))), 0);
        QCOMPARE(rig.view.output, expected);
        // Each pass appends one block to what MsgOut holds.
        rig.state.option(unzoption::listOnly) = 1;
        rig.binding.UnzRun();
        QCOMPARE(rig.view.output, expected + expected);
    }

    void summaryOfADeflatedArchive() {
        const QString zip = fresh(QStringLiteral("deflated")) + QStringLiteral(".zip");
        QVERIFY(writeZip(
            zip, {Entry::file("big.txt", QByteArray(100000, 'z')), Entry::folderNamed("d/")}));
        zip_t* za = zip_open(QFile::encodeName(zip).constData(), ZIP_RDONLY, nullptr);
        QVERIFY(za != nullptr);
        zip_stat_t st;
        zip_stat_index(za, 0, 0, &st);
        zip_discard(za);
        const int factor = static_cast<int>(
            std::lround((1.0 - static_cast<double>(st.comp_size) / 100000.0) * 100.0));
        QVERIFY(factor >= 99);
        Rig rig(u"EN");
        QCOMPARE(rig.start(zip, fresh(QStringLiteral("out"))), 0);
        QCOMPARE(rig.view.output, summary(rig.texts, 0, st.comp_size, 100000, factor, 2));
    }

    void summaryOfAnArchiveAboveFourGigabytes() {
        const QString zip = fresh(QStringLiteral("big")) + QStringLiteral(".zip");
        const std::uint64_t big = (std::uint64_t{5} << 30) + 3;
        QVERIFY(writeFile(zip, rawZip({RawEntry::file("a.bin", "x").declaring(big).zip64Sizes(),
                                       RawEntry::file("b.bin", "y").declaring(big).zip64Sizes()})));
        Rig rig(u"EN");
        rig.state.option(unzoption::listOnly) = 1;
        rig.state.zipFileName = zip;
        QCOMPARE(rig.binding.UnzRun(), 0);
        QCOMPARE(rig.view.output, summary(rig.texts, 0, 2, 2 * big, 100, 2));
        QVERIFY(rig.view.output.contains(u"Total Size      : 10737418246\r\n"_s));
    }

    void listingPassCountsAndDrawsNothing() {
        Rig rig(u"EN");
        rig.state.option(unzoption::listOnly) = 1;
        rig.state.zipFileName = threeMembers();
        rig.state.extractionDirectory = fresh(QStringLiteral("never"));
        rig.state.memberCount = 0;
        QCOMPARE(rig.binding.UnzRun(), 0);
        QCOMPARE(rig.state.memberCount, 3);
        QCOMPARE(rig.state.printCount, 0.0);
        QVERIFY(rig.view.percents.isEmpty());
        QVERIFY(!QDir(rig.state.extractionDirectory).exists());
        // The records carry what the state says, with the version record set.
        QCOMPARE(rig.state.options.promptToOverwrite, 0);
        QCOMPARE(rig.state.options.listOnly, 1);
        QVERIFY(rig.state.options.zipFileName == nullptr);
        QCOMPARE(rig.state.version.structLength, 64u);
        QCOMPARE(rig.state.callbacks.numMembers, std::uint64_t{3});
        QVERIFY(!rig.state.callbacks.sound);
    }

    void negativeOptionValuesAreSignExtended() {
        Rig rig(u"EN");
        rig.state.option(4) = -1; // quiet level
        rig.state.option(unzoption::listOnly) = 1;
        rig.state.zipFileName = threeMembers();
        rig.binding.UnzRun();
        QCOMPARE(rig.state.options.quietLevel, -1);
    }

    void percentRoundsHalvesToEven() {
        QCOMPARE(unzProgressPercent(1, 4), 25.0);
        QCOMPARE(unzProgressPercent(2, 4), 38.0); // 37.5
        QCOMPARE(unzProgressPercent(4, 4), 62.0); // 62.5
        QCOMPARE(unzProgressPercent(6, 4), 88.0); // 87.5
        QCOMPARE(unzProgressPercent(1, 3), 33.0);
        QCOMPARE(unzProgressPercent(2, 3), 50.0);
        QCOMPARE(unzProgressPercent(9, 0), 0.0);
        QCOMPARE(unzProgressPercent(600, 1), 30050.0);
    }

    void progressOfAThreeMemberArchive() {
        Rig rig(u"EN");
        QCOMPARE(rig.start(threeMembers(), fresh(QStringLiteral("progress"))), 0);
        QCOMPARE(rig.state.memberTotal, 3.0);
        QCOMPARE(rig.state.printCount, 6.0);
        // By bytes: 10, 30 and 60 of 60; the window is served all along.
        QCOMPARE(rig.view.percents, (QStringList{u"0"_s, u"17"_s, u"50"_s, u"100"_s}));
        QCOMPARE(rig.view.redraws, 4);
        QCOMPARE(rig.view.widths.size(), 4);
        QCOMPARE(rig.view.widths[1], static_cast<double>(2985.0f / 100.0f * 17.0f));
        QCOMPARE(rig.view.widths[3], 2985.0);
        QVERIFY(rig.view.serves >= 6);
        QVERIFY(rig.view.log.isEmpty()); // no error collapse
    }

    void stopWithinAMemberRemovesIt() {
        const QString zip = fresh(QStringLiteral("stop")) + QStringLiteral(".zip");
        QByteArray big(3 << 20, 0);
        for (qsizetype i = 0; i < big.size(); ++i) {
            big[i] = static_cast<char>((i * 7919) >> 3);
        }
        QVERIFY(writeZip(zip, {Entry::file("a.txt", "first"), Entry::file("big.bin", big),
                               Entry::file("c.txt", "last")}));
        Rig rig(u"IT");
        // The user presses Stop once the bar has moved into the large member.
        rig.view.onServe = [&] {
            if (!rig.view.percents.isEmpty() && rig.view.percents.last().toInt() > 0) {
                rig.binding.requestStop();
            }
        };
        const QString dir = fresh(QStringLiteral("stop"));
        QCOMPARE(rig.start(zip, dir), std::int32_t{UnzCancelled});
        QCOMPARE(tree(dir), QStringList{u"a.txt"_s});
        QVERIFY(rig.prompts.asked().isEmpty()); // no error box
        QVERIFY(rig.view.log.isEmpty());        // nor a collapse
        QVERIFY(
            rig.view.output.endsWith(kRule + u"\r\nEstrazione interrotta. File scritti: 1\r\n"_s));
    }

    void progressPastTheEndStaysFull() {
        Rig rig(u"EN");
        rig.state.barWidth = 2985;
        rig.state.memberTotal = 1;
        for (int i = 0; i < 600; ++i) {
            rig.binding.UnzPrint("x", 1);
        }
        QCOMPARE(rig.view.percents, QStringList{u"100"_s});
        QCOMPARE(rig.view.widths, QList<double>{2985.0});
    }

    void noMemberTotalKeepsTheBarEmpty() {
        Rig rig(u"EN");
        rig.state.barWidth = 2985;
        rig.state.memberTotal = 0;
        rig.binding.UnzPrint("x", 1);
        rig.binding.UnzPrint("x", 1);
        QCOMPARE(rig.view.percents, QStringList{u"0"_s});
        QCOMPARE(rig.view.widths, QList<double>{0.0});
    }

    void replaceAnswers() {
        const QString zip = fresh(QStringLiteral("replace")) + QStringLiteral(".zip");
        QVERIFY(writeZip(zip, {Entry::file("a.txt", "new a"), Entry::file("b.txt", "new b"),
                               Entry::file("c.txt", "new c"), Entry::file("d.txt", "new d")}));
        const QString dir = fresh(QStringLiteral("replace"));
        QVERIFY(QDir().mkpath(dir));
        for (const char* n : {"a", "b", "c", "d"}) {
            QVERIFY(writeFile(dir + u'/' + QLatin1String(n) + u".txt", QByteArray("old ") + n));
        }
        Rig rig(u"EN");
        rig.prompts.expectMessageBox(Prompts::Answer::Yes)
            .expectMessageBox(Prompts::Answer::No)
            .expectMessageBox(Prompts::Answer::Cancel);
        QCOMPARE(rig.start(zip, dir), 0);
        const auto content = [&](const char* n) {
            return readFile(dir + u'/' + QLatin1String(n) + u".txt");
        };
        QCOMPARE(content("a"), QByteArray("new a"));
        QCOMPARE(content("b"), QByteArray("old b"));
        QCOMPARE(content("c"), QByteArray("old c"));
        QCOMPARE(content("d"), QByteArray("old d")); // Cancel keeps the rest unasked
        const auto& asked = rig.prompts.asked();
        QCOMPARE(asked.size(), 3);
        // "Overwrite" runs into the file name.
        QCOMPARE(asked[0].text, u"Overwrite"_s + dir + u"/a.txt?"_s);
        QCOMPARE(asked[0].title, u"VBUnZip32 - File Already Exists!"_s);
        QCOMPARE(asked[0].buttons, Prompts::Buttons::YesNoCancel);
        // The window is out of the way while each question is open.
        QCOMPARE(rig.view.log, (QStringList{u"hide@0"_s, u"show@1"_s, u"hide@1"_s, u"show@2"_s,
                                            u"hide@2"_s, u"show@3"_s}));
    }

    void replaceResultCodes() {
        Rig rig(u"IT");
        rig.prompts.expectMessageBox(Prompts::Answer::Yes)
            .expectMessageBox(Prompts::Answer::No)
            .expectMessageBox(Prompts::Answer::Cancel);
        QCOMPARE(rig.binding.UnzReplace("x.txt"), 102);
        QCOMPARE(rig.binding.UnzReplace("y.txt"), 100);
        QCOMPARE(rig.binding.UnzReplace(std::string(300, 'n').c_str()), 104);
        const auto& asked = rig.prompts.asked();
        QCOMPARE(asked[0].text, u"Sovrascrivere x.txt?"_s);
        QCOMPARE(asked[0].title, u"VBUnZip32 - Il file esiste gi\u00e0!"_s);
        // The name is cut at 256 characters.
        QCOMPARE(asked[2].text, u"Sovrascrivere "_s + QString(256, u'n') + u'?');
    }

    void passwords() {
        const QString zip = fresh(QStringLiteral("secret")) + QStringLiteral(".zip");
        QVERIFY(
            writeZip(zip, {Entry::file("open.txt", "open"),
                           Entry::file("s.txt", "secret").encrypted(ZIP_EM_AES_256, "s3cret")}));
        Rig rig(u"EN");

        // Right.
        QString dir = fresh(QStringLiteral("pw"));
        rig.prompts.expectInputBox(u"s3cret"_s);
        QCOMPARE(rig.start(zip, dir), 0);
        QCOMPARE(readFile(dir + u"/s.txt"_s), QByteArray("secret"));
        QCOMPARE(rig.prompts.asked().last().text, u"Please Enter The Password!"_s);
        QCOMPARE(rig.prompts.asked().last().title, QString());
        QCOMPARE(rig.prompts.asked().last().defaultText, QString());
        QVERIFY(rig.prompts.asked().last().echo == Prompts::Echo::Password);

        // Wrong: the member fails and the pass reports it.
        dir = fresh(QStringLiteral("pw"));
        rig.prompts.expectInputBox(u"wrong"_s).expectMessageBox(Prompts::Answer::Ok, u"Error: 1"_s);
        QCOMPARE(rig.start(zip, dir), 1);
        QVERIFY(!QFile::exists(dir + u"/s.txt"_s));
        QCOMPARE(readFile(dir + u"/open.txt"_s), QByteArray("open"));
        QCOMPARE(rig.state.passwordRefused, std::int16_t{0});

        // Refused: cancelling the box.
        dir = fresh(QStringLiteral("pw"));
        rig.prompts.expectInputBox(std::nullopt)
            .expectMessageBox(Prompts::Answer::Ok, u"Error: 1"_s);
        QCOMPARE(rig.start(zip, dir), 1);
        QCOMPARE(rig.state.passwordRefused, std::int16_t{1});

        // Not asked again, in this or any later archive.
        dir = fresh(QStringLiteral("pw"));
        rig.prompts.expectMessageBox(Prompts::Answer::Ok, u"Error: 1"_s);
        QCOMPARE(rig.start(zip, dir), 1);
        QVERIFY(!QFile::exists(dir + u"/s.txt"_s));
    }

    void emptyPasswordAnswerIsARefusal() {
        Rig rig(u"EN");
        rig.prompts.expectInputBox(QString());
        char buffer[8] = {'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x'};
        QCOMPARE(rig.binding.UnzPassword(buffer, 8, "prompt", "name"), 1);
        QCOMPARE(rig.state.passwordRefused, std::int16_t{1});
        QCOMPARE(buffer[0], 'x');
        QCOMPARE(rig.binding.UnzPassword(buffer, 8, "prompt", "name"), 1);
    }

    void passwordNeverWritesPastTheBuffer() {
        Rig rig(u"EN");
        rig.prompts.expectInputBox(u"abcdefghijkl"_s).expectInputBox(u"ab"_s);
        char memory[16];
        std::memset(memory, 'X', sizeof memory);
        QCOMPARE(rig.binding.UnzPassword(memory, 8, "", ""), 0);
        QCOMPARE(QByteArray(memory, 16), QByteArray("abcdefg\0XXXXXXXX", 16));
        std::memset(memory, 'Y', sizeof memory);
        QCOMPARE(rig.binding.UnzPassword(memory, 8, "", ""), 0);
        QCOMPARE(QByteArray(memory, 16), QByteArray("ab\0\0\0\0\0\0YYYYYYYY", 16));
    }

    void failedPassShowsTheErrorAndCollapses_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("EN") << u"EN"_s << u"Error: 4 Click OK to continue."_s;
        QTest::newRow("IT") << u"IT"_s << u"Errore: 4 Premere Ok per continuare."_s;
    }
    void failedPassShowsTheErrorAndCollapses() {
        QFETCH(QString, language);
        QFETCH(QString, message);
        Rig rig(language);
        rig.state.infoCollapsed = false;
        rig.prompts.expectMessageBox(Prompts::Answer::Ok);
        QCOMPARE(rig.start(tmp_.filePath(u"missing.zip"_s), fresh(QStringLiteral("x"))), 4);
        QCOMPARE(rig.prompts.asked().size(), 1); // the listing pass was silent
        QCOMPARE(rig.prompts.asked()[0].text, message);
        QCOMPARE(rig.prompts.asked()[0].title, QString());
        QCOMPARE(rig.prompts.asked()[0].buttons, Prompts::Buttons::Ok);
        QCOMPARE(rig.view.log, (QStringList{u"hide@0"_s, u"show@1"_s, u"height 2445"_s,
                                            u"progress 0"_s, u"bar 50 50 2985 105"_s}));
        QCOMPARE(rig.view.widths.last(), 0.0);
        QVERIFY(rig.state.infoCollapsed);
        // The summary still follows, with nothing counted, and what the code means.
        QCOMPARE(rig.view.output,
                 summary(rig.texts, 0, 0, 0, 0, 0) + rig.texts.resultLine(4) + u"\r\n"_s);
    }

    void refusedAndDamagedArchivesAreExplained_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("line");
        std::vector<Entry> same;
        for (int i = 0; i < 3; ++i) {
            same.push_back(Entry::file("p" + QByteArray::number(i), QByteArray(5000, 'p')));
        }
        const QString made = fresh(QStringLiteral("same")) + QStringLiteral(".zip");
        QVERIFY(writeZip(made, same));
        const QByteArray bomb = sharingFirstEntrysData(readFile(made));
        const QByteArray damaged =
            withEntryCount(rawZip({RawEntry::file("a.txt", "a"), RawEntry::file("b.txt", "b")}), 7);
        QTest::newRow("bomb EN") << u"EN"_s << bomb << 9 << u"Archive refused: several"_s;
        QTest::newRow("bomb IT") << u"IT"_s << bomb << 9 << u"Archivio rifiutato: più voci"_s;
        QTest::newRow("damaged EN") << u"EN"_s << damaged << 10 << u"The archive is damaged"_s;
        QTest::newRow("damaged IT") << u"IT"_s << damaged << 10 << u"L'archivio è danneggiato"_s;
    }
    void refusedAndDamagedArchivesAreExplained() {
        QFETCH(QString, language);
        QFETCH(QByteArray, archive);
        QFETCH(int, result);
        QFETCH(QString, line);
        Rig rig(language);
        const QString zip = fresh(QStringLiteral("explained")) + QStringLiteral(".zip");
        QVERIFY(writeFile(zip, archive));
        const QString dir = fresh(QStringLiteral("explained"));
        rig.prompts.expectMessageBox(Prompts::Answer::Ok, QString::number(result));
        QCOMPARE(rig.start(zip, dir), result);
        QVERIFY2(rig.view.output.contains(kRule + u"\r\n"_s + line), qPrintable(rig.view.output));
        QCOMPARE(QDir(dir).exists(u"a.txt"_s), result == 10);
    }

    void backslashPathsReachTheFileSystem() {
        const QString zip = threeMembers();
        QString dir = fresh(QStringLiteral("back"));
        Rig rig(u"EN");
        QString windowsZip = zip;
        windowsZip.replace(u'/', u'\\');
        QString windowsDir = dir + u"/inner/"_s;
        windowsDir.replace(u'/', u'\\');
        QCOMPARE(rig.start(windowsZip, windowsDir), 0);
        QCOMPARE(tree(dir),
                 (QStringList{u"inner/"_s, u"inner/a.txt"_s, u"inner/b.txt"_s, u"inner/c.txt"_s}));
    }

    void archiveIsFoundInAnyLetterCase() {
        const QString folder = fresh(QStringLiteral("disc"));
        QVERIFY(QDir().mkpath(folder + u"/data"_s));
        QVERIFY(QFile::copy(threeMembers(), folder + u"/data/pack.zip"_s));
        const QString dir = fresh(QStringLiteral("cased"));
        Rig rig(u"EN");
        QCOMPARE(rig.start(folder + u"\\DATA\\Pack.ZIP"_s, dir), 0);
        QCOMPARE(tree(dir), (QStringList{u"a.txt"_s, u"b.txt"_s, u"c.txt"_s}));

        // An empty name stays a missing archive.
        rig.prompts.expectMessageBox(Prompts::Answer::Ok, u"Error: 4"_s);
        QCOMPARE(rig.start(QString(), fresh(QStringLiteral("none"))), 4);
        rig.prompts.verifyAllUsed();
    }
};

QTEST_MAIN(TestUnzBinding)
#include "tst_unzbinding.moc"
