// A language that ships with only some texts translated shows the rest in
// English rather than leaving them blank.
#include "textcatalog.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTextsPartial : public QObject {
    Q_OBJECT

private slots:
    void untranslatedTextsComeInEnglish() {
        QVERIFY(TextCatalog::languages().contains(u"DE"_s));
        const TextCatalog& german = TextCatalog::forLanguage(u"DE");
        QCOMPARE(german.text("menu.explore"), u"Durchsuchen"_s);
        QCOMPARE(german.text("menu.notFound"),
                 TextCatalog::forLanguage(u"EN").text("menu.notFound"));
        QVERIFY(!german.text("menu.notFound").isEmpty());
        // Italian keeps its own blanks: an untranslated Italian text stays empty.
        QCOMPARE(TextCatalog::forLanguage(u"IT").text("no.such.id"), QString());
    }
};

QTEST_GUILESS_MAIN(TestTextsPartial)
#include "test_texts_partial.moc"
