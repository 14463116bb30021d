// "Check disc" in the Project menu: the saved file is checked, the findings
// are listed, and a double-click opens what holds the finding.
#include "checkwindow.h"
#include "editorfixture.h"

#include <QAction>
#include <QLineEdit>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kProject = "[TITL]Checked\r\n"
                            "[NOME]First\r\n[DESC]\r\n[IMGN]NO\r\n[INSC]NO\r\n[COMM]NO\r\n"
                            "[ESAM]NO\r\n[EXTN]NO\r\n[EXTR]NO\r\n"
                            "[NOME]Second\r\n[DESC]\r\n[IMGN]gone.bmp\r\n[INSC]NO\r\n[COMM]NO\r\n"
                            "[ESAM]NO\r\n[EXTN]NO\r\n[EXTR]NO\r\n";

// Opens the project and saves it once, as the author would have.
void openSaved(EditorFixture& f) {
    EditorFixture::writeFile(f.discFile(u"config.ini"_s), kProject);
    QVERIFY(f.window->openProjectFile(f.discFile(u"config.ini"_s)));
    f.prompts.expectMessageBox(Prompts::Answer::Ok);
    f.window->saveProject();
}

void triggerCheck(EditorFixture& f) {
    QAction* item = f.window->findChild<QAction*>(u"CheckDisc"_s);
    QVERIFY(item);
    item->trigger();
}

} // namespace

class TestMenusmithCheck : public QObject {
    Q_OBJECT

private slots:
    void findingsOpenTheirRecord() {
        EditorFixture f(u"EN"_s);
        openSaved(f);
        QCOMPARE(f.window->findChild<QAction*>(u"CheckDisc"_s)->text(), u"Check disc"_s);
        triggerCheck(f);
        CheckWindow* report = f.window->checkWindow();
        QVERIFY(report && report->isVisible());
        const QList<Finding>& findings = report->findings();
        QCOMPARE(findings.size(), 1);
        QCOMPARE(findings.first().code, u"missing-file"_s);
        QVERIFY(findings.first().message.contains(u"is not on the disc"));
        auto* list = report->findChild<QTreeWidget*>(u"ListFindings"_s);
        QCOMPARE(list->topLevelItemCount(), 1);

        emit list->itemDoubleClicked(list->topLevelItem(0), 0);
        QCOMPARE(f.window->currentPanel(), Form2::Panel::Database);
        QCOMPARE(f.window->state().currentRecord, 1);

        Finding title;
        title.field = u"[TITL]"_s;
        f.window->showFinding(title);
        QCOMPARE(f.window->currentPanel(), Form2::Panel::Text);
    }

    void unsavedChangesAreSavedFirst() {
        EditorFixture f;
        openSaved(f);
        f.child<QLineEdit>(u"Text1"_s)->setText(u"Changed"_s);

        f.prompts.expectMessageBox(Prompts::Answer::No, u"Salvare prima?"_s);
        triggerCheck(f);
        QVERIFY(!f.window->checkWindow());

        f.prompts.expectMessageBox(Prompts::Answer::Yes, u"Salvare prima?"_s)
            .expectMessageBox(Prompts::Answer::Ok);
        triggerCheck(f);
        QVERIFY(f.window->checkWindow() && f.window->checkWindow()->isVisible());
        QVERIFY(EditorFixture::readFile(f.discFile(u"config.ini"_s)).contains("[TITL]Changed"));
        QVERIFY(f.window->checkWindow()->findings().first().message.contains(u"non esiste"));
    }
};

QTEST_MAIN(TestMenusmithCheck)
#include "test_menusmith_check.moc"
