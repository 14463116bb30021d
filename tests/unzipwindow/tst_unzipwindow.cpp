// The unzip window offscreen: loading, Start on real archives, Info, the
// collapse after an error, a second Start, Exit and the folders Start makes.

#include "extractfolders.h"
#include "scriptedprompts.h"
#include "twips.h"
#include "unzipwindow.h"
#include "ziptestkit.h"

#include <zip.h>

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <utility>

using namespace ziptest;
using namespace Qt::Literals::StringLiterals;

namespace {

int px(int twipsValue) {
    return twips::toPixels(twipsValue, twips::perPixel());
}

// Passes every prompt on to the script, noting whether the window was
// visible when it was asked, and lets a test act while a prompt is open.
class ProbingPrompts : public Prompts {
public:
    ScriptedPrompts script;
    QWidget* window = nullptr;
    QList<bool> visibleAtPrompt;
    std::function<void()> whileOpen = [] {};

    Answer messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon,
                      Answer defaultButton) override {
        note();
        return script.messageBox(text, title, buttons, icon, defaultButton);
    }
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override {
        note();
        return script.inputBox(prompt, title, defaultText);
    }
    std::optional<QString> passwordBox(const QString& prompt, const QString& title) override {
        note();
        return script.passwordBox(prompt, title);
    }
    std::optional<QString> openFileDialog(const FileDialogRequest& r) override {
        return script.openFileDialog(r);
    }
    std::optional<QString> saveFileDialog(const FileDialogRequest& r) override {
        return script.saveFileDialog(r);
    }
    std::optional<QColor> colourDialog(const QColor& c, const QList<QColor>& l) override {
        return script.colourDialog(c, l);
    }

private:
    void note() {
        visibleAtPrompt << window->isVisible();
        whileOpen();
    }
};

// The distinct texts a label had each time it was painted.
class PaintedTexts : public QObject {
public:
    QStringList texts;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const QString text = static_cast<QLabel*>(watched)->text();
            if (texts.isEmpty() || texts.last() != text) {
                texts << text;
            }
        }
        return false;
    }
};

} // namespace

class TestUnzipWindow : public QObject {
    Q_OBJECT

private:
    QTemporaryDir tmp_;
    int case_ = 0;
    QString fresh(const QString& what) { return tmp_.filePath(u"%1-%2"_s.arg(what).arg(++case_)); }
    QString sampleArchive() {
        const QString zip = fresh(u"sample"_s) + u".zip"_s;
        const bool ok = writeZip(zip, {Entry::folderNamed("docs/"),
                                       Entry::file("docs/readme.txt", QByteArray(4000, 'r')),
                                       Entry::file("top.txt", "top")});
        return ok ? zip : QString();
    }

    // a.txt, then s.txt behind the password "pw": the user acts while the
    // password is asked for.
    QString passwordArchive(const QString& what, bool withLast = false) {
        const QString zip = fresh(what) + u".zip"_s;
        std::vector<Entry> entries{Entry::file("a.txt", "a"),
                                   Entry::file("s.txt", "s").encrypted(ZIP_EM_AES_128, "pw")};
        if (withLast) {
            entries.push_back(Entry::file("c.txt", "c"));
        }
        return writeZip(zip, entries) ? zip : QString();
    }

    template <typename W>
    static W* child(VBUnzFrm& w, const char* name) {
        W* found = w.findChild<W*>(QString::fromLatin1(name));
        if (found == nullptr) {
            qFatal("no control %s", name);
        }
        return found;
    }
    static void click(VBUnzFrm& w, const char* name) {
        QTest::mouseClick(child<QPushButton>(w, name), Qt::LeftButton);
    }
    static QString output(VBUnzFrm& w) { return child<QPlainTextEdit>(w, "MsgOut")->toPlainText(); }

private slots:
    void initTestCase() { QVERIFY(tmp_.isValid()); }

