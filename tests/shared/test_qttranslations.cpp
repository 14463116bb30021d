#include "promptdialogs.h"
#include "qttranslations.h"

#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// Qt's own dialog texts follow the program's language.
class TestQtTranslations : public QObject {
    Q_OBJECT

private slots:
    void englishKeepsQtsTexts() {
        QVERIFY(installQtTranslations(u"EN"_s));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Cancel"_s);
    }

    void italianDialogsSayItInItalian() {
        const QString file =
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + u"/qtbase_it.qm"_s;
        if (!QFile::exists(file))
            QSKIP("Qt's Italian translation is not installed (Debian package "
                  "qt6-translations-l10n, which scripts/install-deps installs)");
        QVERIFY(installQtTranslations(u"IT"_s));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Annulla"_s);
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), u"Cerca in:"_s);
        QMessageBox box;
        promptdialogs::setUp(box, u"?"_s, u"t"_s, Prompts::Buttons::OkCancel, Prompts::Icon::None,
                             Prompts::Answer::Ok);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), u"Annulla"_s);
    }
};

QTEST_MAIN(TestQtTranslations)
#include "test_qttranslations.moc"
