// SPDX-License-Identifier: MIT
// The settings file at start and at close, with a 1 MB file whose bulk is
// sections the program does not know.
#include "settings/ini_document.h"
#include "settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace erakon;

// About 1 MB: thousands of foreign sections of a few keys each, then the program's own.
QByteArray largeSettingsFile()
{
    QByteArray text;
    for (int section = 0; text.size() < (1 << 20); ++section) {
        text += "[Notes" + QByteArray::number(section) + "]\r\n";
        for (int key = 0; key < 4; ++key)
            text += "Key" + QByteArray::number(key) + " = some value of the user's own " + QByteArray::number(key)
                + "\r\n";
        text += "; a comment\r\n\r\n";
    }
    text += "[POSITION]\r\nLeft=100\r\nTop=50\r\n[OPTION]\r\nAddName=\xE5\x89\xB5\xE6\xA5\xAD\r\nAddYear=1900\r\n";
    return text;
}

const QByteArray& settingsFile()
{
    static const QByteArray file = largeSettingsFile();
    return file;
}

void BM_DocumentLoad(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(IniDocument::fromBytes(settingsFile()));
    state.SetBytesProcessed(state.iterations() * settingsFile().size());
}
BENCHMARK(BM_DocumentLoad)->Unit(benchmark::kMillisecond);

void BM_DocumentWrite(benchmark::State& state)
{
    IniDocument document = IniDocument::fromBytes(settingsFile());
    document.removeSection(u"PROGRAM");
    document.writeValue(u"PROGRAM", u"Name", u"erakon");
    document.removeSection(u"OPTION");
    document.writeValue(u"OPTION", u"AddName", u"創業");
    for (auto _ : state)
        benchmark::DoNotOptimize(document.toBytes());
    state.SetBytesProcessed(state.iterations() * settingsFile().size());
}
BENCHMARK(BM_DocumentWrite)->Unit(benchmark::kMillisecond);

// The whole start and close, files included, in a temporary configuration folder.
class SettingsFolder {
public:
    SettingsFolder()
    {
        m_location = {m_root.filePath(QStringLiteral("config")), m_root.filePath(QStringLiteral("erakon"))};
        const QString path = SettingsFilePath(m_location);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(settingsFile());
    }
    const SettingsLocation& location() const { return m_location; }

private:
    QTemporaryDir m_root;
    SettingsLocation m_location;
};

void BM_LoadSettings(benchmark::State& state)
{
    const SettingsFolder folder;
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadSettings(folder.location(), WindowPlacement{}, kWindowStateNormal, {1920, 1080}));
}
BENCHMARK(BM_LoadSettings)->Unit(benchmark::kMillisecond);

void BM_SaveSettings(benchmark::State& state)
{
    const SettingsFolder folder;
    const ProgramRecord program = programRecord(folder.location().executablePath,
                                                QStringLiteral("2023/05/20 14:05:09"));
    for (auto _ : state) {
        if (SaveSettings(folder.location(), program, WindowPlacement{}, kWindowStateNormal, OptionSettings{}))
            state.SkipWithError("the settings could not be saved");
    }
}
BENCHMARK(BM_SaveSettings)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
