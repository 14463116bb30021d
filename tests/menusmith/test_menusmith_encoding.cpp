#include "editorfixture.h"

#include <configreader.h>

#include <QComboBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;

// The code page of config.ini and the menu's language, as the editor keeps them.
class TestMenusmithEncoding : public QObject {
    Q_OBJECT

private:
    static void open(EditorFixture& f, const QByteArray& bytes) {
        EditorFixture::writeFile(f.discFile(u"config.ini"_s), bytes);
        f.openThroughDialog(f.discFile(u"config.ini"_s));
    }
    static QByteArray save(EditorFixture& f) {
        f.prompts.expectMessageBox(Prompts::Answer::Ok); // overwrite?
        f.window->saveProject();
        return EditorFixture::readFile(f.discFile(u"config.ini"_s));
    }

private slots:
    void theFileKeepsItsEncodingAndShowsIt() {
        EditorFixture f;
        open(f, "[TITL]\xCC\xE8\xF0\r\n[CODP]1251\r\n");
        QCOMPARE(f.child<QComboBox>(u"Combo2"_s)->currentText(), u"Windows-1251"_s);
        QCOMPARE(f.child<QLineEdit>(u"Text1"_s)->text(), u"Мир"_s);
        const QByteArray saved = save(f);
        QVERIFY(saved.contains("[TITL]\xCC\xE8\xF0\r\n"));
        QVERIFY(saved.contains("[CODP]1251\r\n"));
    }

    void aTextThatDoesNotFitAsksOnceForUtf8_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<Prompts::Answer>("answer");
        QTest::newRow("IT, yes") << u"IT"_s << Prompts::Answer::Yes;
        QTest::newRow("EN, yes") << u"EN"_s << Prompts::Answer::Yes;
        QTest::newRow("IT, no") << u"IT"_s << Prompts::Answer::No;
    }
    void aTextThatDoesNotFitAsksOnceForUtf8() {
        QFETCH(QString, language);
        QFETCH(Prompts::Answer, answer);
        EditorFixture f(language);
        f.prompts.expectSaveFile(f.discFile(u"config.ini"_s));
        f.window->newProject();
        QCOMPARE(f.window->encoding(), CodePage::Windows1252);
        f.child<QLineEdit>(u"Text1"_s)->setText(u"Καλημέρα"_s);

        const bool english = language == u"EN";
        f.prompts.expectMessageBox(Prompts::Answer::Ok)
            .expectMessageBox(answer, english ? u"Save config.ini in UTF-8"_s
                                              : u"Salvare config.ini in UTF-8"_s);
        if (answer == Prompts::Answer::No)
            f.prompts.expectMessageBox(Prompts::Answer::Ok, u"[TITL]"_s);
        f.window->saveProject();
        const QByteArray saved = EditorFixture::readFile(f.discFile(u"config.ini"_s));
        if (answer == Prompts::Answer::No) {
            QVERIFY(saved.startsWith("Nuovo file config.ini"));
            return;
        }
        QVERIFY(saved.startsWith("\xEF\xBB\xBF"));
        QVERIFY(saved.contains("[CODP]65001\r\n"));
        QCOMPARE(parseConfig(saved).title, u"Καλημέρα"_s);
        // Once UTF-8, the next save needs no question.
        QCOMPARE(save(f), saved);
    }

    void changingTheEncodingChecksEveryText() {
        EditorFixture f;
        open(f, "\xEF\xBB\xBF[TITL]Caff\xC3\xA8\r\n[NOME]\xD0\x9C\xD0\xB8\xD1\x80\r\n");
        auto* box = f.child<QComboBox>(u"Combo2"_s);
        QCOMPARE(box->currentText(), u"UTF-8"_s);
        // The Cyrillic name does not fit Western: refused, naming the field.
        f.prompts.expectMessageBox(Prompts::Answer::Ok, u"[NOME]"_s);
        QVERIFY(!f.window->changeEncoding(CodePage::Windows1252));
        QCOMPARE(box->currentText(), u"UTF-8"_s);
        // The Italian title does not fit Cyrillic.
        f.prompts.expectMessageBox(Prompts::Answer::Ok, u"[TITL]"_s);
        QVERIFY(!f.window->changeEncoding(CodePage::Windows1251));

        f.child<QLineEdit>(u"Text1"_s)->setText(u"Меню"_s);
        QVERIFY(f.window->changeEncoding(CodePage::Windows1251));
        QCOMPARE(box->currentText(), u"Windows-1251"_s);
        const QByteArray saved = save(f);
        QVERIFY(!saved.startsWith("\xEF\xBB\xBF"));
        QVERIFY(saved.contains("[CODP]1251\r\n"));
        QCOMPARE(parseConfig(saved).apps.value(0).name, u"Мир"_s);
    }

    void theMenuLanguageIsSetInTheTextPanel() {
        EditorFixture f(u"EN"_s);
        open(f, "[TITL]x\r\n[LING]en\r\n");
        auto* box = f.child<QComboBox>(u"Combo3"_s);
        QCOMPARE(box->currentText(), u"English"_s);
        QCOMPARE(box->count(), 3);
        QVERIFY(save(f).contains("[ABOU]NO\r\n[LING]EN\r\n\r\n"));
        box->setCurrentIndex(0); // automatic
        QVERIFY(!save(f).contains("[LING]"));
        box->setCurrentIndex(1);
        QVERIFY(save(f).contains("[LING]IT\r\n"));
    }
};

QTEST_MAIN(TestMenusmithEncoding)
#include "test_menusmith_encoding.moc"
