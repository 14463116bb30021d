// The disc check of a generated disc of 1,000 applications, each with its own
// picture, archive and document: the goal is under a second.
#include "configwriter.h"
#include "disccheck.h"
#include "ziptestkit.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kApplications = 1000;

bool writeDisc(const QString& folder) {
    QDir disc(folder);
    for (const QString& sub : {u"pictures"_s, u"archives"_s, u"docs"_s})
        disc.mkpath(sub);
    QImage picture(160, 120, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QByteArray zip = ziptest::rawZip({ziptest::RawEntry::file("setup/readme.txt", "hello"),
                                            ziptest::RawEntry::file("setup/tool.bin", "data")});
    ConfigFile config;
    config.title = u"Benchmark disc"_s;
    config.categoriesEnabled = true;
    config.categories = {u"Giochi"_s, u"Utilità"_s, u"Documenti"_s};
    for (int i = 0; i < kApplications; ++i) {
        const QString n = QString::number(i);
        if (!picture.save(disc.filePath(u"pictures/app"_s + n + u".bmp"_s), "BMP") ||
            !ziptest::writeFile(disc.filePath(u"archives/app"_s + n + u".zip"_s), zip) ||
            !ziptest::writeFile(disc.filePath(u"docs/app"_s + n + u".txt"_s), "notes"))
            return false;
        config.apps.append({u"Application "_s + n, u"Una descrizione per l'applicazione "_s + n,
                            u"pictures\\app"_s + n + u".bmp"_s, u"Installa"_s,
                            u"[UNZIP] app"_s + n + u".zip"_s, u"archives\\"_s, u"Leggimi"_s,
                            u"[ASS]docs\\app"_s + n + u".txt"_s, config.categories[i % 3]});
    }
    return writeConfig(config, u"NO"_s, disc.filePath(u"config.ini"_s)).ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid() || !writeDisc(dir.path())) {
        std::fputs("cannot write the benchmark disc\n", stderr);
        return 1;
    }
    double best = 1e9;
    qsizetype findings = 0;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        findings = checkDisc(dir.path()).size();
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        std::printf("run %d: %.3f s\n", run + 1, seconds);
        best = std::min(best, seconds);
    }
    std::printf("check of %d applications with pictures, archives and documents: %.3f s "
                "(goal under 1 s), %lld findings\n",
                kApplications, best, static_cast<long long>(findings));
    return 0;
}