    void openingLoadsTheWindowCollapsed() {
        ScriptedPrompts prompts;
        VBUnzFrm w(VBUnzFrm::unzTexts(u"EN"), prompts);
        w.setApplicationNameSource([] { return u"Demo Game"_s; });
        QCOMPARE(w.objectName(), u"VBUnzFrm"_s);
        w.openFor(u"/disc/demo.zip"_s, u"C:\\demo\\"_s);
        QVERIFY(w.isVisible());
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(w.windowTitle(), u"ZelUnzip: Demo Game"_s);
        QCOMPARE(child<QLineEdit>(w, "ZipFName")->text(), u"/disc/demo.zip"_s);
        QCOMPARE(child<QLineEdit>(w, "ExtractRoot")->text(), u"C:\\demo\\"_s);
        QCOMPARE(child<QLabel>(w, "Label1")->text(), u"Location of zip file"_s);
        QCOMPARE(child<QLabel>(w, "Label2")->text(), u"Extraction path"_s);
        QCOMPARE(child<QLabel>(w, "Label3")->text(), u"0.00"_s);
        QCOMPARE(child<QLabel>(w, "Label4")->text(), u"%"_s);
        QVERIFY(!child<QLabel>(w, "Label3")->isVisible());
        QVERIFY(!child<QLabel>(w, "Label4")->isVisible());
        QVERIFY(!child<QFrame>(w, "Picture1")->isVisible());
        QVERIFY(!child<QPushButton>(w, "Command2")->isEnabled());
        QCOMPARE(child<QPushButton>(w, "Command1")->text(), u"Start"_s);
        QCOMPARE(child<QPushButton>(w, "QuitVBUnz")->text(), u"Exit"_s);
        QCOMPARE(child<QPushButton>(w, "Command2")->text(), u"Info"_s);
        QCOMPARE(w.height(), px(2445));
        QCOMPARE(w.width(), px(4365));
        QVERIFY(w.unzState().infoCollapsed);
        QCOMPARE(w.unzState().barWidth, 2985.0);
        QCOMPARE(child<QFrame>(w, "Shape1")->width(), 0);
        QCOMPARE(child<QFrame>(w, "Picture1")->geometry(),
                 QRect(px(840), px(1395), px(3135), px(255)));
        QCOMPARE(child<QLineEdit>(w, "ZipFName")->font().family(), u"Arial"_s);
        QVERIFY(child<QLineEdit>(w, "ZipFName")->parentWidget() == child<QWidget>(w, "Frame1"));

        // Italian captions; the caption prefix and buttons stay the same.
        VBUnzFrm it(VBUnzFrm::unzTexts(u"IT"), prompts);
        it.openFor(QString(), QString());
        QCOMPARE(it.windowTitle(), u"ZelUnzip: "_s);
        QCOMPARE(child<QLabel>(it, "Label1")->text(), u"Origine del file zip"_s);
        QCOMPARE(child<QLabel>(it, "Label2")->text(), u"Directory di estrazione"_s);
    }

    void startExtractsAndInfoUnfolds() {
        ScriptedPrompts prompts;
        VBUnzFrm w(VBUnzFrm::unzTexts(u"EN"), prompts);
        const QString dir = fresh(u"start"_s) + u"/Games/Demo/"_s;
        w.openFor(sampleArchive(), dir);

        // Info does nothing before Start.
        click(w, "Command2");
        QCOMPARE(w.height(), px(2445));

        click(w, "Command1");
        QCOMPARE(tree(dir), (QStringList{u"docs/"_s, u"docs/readme.txt"_s, u"top.txt"_s}));
        QCOMPARE(readFile(dir + u"docs/readme.txt"_s), QByteArray(4000, 'r'));
        QCOMPARE(w.unzState().memberTotal, 3.0);
        QCOMPARE(child<QLabel>(w, "Label3")->text(), u"100"_s);
        QVERIFY(child<QLabel>(w, "Label3")->isVisible());
        QVERIFY(child<QFrame>(w, "Picture1")->isVisible());
        QCOMPARE(child<QFrame>(w, "Shape1")->geometry(), QRect(px(50), px(50), px(2985), px(105)));
        QVERIFY(child<QPushButton>(w, "Command2")->isEnabled());
        const QString expected = u"\n----------------------------\n"_s
                                 u"Comment         : 0\n"_s
                                 u"Total Size Comp : "_s +
                                 QString::number(w.unzState().callbacks.totalSizeComp) +
                                 u"\nTotal Size      : 4003\n"_s
                                 u"Compress Factor : %"_s +
                                 QString::number(w.unzState().callbacks.compressionFactor) +
                                 u"\nNum Of Members  : 3\n----------------------------\n"_s;
        QCOMPARE(output(w), expected);

        // Still collapsed until Info is pressed.
        QCOMPARE(w.height(), px(2445));
        click(w, "Command2");
        QCOMPARE(w.height(), px(5000));
        QCOMPARE(child<QPushButton>(w, "Command2")->text(), u"No Info"_s);
        QVERIFY(child<QPlainTextEdit>(w, "MsgOut")->geometry().bottom() < w.height());
        click(w, "Command2");
        QCOMPARE(w.height(), px(2445));
        QCOMPARE(child<QPushButton>(w, "Command2")->text(), u"Info"_s);
        QVERIFY(child<QPlainTextEdit>(w, "MsgOut")->geometry().top() < w.height());
        QVERIFY(child<QPushButton>(w, "Command1")->geometry().bottom() < w.height());
    }

