#include "designerfixture.h"
#include "designerwindow.h"
#include "editorstate.h"
#include "form1.h"
#include "layoutdesigner.h"
#include "modificatorwindow.h"
#include "recordingdesktop.h"
#include "recordingsound.h"
#include "scriptedprompts.h"
#include "uitexts.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

using namespace Qt::StringLiterals;
using namespace designertest;
using Id = LayoutObjectId;

namespace {

// What the author saw of one control in the designer.
struct Shown {
    QRect rect;
    ConfigColour back;
    ConfigColour text;
    friend bool operator==(const Shown&, const Shown&) = default;
};

Shown shownOf(const MenuFace& face, Id id) {
    return {face.control(id)->geometry(), face.backColour(id),
            layoutObject(id).hasTextColour ? face.textColour(id) : ConfigColour()};
}

} // namespace

// The round trip an author relies on: the demo disc opened in the editor,
// arranged in the designer, applied and saved, then shown by the menu.
class TestRoundTrip : public QObject {
    Q_OBJECT

private slots:
    void menuShowsWhatTheDesignerShowed();
};

void TestRoundTrip::menuShowsWhatTheDesignerShowed() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString configPath = dir.filePath(u"config.ini"_s);
    QVERIFY(QFile::copy(QStringLiteral(DEMO_DISC_DIR "/config.ini"), configPath));

    ScriptedPrompts prompts;
    RecordingDesktop desktop;
    const UiTexts texts(u"IT");
    EditorState state;
    state.projectFolder = projectFolderOf(dir);
    state.frameHeight = editorFrameHeight();
    state.layoutText = u"NO"_s;
    QWidget editor;
    editor.show();
    LayoutDesigner designer(state, texts, prompts, desktop, &editor);

    // Opening the project captures its layout; the author then opens the designer.
    designer.captureLayout();
    QCOMPARE(layoutLineCount(state.layoutText), 43);
    designer.open();
    DesignerWindow& form1 = *designer.designerWindow();
    ModificatorWindow& form3 = *designer.modificator();
    QVERIFY(QTest::qWaitForWindowExposed(&form1));
    const auto press = [&form3](const char* name, int times = 1) {
        for (int i = 0; i < times; ++i)
            form3.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    };
    const auto grid = [&form3](const QString& text) {
        form3.findChild<QLineEdit*>(u"Text1"_s)->setText(text);
    };
    const auto pick = [&form1](Id id) { emit form1.picked(id); };

    pick(Id::InstallButton);
    press("Command2", 3);
    press("Command8");
    prompts.expectColour(QColor(200, 10, 10));
    press("Command11");
    pick(Id::AppList);
    press("Command5");
    prompts.expectColour(QColor(0, 0, 128));
    press("Command12");
    grid(u"50"_s); // half pixels
    pick(Id::Logo);
    press("Command3", 3);
    press("Command6");
    pick(Id::TextPanel);
    prompts.expectColour(QColor(250, 250, 210));
    press("Command11");
    pick(Id::Window);
    grid(u"300"_s);
    press("Command8");
    press("Command5", 2);
    prompts.expectColour(QColor(10, 80, 40));
    press("Command11");

    // What the author sees just before applying.
    QMap<int, Shown> designed;
    for (int i = 0; i < kLayoutControlCount; ++i)
        designed[i] = shownOf(*form1.face(), Id(i));
    const QSize designedClient = form1.face()->size();
    const ConfigColour designedWindowColour = form1.face()->windowColour();

    press("Command9");
    QVERIFY(!designer.isOpen());

    // Save, as the editor does: the file's own settings and the kept layout.
    const ConfigReadResult opened = readConfig(configPath);
    QVERIFY(opened.config);
    QVERIFY(writeConfig(*opened.config, state.layoutText, configPath).ok);

    const ConfigReadResult saved = readConfig(configPath);
    QVERIFY(saved.config);
    QCOMPARE(saved.config->apps, opened.config->apps);
    // The menu's own window on the saved disc.
    RecordingSound sound;
    Form1::Options options;
    options.discFolder = dir.path();
    Form1 menu(options, desktop, sound);
    QVERIFY(!menu.load());
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    MenuFace& face = *menu.face();
    for (int i = 0; i < kLayoutControlCount; ++i) {
        Shown expected = designed[i];
        if (Id(i) == Id::AppList && menu.categoriesEnabled()) {
            // With categories on, the drop-down takes the list's top.
            const int comboHeight = face.categoryBox()->height();
            QCOMPARE(face.categoryBox()->geometry(),
                     QRect(expected.rect.topLeft(), QSize(expected.rect.width(), comboHeight)));
            expected.rect.adjust(0, comboHeight, 0, 0);
        }
        const Shown shown = shownOf(face, Id(i));
        QVERIFY2(shown == expected, layoutObject(Id(i)).controlName.latin1());
    }
    QCOMPARE(face.windowColour(), designedWindowColour);
    QCOMPARE(face.size(), designedClient);
    QCOMPARE(menu.outerSize().height() - menu.frameHeight(), designedClient.height());
    QDir::setCurrent(QDir::tempPath());
}

QTEST_MAIN(TestRoundTrip)
#include "test_roundtrip.moc"
