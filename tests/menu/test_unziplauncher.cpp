#include "formfixture.h"
#include "menuface.h"
#include "scriptedprompts.h"
#include "unziplauncher.h"
#include "unzipwindow.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// An "[UNZIP]" action opens the one unzip window, filled in, in the menu's
// language, its caption naming the chosen application.
class TestUnzipLauncher : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QDir::setCurrent(QDir::tempPath()); }
    void installAndExtraOpenTheSameWindow();
};

void TestUnzipLauncher::installAndExtraOpenTheSameWindow() {
    FormFixture f;
    f.disc.writeFile(u"archives/pack.zip"_s);
    QStringList lines = DiscKit::appLines({.name = u"Tools pack"_s,
                                           .installCommand = u"[UNZIP] pack.zip"_s,
                                           .folder = u"archives\\"_s,
                                           .extraCaption = u"Again"_s,
                                           .extraCommand = u"[UNZIP]archives\\pack.zip"_s});
    f.disc.writeConfig(lines);
    QVERIFY(!f.load(u"EN"_s));
    ScriptedPrompts prompts;
    UnzipLauncher launcher(*f.form, prompts, u"EN"_s);
    QVERIFY(!launcher.window());

    f.form->face()->appList()->setCurrentRow(0);
    f.form->face()->installButton()->click();
    VBUnzFrm* window = launcher.window();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(window->windowTitle(), u"ZelUnzip: Tools pack"_s);
    QCOMPARE(window->findChild<QLineEdit*>(u"ZipFName"_s)->text(), u"archives/pack.zip"_s);
    QCOMPARE(window->findChild<QLineEdit*>(u"ExtractRoot"_s)->text(), f.home + u"/pack/"_s);

    f.form->face()->extraButton()->click();
    QCOMPARE(launcher.window(), window);
    QCOMPARE(window->findChild<QLineEdit*>(u"ExtractRoot"_s)->text(),
             f.home + u"/archives/pack/"_s);
    prompts.verifyAllUsed();
}

QTEST_MAIN(TestUnzipLauncher)
#include "test_unziplauncher.moc"
