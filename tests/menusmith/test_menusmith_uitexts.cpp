#include "uitexts.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestUiTexts : public QObject {
    Q_OBJECT

private slots:
    void italianIsTheDesignedColumn() {
        const UiTexts it(u"IT");
        QVERIFY(!it.isEnglish());
        QCOMPARE(it.text(u"Command13"), u"Aspetto Grafico  (Salva prima)"_s);
        QCOMPARE(it.text(u"Command99"), u"CANCELLA"_s);
        QCOMPARE(it.text(u"txtAttention"), u"ATTENZIONE"_s);
        QCOMPARE(it.text(u"txtSelectConfig"), u"Devi selezionare il file confi.ini"_s);
        QCOMPARE(it.text(u"txtConfigExists"),
                 u"Il file config.ini esiste già nella posizione scelta. Se si sceglie di "
                 u"continuare il file selezionato verrà completamente azzerato. "_s);
        QCOMPARE(it.text(u"Label25"),
                 u"Scegliete la grafica per i pulsati dell'applicazione (\"INSTALLA\" e "
                 u"\"EXTRA\") e l'icona di default di menu.exe"_s);
        QCOMPARE(it.text(u"nuovo"), u"&Nuovo Progetto..."_s);
    }

    void englishColumnWithItsOddSpellings() {
        const UiTexts en(u"EN");
        QVERIFY(en.isEnglish());
        QCOMPARE(en.text(u"Command13"), u"Graphics"_s);
        QCOMPARE(en.text(u"Command99"), u"CANCEL"_s);
        QCOMPARE(en.text(u"txtCancelCaps"), u"CANCEL"_s);
        QCOMPARE(en.text(u"txtOverwrite"), u"Do you want to overvrite the configuration ?"_s);
        QCOMPARE(en.text(u"txtSelectConfig"), u"You must select the file confi.ini"_s);
        QCOMPARE(en.text(u"txtDesignerHint").left(6), u"Clicc "_s);
        QCOMPARE(en.text(u"Option5"), u"Category set"_s);
        QCOMPARE(en.text(u"testamenu2"), u"Test menu"_s);
    }

    void windowCaptionIsTheSameInBothLanguages() {
        QCOMPARE(UiTexts(u"IT").text(u"Form2"), u"Menusmith. "_s);
        QCOMPARE(UiTexts(u"EN").text(u"Form2"), u"Menusmith. "_s);
    }

    void englishOnlyKeysAreEmptyInItalianAndTheRestHaveBoth() {
        const UiTexts it(u"IT");
        const UiTexts en(u"EN");
        const QStringList englishOnly{u"txtUp"_s,
                                      u"txtDown"_s,
                                      u"txtGridSize"_s,
                                      u"txtObjectSelected"_s,
                                      u"txtSizePosition"_s,
                                      u"txtOk"_s,
                                      u"txtBackgroundImage"_s,
                                      u"txtFontColor"_s,
                                      u"txtBackColor"_s,
                                      u"txtBackgroundColors"_s};
        const auto keys = UiTexts::textKeys();
        QVERIFY(keys.size() > 100);
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
        for (const QString& key : keys) {
            QVERIFY2(!en.text(key).isEmpty(), qPrintable(key));
            QVERIFY2(it.text(key).isEmpty() == englishOnly.contains(key), qPrintable(key));
        }
    }

    void unknownKeyIsEmptyWithAWarning() {
        const UiTexts it(u"IT");
        QTest::ignoreMessage(QtWarningMsg, "UiTexts: no text for \"txtNoSuchText\"");
        QVERIFY(it.text(u"txtNoSuchText").isEmpty());
        QTest::ignoreMessage(QtWarningMsg, "UiTexts: no filter for \"filterNoSuch\"");
        QVERIFY(it.filter(u"filterNoSuch").isEmpty());
    }

    void filtersArePairsInOrder() {
        const UiTexts it(u"IT");
        const UiTexts en(u"EN");
        const QList<Prompts::FileFilter> program{{u"Executable files (*.exe)"_s, u"*.exe"_s},
                                                 {u"Zip Files (*.zip)"_s, u"*.zip"_s},
                                                 {u"All files (*.*)"_s, u"*.*"_s}};
        QCOMPARE(en.filter(u"filterProgram"), program);
        QCOMPARE(it.filter(u"filterZip").last().description, u"Tutti i file (*.*)"_s);
        QCOMPARE(en.filter(u"filterZip").first().description, u"Files zip (*.zip)"_s);
        const auto image = en.filter(u"filterImage");
        QCOMPARE(image.size(), 6);
        QCOMPARE(image[3], (Prompts::FileFilter{u"Metafiles (*.wmf,*.emf)"_s, u"*.wmf;*.emf"_s}));
        QCOMPARE(image.last().description, u"All files (*.*)"_s);
        QCOMPARE(it.filter(u"filterImage").last().description, u"Tutti i file (*.*)"_s);
        QCOMPARE(it.filter(u"filterAnyFile"),
                 (QList<Prompts::FileFilter>{
                     {u"Tutti i files (*.htm, *.gif, *.avi, *.wav, *.*)"_s, u"*.*"_s}}));
    }

    void iconFilterIsTheSameInBothLanguages() {
        const auto icon = UiTexts(u"EN").filter(u"filterIcon");
        QCOMPARE(icon, UiTexts(u"IT").filter(u"filterIcon"));
        QCOMPARE(icon.size(), 6);
        QCOMPARE(icon.first(), (Prompts::FileFilter{u"Icons (*.ico,*.cur)"_s, u"*.ico;*.cur"_s}));
        QCOMPARE(icon.last().description, u"Tutti i file (*.*)"_s);
        for (const QString& key : UiTexts::filterKeys())
            QVERIFY2(!UiTexts(u"IT").filter(key).isEmpty(), qPrintable(key));
    }

    void pairsWithoutAPatternAreDropped() {
        QCOMPARE(filtersFromPairs(u"A|*.a|B"), (QList<Prompts::FileFilter>{{u"A"_s, u"*.a"_s}}));
        QVERIFY(filtersFromPairs(u"").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestUiTexts)
#include "test_menusmith_uitexts.moc"
