#include "uitexts.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestUiTexts : public QObject {
    Q_OBJECT

private slots:
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
