// readConfig on generated discs of 100, 10,000 and 100,000 applications, beside a
// plain read of the same file split into lines, so the figures mean something on
// any machine.
#include "configreader.h"
#include "configvalues.h"
#include "configwriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

ConfigFile generated(int apps) {
    ConfigFile config;
    config.title = u"Benchmark disc"_s;
    config.introText = u"Scegliete un programma dall’elenco qui a fianco."_s;
    config.categoriesEnabled = true;
    config.categories = {u"Giochi"_s, u"Utilità"_s, u"Documenti"_s};
    for (int i = 0; i < apps; ++i) {
        const QString n = QString::number(i);
        config.apps.append({u"Application "_s + n,
                            u"Una descrizione di media lunghezza per l'applicazione numero "_s + n,
                            u"pictures\\app"_s + n + u".jpg"_s, u"Installa"_s,
                            u"[UNZIP] app"_s + n + u".zip"_s, u"archives\\"_s, u"Leggimi"_s,
                            u"[ASS]docs\\app"_s + n + u".txt"_s, config.categories[i % 3]});
    }
    return config;
}

// The time of the fastest of a few runs, in seconds.
double fastest(int runs, const std::function<void()>& work) {
    double best = 1e30;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e9);
    }
    return best;
}

qsizetype splitLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    std::vector<QByteArrayView> lines;
    const char* data = bytes.constData();
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        const void* cr = std::memchr(data + pos, '\r', size_t(bytes.size() - pos));
        const qsizetype end = cr ? static_cast<const char*>(cr) - data : bytes.size();
        lines.emplace_back(data + pos, end - pos);
        pos = end + 1;
        if (pos < bytes.size() && data[pos] == '\n')
            ++pos;
    }
    return qsizetype(lines.size());
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    std::printf("%-12s %10s %14s %14s %8s\n", "apps", "file MB", "readConfig", "split lines",
                "ratio");
    for (int apps : {100, 10000, 100000}) {
        const QString path = dir.filePath(u"config%1.ini"_s.arg(apps));
        if (!writeConfig(generated(apps), configvalue::unset, path).ok)
            return 1;
        const double mb = double(QFile(path).size()) / 1e6;
        const int runs = apps >= 100000 ? 5 : 20;

        qsizetype read = 0;
        const double readTime = fastest(runs, [&] { read = readConfig(path).config->apps.size(); });
        qsizetype lines = 0;
        const double splitTime = fastest(runs, [&] { lines = splitLines(path); });
        if (read != apps || lines <= apps)
            return 1;
        std::printf("%-12d %10.2f %9.1f MB/s %9.1f MB/s %7.2fx\n", apps, mb, mb / readTime,
                    mb / splitTime, readTime / splitTime);
    }
    return 0;
}