    void errorCollapsesTheWindow() {
        ScriptedPrompts prompts;
        VBUnzFrm w(VBUnzFrm::unzTexts(u"IT"), prompts);
        const QString dir = fresh(u"error"_s) + u"/"_s;
        w.openFor(sampleArchive(), dir);
        click(w, "Command1");
        click(w, "Command2");
        QCOMPARE(w.height(), px(5000));

        child<QLineEdit>(w, "ZipFName")->setText(tmp_.filePath(u"missing.zip"_s));
        prompts.expectMessageBox(Prompts::Answer::Ok, u"Errore: 4 Premere Ok per continuare."_s);
        click(w, "Command1");
        prompts.verifyAllUsed();
        QVERIFY(w.isVisible());
        QCOMPARE(w.height(), px(2445));
        QVERIFY(!child<QLabel>(w, "Label3")->isVisible());
        QVERIFY(!child<QFrame>(w, "Picture1")->isVisible());
        QVERIFY(w.unzState().infoCollapsed);
        // A listing that counted nothing keeps the earlier total.
        QCOMPARE(w.unzState().memberTotal, 3.0);
        // The last step of Start still sets the label.
        QCOMPARE(child<QLabel>(w, "Label3")->text(), u"100"_s);
        QVERIFY(output(w).startsWith(u"\n----------------------------\nCommenti: 0\n"_s));
        // The caption says what the next press does: unfold again.
        QCOMPARE(child<QPushButton>(w, "Command2")->text(), u"Info"_s);
        click(w, "Command2");
        QCOMPARE(w.height(), px(5000));
    }

    void secondStartClearsTheOutput() {
        ScriptedPrompts prompts;
        VBUnzFrm w(VBUnzFrm::unzTexts(u"EN"), prompts);
        const QString dir = fresh(u"again"_s) + u"/"_s;
        w.openFor(sampleArchive(), dir);
        click(w, "Command1");
        const QString first = output(w);
        // The files exist now: Cancel keeps them all after one question.
        prompts.expectMessageBox(Prompts::Answer::Cancel, u"Overwrite"_s);
        click(w, "Command1");
        prompts.verifyAllUsed();
        QCOMPARE(output(w), first);
        QCOMPARE(output(w).count(u"----------------------------"_s), 2);
        QVERIFY(w.isVisible());
    }

    void refusedPasswordIsNotAskedAgain() {
        ScriptedPrompts prompts;
        VBUnzFrm w(VBUnzFrm::unzTexts(u"EN"), prompts);
        const QString zip = fresh(u"pw"_s) + u".zip"_s;
        QVERIFY(writeZip(zip, {Entry::file("s.txt", "s").encrypted(ZIP_EM_TRAD_PKWARE, "pw")}));
        w.openFor(zip, fresh(u"pw"_s) + u"/"_s);
        prompts.expectInputBox(std::nullopt).expectMessageBox(Prompts::Answer::Ok, u"Error: 1"_s);
        click(w, "Command1");
        prompts.verifyAllUsed();

        // Closed and opened again: the refusal holds.
        click(w, "QuitVBUnz");
        QVERIFY(!w.isVisible());
        w.openFor(zip, fresh(u"pw"_s) + u"/"_s);
        QVERIFY(!child<QPushButton>(w, "Command2")->isEnabled());
        QCOMPARE(output(w), QString());
        prompts.expectMessageBox(Prompts::Answer::Ok, u"Error: 1"_s);
        click(w, "Command1");
        prompts.verifyAllUsed();
    }

