// Extraction speed of the zip engine, with the callbacks the menu installs,
// next to Info-ZIP's "unzip -o -q" when that program is installed.
//
// Two archives are generated in a temporary folder: 2,000 small files in
// twenty folders, and five files of 40 MiB. Each is extracted three times
// into a fresh folder by each tool; the best time counts. The folders are
// removed only at the end, so that no run pays for the deletions of another.

#include "unzengine.h"

#include <zip.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Text-like data: words from a small vocabulary, so that it deflates to
// roughly a third, as documents and programs on a disc do.
std::string makeData(std::size_t size, std::mt19937& rng) {
    static const char* words[] = {"menu ",    "install ", "archive ", "program ", "folder ",
                                  "picture ", "sound ",   "disc ",    "readme\n", "setup ",
                                  "0x1f2e ",  "data ",    "window ",  "config ",  "version "};
    std::string out;
    out.reserve(size + 16);
    std::uniform_int_distribution<int> pick(0, 14);
    std::uniform_int_distribution<int> noise(33, 126);
    while (out.size() < size) {
        out += words[pick(rng)];
        if (pick(rng) == 0) {
            out += static_cast<char>(noise(rng));
        }
    }
    out.resize(size);
    return out;
}

// Writes the archive; level is the deflate level (1 fastest, 9 smallest).
bool writeArchive(const fs::path& zip,
                  const std::vector<std::pair<std::string, std::string>>& files,
                  zip_uint32_t level) {
    int error = 0;
    zip_t* za = zip_open(zip.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (za == nullptr) {
        return false;
    }
    for (const auto& [name, data] : files) {
        zip_source_t* src = zip_source_buffer(za, data.data(), data.size(), 0);
        const zip_int64_t index =
            src != nullptr ? zip_file_add(za, name.c_str(), src, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            zip_source_free(src);
            zip_discard(za);
            return false;
        }
        zip_set_file_compression(za, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, level);
    }
    if (zip_close(za) != 0) {
        zip_discard(za);
        return false;
    }
    return true;
}

double seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

struct EngineRun {
    double listing = 0;
    double extraction = 0;
    std::int32_t result = 0;
    std::uint64_t members = 0;
    long prints = 0;
};

// The two passes of the unzip window: a listing that counts, then extraction.
EngineRun runEngine(const fs::path& zip, const fs::path& dir) {
    EngineRun r;
    long listed = 0;
    UnzCallbacks cb;
    cb.print = [&r](const char*, std::uint32_t) {
        ++r.prints;
        return 0;
    };
    cb.replace = [](const char*) { return std::int32_t{UnzReplaceYes}; };
    cb.password = [](char*, std::int32_t, const char*, const char*) {
        return std::int32_t{UnzPasswordNone};
    };
    cb.listEntry = [&listed](std::uint64_t, std::uint64_t, std::int32_t, std::int32_t, std::int32_t,
                             std::int32_t, std::int32_t, std::int32_t, char, const char*,
                             const char*, std::uint32_t, std::int32_t) { ++listed; };
    cb.service = [](const char*, std::uint32_t) { return 0; };
    UnzNameList include;
    UnzNameList exclude;
    const std::string zipName = zip.string();
    const std::string dirName = dir.string();
    UnzOptions opt;
    opt.promptToOverwrite = 1;
    opt.recreateFolders = 1;
    opt.listOnly = 1;
    opt.zipFileName = zipName.c_str();
    opt.extractionDirectory = dirName.c_str();
    auto t0 = std::chrono::steady_clock::now();
    Wiz_SingleEntryUnzip(0, &include, 0, &exclude, &opt, &cb);
    auto t1 = std::chrono::steady_clock::now();
    opt.listOnly = 0;
    r.prints = 0;
    r.result = Wiz_SingleEntryUnzip(0, &include, 0, &exclude, &opt, &cb);
    auto t2 = std::chrono::steady_clock::now();
    r.listing = seconds(t1 - t0);
    r.extraction = seconds(t2 - t1);
    r.members = cb.numMembers;
    return r;
}

double runUnzip(const fs::path& zip, const fs::path& dir) {
    const std::string command = "unzip -o -q '" + zip.string() + "' -d '" + dir.string() + "'";
    const auto t0 = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    const auto t1 = std::chrono::steady_clock::now();
    return status == 0 ? seconds(t1 - t0) : -1.0;
}

void compare(const char* title, const fs::path& zip, const fs::path& work, bool haveUnzip) {
    constexpr int kRounds = 3;
    double bestEngine = 1e9;
    double bestListing = 1e9;
    double bestUnzip = 1e9;
    EngineRun last;
    for (int round = 0; round < kRounds; ++round) {
        const fs::path a = work / ("engine-" + std::to_string(round));
        last = runEngine(zip, a);
        bestEngine = std::min(bestEngine, last.extraction);
        bestListing = std::min(bestListing, last.listing);
        if (haveUnzip) {
            const fs::path b = work / ("unzip-" + std::to_string(round));
            const double t = runUnzip(zip, b);
            if (t >= 0) {
                bestUnzip = std::min(bestUnzip, t);
            }
        }
    }
    std::printf("%s (%llu members, result %d, %ld print calls)\n", title,
                static_cast<unsigned long long>(last.members), static_cast<int>(last.result),
                last.prints);
    std::printf("  engine listing pass  : %8.3f s\n", bestListing);
    std::printf("  engine extraction    : %8.3f s\n", bestEngine);
    if (haveUnzip && bestUnzip < 1e9) {
        std::printf("  unzip -o -q          : %8.3f s\n", bestUnzip);
        std::printf("  ratio engine / unzip : %8.3f\n", bestEngine / bestUnzip);
    } else {
        std::printf("  unzip -o -q          : not installed\n");
    }
}

} // namespace

