// Reading and writing a full settings image, beside a plain read and write of the same bytes.
#include "../tests/support/ImageFixture.h"
#include "image/ImageFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const QByteArray& fullImageBytes() {
    static const QByteArray bytes = ImageFixture::full().build();
    return bytes;
}

QTemporaryDir& tempDir() {
    static QTemporaryDir dir;
    return dir;
}

QString fullImagePath() {
    static const QString path = [] {
        const QString p = tempDir().filePath(QStringLiteral("full.si"));
        QFile file(p);
        if (file.open(QIODevice::WriteOnly))
            file.write(fullImageBytes());
        return p;
    }();
    return path;
}

void BM_ParseImage(benchmark::State& state) {
    auto img = std::make_unique<image::SettingsImage>();
    for (auto _ : state) {
        const image::ImageError e = image::parseImage(fullImageBytes(), *img);
        benchmark::DoNotOptimize(e.code);
    }
    state.SetBytesProcessed(state.iterations() * image::layout::kImageSize);
}
BENCHMARK(BM_ParseImage);

void BM_ReadImageFile(benchmark::State& state) {
    auto img = std::make_unique<image::SettingsImage>();
    const QString path = fullImagePath();
    for (auto _ : state) {
        const image::ImageError e = image::readImageFile(path, *img);
        benchmark::DoNotOptimize(e.code);
    }
    state.SetBytesProcessed(state.iterations() * image::layout::kImageSize);
}
BENCHMARK(BM_ReadImageFile);

void BM_PlainFileRead(benchmark::State& state) {
    const QString path = fullImagePath();
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.SetBytesProcessed(state.iterations() * image::layout::kImageSize);
}
BENCHMARK(BM_PlainFileRead);

void BM_SerializeImage(benchmark::State& state) {
    auto img = std::make_unique<image::SettingsImage>();
    image::parseImage(fullImageBytes(), *img);
    for (auto _ : state) {
        QByteArray out;
        const image::ImageError e = image::serializeImage(*img, out);
        benchmark::DoNotOptimize(e.code);
    }
    state.SetBytesProcessed(state.iterations() * image::layout::kImageSize);
}
BENCHMARK(BM_SerializeImage);

void BM_WriteImageFile(benchmark::State& state) {
    auto img = std::make_unique<image::SettingsImage>();
    image::parseImage(fullImageBytes(), *img);
    const QString path = tempDir().filePath(QStringLiteral("out.si"));
    for (auto _ : state) {
        const image::ImageError e = image::WriteImage(*img, path);
        benchmark::DoNotOptimize(e.code);
    }
    state.SetBytesProcessed(state.iterations() * image::layout::kImageSize);
}
BENCHMARK(BM_WriteImageFile);

void BM_PlainFileWrite(benchmark::State& state) {
    const QString path = tempDir().filePath(QStringLiteral("plain.si"));
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        benchmark::DoNotOptimize(file.write(fullImageBytes()));
    }
    state.SetBytesProcessed(state.iterations() * image::layout::kImageSize);
}
BENCHMARK(BM_PlainFileWrite);

} // namespace

BENCHMARK_MAIN();