    void windowStepsAsideForQuestionsButNotForThePassword() {
        ProbingPrompts prompts;
        VBUnzFrm w(VBUnzFrm::unzTexts(u"EN"), prompts);
        prompts.window = &w;
        const QString dir = fresh(u"aside"_s) + u"/"_s;
        w.openFor(passwordArchive(u"aside"_s), dir);
        prompts.script.expectInputBox(u"pw"_s);
        click(w, "Command1");
        QCOMPARE(readFile(dir + u"s.txt"_s), QByteArray("s"));

        // Start pressed while a question is open does not start a pass
        // inside the running one.
        int nestedClicks = 0;
        prompts.whileOpen = [&] {
            ++nestedClicks;
            child<QPushButton>(w, "Command1")->click();
        };
        prompts.script.expectMessageBox(Prompts::Answer::Yes, u"a.txt?"_s)
            .expectMessageBox(Prompts::Answer::Yes, u"s.txt?"_s)
            .expectInputBox(u"wrong"_s)
            .expectMessageBox(Prompts::Answer::Ok, u"Error: 1"_s);
        click(w, "Command1");
        prompts.script.verifyAllUsed();
        QCOMPARE(nestedClicks, 4);
        // Hidden for the overwrite questions and the error box only.
        QCOMPARE(prompts.visibleAtPrompt, (QList<bool>{true, false, false, true, false}));
        QVERIFY(w.isVisible());
        QCOMPARE(readFile(dir + u"s.txt"_s), QByteArray("s"));
    }