int main() {
    char pattern[] = "/tmp/bench_unzip.XXXXXX";
    if (::mkdtemp(pattern) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path work = pattern;
    const bool haveUnzip = std::system("command -v unzip >/dev/null 2>&1") == 0;
    std::mt19937 rng(12345);

    std::printf("generating archives in %s ...\n", work.c_str());
    std::fflush(stdout);
    std::vector<std::pair<std::string, std::string>> small;
    std::uniform_int_distribution<std::size_t> sizes(200, 12000);
    for (int i = 0; i < 2000; ++i) {
        small.emplace_back("folder" + std::to_string(i % 20) + "/file" + std::to_string(i) + ".txt",
                           makeData(sizes(rng), rng));
    }
    const fs::path smallZip = work / "small-files.zip";
    // The large files are made of shifted slices of one 4 MiB text, which is
    // quicker to generate and to deflate than 200 MiB of fresh text.
    const std::string block = makeData(4u << 20, rng);
    std::vector<std::pair<std::string, std::string>> large;
    std::uniform_int_distribution<std::size_t> shift(0, block.size() / 2);
    for (int i = 0; i < 5; ++i) {
        std::string data;
        data.reserve(40u << 20);
        while (data.size() < (40u << 20)) {
            const std::size_t from = shift(rng);
            data.append(block, from, std::min(block.size() - from, (40u << 20) - data.size()));
        }
        large.emplace_back("large" + std::to_string(i) + ".bin", std::move(data));
    }
    const fs::path largeZip = work / "large-files.zip";
    if (!writeArchive(smallZip, small, 6) || !writeArchive(largeZip, large, 1)) {
        std::fprintf(stderr, "cannot write the archives\n");
        fs::remove_all(work);
        return 1;
    }
    small.clear();
    large.clear();

    compare("2,000 small files", smallZip, work, haveUnzip);
    compare("five 40 MiB files", largeZip, work, haveUnzip);
    fs::remove_all(work);
    return 0;
}
