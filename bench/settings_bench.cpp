// SPDX-License-Identifier: MIT
// The settings file at start and at close, with a 1 MB file whose bulk is
// sections the program does not know; and the start-up read of 40 MiB files of
// millions of short lines in every shape, by the core's reader (erakon-cli, the
// desktop's search) and by the window's.
#include "core/ini_profile.h"
#include "core/user_era_settings.h"
#include "settings/ini_document.h"
#include "settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <QStringEncoder>

#include <benchmark/benchmark.h>

#include <array>
#include <functional>

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
    explicit SettingsFolder(const QByteArray& content = settingsFile())
    {
        m_location = {m_root.filePath(QStringLiteral("config")), m_root.filePath(QStringLiteral("erakon"))};
        const QString path = userSettingsFilePath(m_location);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
    }
    const SettingsLocation& location() const { return m_location; }

private:
    QTemporaryDir m_root;
    SettingsLocation m_location;
};

// 40 MiB files of one shape each: the bulk of the file in short lines.
enum class Shape {
    KeysInOptions, // Memo123=1 in the section OPTION
    BareLinesInOptions, // Memo123, without "="
    KeysInUsersSection, // Memo123=1 in a section of the user's own
    Sections, // [S123], a section each
    ShiftJisLines, // Memo123=1 in OPTION, in a file read line by line (one Shift_JIS line)
    Utf16WithoutMark, // Memo123=1 in OPTION, in UTF-16 without a byte-order mark
};
constexpr std::size_t kShapeCount = 6;
constexpr qsizetype kShapeSize = 40 * 1024 * 1024;

QByteArray shapedFile(Shape shape)
{
    QByteArray text = "[POSITION]\r\nLeft=100\r\nTop=50\r\n[OPTION]\r\nAddItem=1\r\nAddYear=1900\r\n";
    text += shape == Shape::ShiftJisLines ? "AddName=\x91\x6E\x8B\xC6\r\n" : "AddName=\xE5\x89\xB5\xE6\xA5\xAD\r\n";
    if (shape == Shape::KeysInUsersSection)
        text += "[NOTES]\r\n";
    const qsizetype size = shape == Shape::Utf16WithoutMark ? kShapeSize / 2 : kShapeSize;
    text.reserve(size);
    for (int i = 0; text.size() < size; ++i) {
        const QByteArray number = QByteArray::number(i);
        switch (shape) {
        case Shape::BareLinesInOptions: text += "Memo" + number + "\r\n"; break;
        case Shape::Sections: text += "[S" + number + "]\r\n"; break;
        default: text += "Memo" + number + "=1\r\n"; break;
        }
    }
    if (shape == Shape::Utf16WithoutMark)
        return QStringEncoder(QStringConverter::Utf16LE).encode(QString::fromUtf8(text));
    return text;
}

const QByteArray& fileOfShape(Shape shape)
{
    static std::array<QByteArray, kShapeCount> files;
    QByteArray& file = files[std::size_t(shape)];
    if (file.isEmpty())
        file = shapedFile(shape);
    return file;
}

// The core's reader, as erakon-cli and the desktop's search read the user era.
void BM_ReadUserEra(benchmark::State& state, Shape shape)
{
    const QByteArray& file = fileOfShape(shape);
    for (auto _ : state) {
        const UserEraSettings userEra = readUserEraSettings(
            IniProfile::fromBytes(std::string(file.constData(), std::size_t(file.size()))));
        if (!userEra.shown || userEra.origin != 1900)
            state.SkipWithError("the user era was not read");
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK_CAPTURE(BM_ReadUserEra, keys_in_options, Shape::KeysInOptions)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadUserEra, bare_lines_in_options, Shape::BareLinesInOptions)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadUserEra, keys_in_users_section, Shape::KeysInUsersSection)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadUserEra, sections, Shape::Sections)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadUserEra, shift_jis_lines, Shape::ShiftJisLines)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadUserEra, utf16_without_mark, Shape::Utf16WithoutMark)->Unit(benchmark::kMillisecond);

void BM_LoadSettings(benchmark::State& state)
{
    const SettingsFolder folder;
    for (auto _ : state)
        benchmark::DoNotOptimize(loadSettings(folder.location(), WindowPlacement{}, kWindowStateNormal, {1920, 1080}));
}
BENCHMARK(BM_LoadSettings)->Unit(benchmark::kMillisecond);

// The window's start-up read of the 40 MiB files, the file read included.
void BM_LoadSettingsOfShape(benchmark::State& state, Shape shape)
{
    const SettingsFolder folder(fileOfShape(shape));
    for (auto _ : state) {
        const LoadedSettings loaded = loadSettings(folder.location(), WindowPlacement{}, kWindowStateNormal,
                                                   {1920, 1080});
        if (!loaded.options.userEraShown || loaded.options.userEraOrigin != 1900)
            state.SkipWithError("the user era was not read");
    }
    state.SetBytesProcessed(state.iterations() * fileOfShape(shape).size());
}
BENCHMARK_CAPTURE(BM_LoadSettingsOfShape, keys_in_options, Shape::KeysInOptions)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSettingsOfShape, bare_lines_in_options, Shape::BareLinesInOptions)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSettingsOfShape, keys_in_users_section, Shape::KeysInUsersSection)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSettingsOfShape, sections, Shape::Sections)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSettingsOfShape, shift_jis_lines, Shape::ShiftJisLines)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSettingsOfShape, utf16_without_mark, Shape::Utf16WithoutMark)->Unit(benchmark::kMillisecond);

void BM_SaveSettings(benchmark::State& state)
{
    const SettingsFolder folder;
    const ProgramRecord program = programRecord(folder.location().executablePath,
                                                QStringLiteral("2023/05/20 14:05:09"));
    for (auto _ : state) {
        if (saveSettings(folder.location(), program, WindowPlacement{}, kWindowStateNormal, OptionSettings{}))
            state.SkipWithError("the settings could not be saved");
    }
}
BENCHMARK(BM_SaveSettings)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