    void startIsGuardedWhileItRuns() {
        ProbingPrompts prompts;
        VBUnzFrm w(VBUnzFrm::unzTexts(u"EN"), prompts);
        prompts.window = &w;
        const QString dir = fresh(u"guard"_s) + u"/"_s;
        w.openFor(passwordArchive(u"guard"_s), dir);
        auto* start = child<QPushButton>(w, "Command1");
        bool startEnabled = true;
        QString exitCaption;
        prompts.whileOpen = [&] {
            startEnabled = start->isEnabled();
            exitCaption = child<QPushButton>(w, "QuitVBUnz")->text();
            // A click that waits in the queue until the run is over.
            const QPointF at = QRectF(start->rect()).center();
            const QPointF global = start->mapToGlobal(at);
            for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QCoreApplication::postEvent(start, new QMouseEvent(type, at, global, Qt::LeftButton,
                                                                   Qt::LeftButton, Qt::NoModifier));
            }
        };
        prompts.script.expectInputBox(u"pw"_s);
        click(w, "Command1");
        QCoreApplication::processEvents();
        prompts.script.verifyAllUsed();
        QVERIFY(!startEnabled);
        QCOMPARE(exitCaption, u"Stop"_s);
        QVERIFY(w.isVisible());
        QVERIFY(start->isEnabled());
        QCOMPARE(child<QPushButton>(w, "QuitVBUnz")->text(), u"Exit"_s);
        QCOMPARE(readFile(dir + u"s.txt"_s), QByteArray("s"));
    }

    void stopEndsTheRunAfterTheCurrentMember_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("line");
        QTest::newRow("EN") << u"EN"_s << u"Stop"_s << u"Extraction stopped. Files written: 1"_s;
        QTest::newRow("IT") << u"IT"_s << u"Ferma"_s << u"Estrazione interrotta. File scritti: 1"_s;
    }
    void stopEndsTheRunAfterTheCurrentMember() {
        QFETCH(QString, language);
        QFETCH(QString, caption);
        QFETCH(QString, line);
        ProbingPrompts prompts;
        VBUnzFrm w(VBUnzFrm::unzTexts(language), prompts);
        prompts.window = &w;
        const QString dir = fresh(u"stop"_s) + u"/"_s;
        w.openFor(passwordArchive(u"stop"_s, true), dir);
        prompts.whileOpen = [&] {
            QCOMPARE(child<QPushButton>(w, "QuitVBUnz")->text(), caption);
            click(w, "QuitVBUnz");
        };
        prompts.script.expectInputBox(u"pw"_s);
        click(w, "Command1");
        prompts.script.verifyAllUsed();
        // The member being written when Stop came is removed; no error box,
        // since the user asked for it; the window stays open.
        QCOMPARE(tree(dir), QStringList{u"a.txt"_s});
        QVERIFY(output(w).trimmed().endsWith(line));
        QVERIFY(w.isVisible());
        QVERIFY(child<QLabel>(w, "Label3")->text() != u"100"_s);

        // The next Start runs in full again.
        prompts.whileOpen = [] {};
        prompts.script.expectMessageBox(Prompts::Answer::Yes, u"a.txt"_s).expectInputBox(u"pw"_s);
        click(w, "Command1");
        QCOMPARE(tree(dir), (QStringList{u"a.txt"_s, u"c.txt"_s, u"s.txt"_s}));
        QCOMPARE(child<QLabel>(w, "Label3")->text(), u"100"_s);
    }

    void closingDuringARunAsksToStop() {
        ProbingPrompts prompts;
        VBUnzFrm w(VBUnzFrm::unzTexts(u"EN"), prompts);
        prompts.window = &w;
        QString dir = fresh(u"close"_s) + u"/"_s;
        w.openFor(passwordArchive(u"stop"_s, true), dir);
        // Answered No: the run goes on to the end.
        bool closed = false;
        prompts.whileOpen = [&] {
            if (!std::exchange(closed, true)) {
                w.close();
            }
        };
        // The question comes while the password is being asked for.
        prompts.script.expectMessageBox(Prompts::Answer::No, u"Stop"_s).expectInputBox(u"pw"_s);
        click(w, "Command1");
        prompts.script.verifyAllUsed();
        QVERIFY(w.isVisible());
        QCOMPARE(tree(dir).size(), 3);

        // Answered Yes: stopped, then closed.
        dir = fresh(u"close"_s) + u"/"_s;
        child<QLineEdit>(w, "ExtractRoot")->setText(dir);
        closed = false;
        prompts.script.expectMessageBox(Prompts::Answer::Yes, u"Stop"_s).expectInputBox(u"pw"_s);
        click(w, "Command1");
        prompts.script.verifyAllUsed();
        QCOMPARE(tree(dir), QStringList{u"a.txt"_s});
        QVERIFY(!w.isVisible());
    }

    void percentageIsPaintedAsItChanges() {
        ScriptedPrompts prompts;
        VBUnzFrm w(VBUnzFrm::unzTexts(u"EN"), prompts);
        std::vector<Entry> entries;
        for (int i = 0; i < 8; ++i) {
            entries.push_back(Entry::file("f" + QByteArray::number(i), QByteArray(100, 'x')));
        }
        const QString zip = fresh(u"paint"_s) + u".zip"_s;
        QVERIFY(writeZip(zip, entries));
        auto* label = child<QLabel>(w, "Label3");
        PaintedTexts painted;
        label->installEventFilter(&painted);
        // The very first run of a freshly opened window.
        w.openFor(zip, fresh(u"paint"_s) + u"/"_s);
        click(w, "Command1");
        QVERIFY2(painted.texts.size() >= 5, qPrintable(painted.texts.join(u' ')));
        QCOMPARE(painted.texts.last(), u"100"_s);
        for (qsizetype i = 1; i < painted.texts.size(); ++i) {
            QVERIFY2(painted.texts[i - 1].toInt() <= painted.texts[i].toInt(),
                     qPrintable(painted.texts.join(u' ')));
        }
    }

    void emptyExtractionPathOnlyLists() {
        ScriptedPrompts prompts;
        VBUnzFrm w(VBUnzFrm::unzTexts(u"EN"), prompts);
        w.openFor(sampleArchive(), QString());
        const QStringList before = QDir::current().entryList();
        click(w, "Command1");
        QCOMPARE(QDir::current().entryList(), before);
        QCOMPARE(w.unzState().option(unzoption::listOnly), std::int16_t{1});
        QCOMPARE(child<QLabel>(w, "Label3")->text(), u"100"_s);
        QCOMPARE(child<QFrame>(w, "Shape1")->width(), px(2985));
        QVERIFY(output(w).contains(u"Num Of Members  : 3"_s));
    }

    void foldersOfTheExtractionPath() {
        QCOMPARE(extractionFolderPrefixes(u"C:\\Games\\Demo\\"_s),
                 (QStringList{u"C:\\Games\\"_s, u"C:\\Games\\Demo\\"_s}));
        QCOMPARE(extractionFolderPrefixes(u"C:/Games/Demo/"_s),
                 (QStringList{u"C:/Games/"_s, u"C:/Games/Demo/"_s}));
        QCOMPARE(extractionFolderPrefixes(u"C:\\"_s), QStringList());
        QCOMPARE(extractionFolderPrefixes(u"C:\\Games"_s), QStringList());
        QCOMPARE(extractionFolderPrefixes(u"C:\\a/b\\c"_s),
                 (QStringList{u"C:\\a/"_s, u"C:\\a/b\\"_s}));

        const QString base = fresh(u"folders"_s);
        QVERIFY(QDir().mkpath(base));
        createExtractionFolders(base + u"/one\\two\\three"_s);
        QVERIFY(QDir(base + u"/one/two"_s).exists());
        QVERIFY(!QDir(base + u"/one/two/three"_s).exists()); // no separator after it
        createExtractionFolders(base + u"/one\\two\\"_s);    // existing: passed over
        QVERIFY(QDir(base + u"/one/two"_s).exists());
    }
};

QTEST_MAIN(TestUnzipWindow)
#include "tst_unzipwindow.moc"
