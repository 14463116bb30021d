// Start-up of the menu window, from nothing to its first painted frame, on a
// generated disc of 1,000 applications with categories, against a bare Qt main
// window with the same widgets and the same 1,000 rows, in the same run.
//
//   bench_menu_startup [rounds]

#include "configfile.h"
#include "configwriter.h"
#include "form1.h"
#include "qtdesktop.h"
#include "silentsound.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kApps = 1000;

// Notes the first paint of the widget it watches.
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

void waitForPaint(QWidget* window, QWidget* watched) {
    PaintWatch watch;
    watched->installEventFilter(&watch);
    window->show();
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    watched->removeEventFilter(&watch);
}

void writeDisc(const QString& folder, bool categories) {
    QImage picture(120, 90, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    picture.save(folder + QStringLiteral("/logo.bmp"));
    picture.save(folder + QStringLiteral("/default.bmp"));
    ConfigFile config;
    config.title = QStringLiteral("Benchmark disc");
    config.introText = QStringLiteral("A thousand applications.");
    for (QString* field :
         {&config.windowIcon, &config.installButtonPicture, &config.installButtonPressedPicture,
          &config.extraButtonPicture, &config.extraButtonPressedPicture, &config.aboutText})
        *field = QStringLiteral("NO");
    config.categoriesEnabled = categories;
    for (int c = 0; c < 10; ++c)
        config.categories.append(QStringLiteral("Category %1").arg(c));
    for (int i = 0; i < kApps; ++i) {
        config.apps.append({QStringLiteral("Application %1").arg(i),
                            QStringLiteral("Description of application %1, a line of text.").arg(i),
                            QStringLiteral("NO"), QStringLiteral("Install"),
                            QStringLiteral("setup%1.sh").arg(i),
                            QStringLiteral("apps\\app%1\\").arg(i), QStringLiteral("Readme"),
                            QStringLiteral("[ASS]apps\\app%1\\readme.txt").arg(i),
                            QStringLiteral("Category %1").arg(i % 10)});
    }
    writeConfig(config, QStringLiteral("NO"), folder + QStringLiteral("/config.ini"));
}

double menuStartup(const QString& disc, Desktop& desktop, Sound& sound,
                   const FrameMeasure* frame = nullptr) {
    QElapsedTimer timer;
    timer.start();
    Form1::Options options;
    options.discFolder = disc;
    options.homeFolder = QDir::homePath();
    Form1 form(options, desktop, sound);
    if (frame)
        form.setFrameMeasure(*frame);
    form.load();
    waitForPaint(&form, form.centralWidget());
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    form.close();
    return ms;
}

double bareStartup(const QStringList& names) {
    QElapsedTimer timer;
    timer.start();
    QMainWindow window;
    window.menuBar()->addAction(QStringLiteral("About"));
    auto* central = new QWidget;
    auto* list = new QListWidget(central);
    list->setGeometry(8, 229, 201, 152);
    list->addItems(names);
    auto* combo = new QComboBox(central);
    combo->setGeometry(8, 208, 201, 21);
    for (int c = 0; c < 10; ++c)
        combo->addItem(QStringLiteral("Category %1").arg(c));
    auto* frame = new QFrame(central);
    frame->setGeometry(232, 88, 313, 241);
    auto* picture = new QLabel(frame);
    auto* text = new QPlainTextEdit(central);
    text->setGeometry(232, 336, 393, 82);
    text->setPlainText(QStringLiteral("A thousand applications."));
    for (int b = 0; b < 3; ++b)
        (new QPushButton(central))->setGeometry(560, 88 + b * 88, 57, 57);
    auto* logoFrame = new QFrame(central);
    logoFrame->setGeometry(16, 520, 625, 86);
    auto* logo = new QLabel(logoFrame);
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    picture->setPixmap(QPixmap::fromImage(image));
    logo->setPixmap(QPixmap::fromImage(image));
    window.setCentralWidget(central);
    window.resize(750, 640);
    waitForPaint(&window, central);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    window.close();
    return ms;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    QtDesktop desktop;
    SilentSound sound;
    std::printf("platform %s, %d applications, %d rounds (median)\n",
                qPrintable(QGuiApplication::platformName()), kApps, rounds);
    for (const bool categories : {false, true}) {
        QTemporaryDir dir;
        writeDisc(dir.path(), categories);
        // The bare window lists the rows the menu shows: all of them, or the
        // first category's tenth.
        QStringList names;
        for (int i = 0; i < kApps; i += categories ? 10 : 1)
            names.append(QStringLiteral("Application %1").arg(i));

        // One round of each first, so that fonts, styles and plugins are loaded.
        menuStartup(dir.path(), desktop, sound);
        bareStartup(names);
        const FrameMeasure frame = measureFrame(QStringLiteral("Form2"));
        std::vector<double> menu, premeasured, bare;
        for (int round = 0; round < rounds; ++round) {
            menu.push_back(menuStartup(dir.path(), desktop, sound));
            premeasured.push_back(menuStartup(dir.path(), desktop, sound, &frame));
            bare.push_back(bareStartup(names));
        }
        const double m = median(menu), p = median(premeasured), b = median(bare);
        std::printf("%s, %lld rows shown\n", categories ? "categories on" : "no categories",
                    qlonglong(names.size()));
        std::printf(
            "  menu window (frame measure, read config.ini, apply, first paint): %8.2f ms\n", m);
        std::printf(
            "  the same with the frame measured beforehand:                      %8.2f ms\n", p);
        std::printf(
            "  bare Qt window with the same widgets and rows:                     %8.2f ms\n", b);
        std::printf("  ratio menu / bare: %.2f\n", m / b);
    }
    return 0;
}
