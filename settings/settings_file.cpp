// SPDX-License-Identifier: MIT
#include "settings/settings_file.h"

#include "core/user_era_settings.h"
#include "core/version.h"
#include "settings/atomic_file.h"
#include "settings/ini_document.h"
#include "settings/ini_text.h"
#include "settings/profile_reader.h"
#include "settings/raw_bytes.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace erakon {

namespace {

constexpr QStringView kProgramSection = u"PROGRAM";
constexpr QStringView kPositionSection = u"POSITION";
constexpr QStringView kOptionSection = u"OPTION";
constexpr QStringView kModeSection = u"MODE";

template <typename... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
// Clang 14 does not yet deduce an aggregate's template arguments by itself.
template <typename... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

int doubled(int value)
{
    const qint64 twice = 2 * qint64(value);
    return int(std::clamp<qint64>(twice, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

QString withoutControlCharacters(QString text)
{
    text.removeIf([](QChar c) { return c.unicode() < 32 || c.unicode() == 127; });
    return text;
}

// A text as the file stores it: on one line, and quoted exactly when the
// reader would otherwise change it (blanks at an end are trimmed, a pair of
// quotes around it is removed), so every text reads back as it was written.
QString storedText(const QString& text)
{
    QString clean = withoutControlCharacters(text);
    if (clean.isEmpty())
        return clean;
    const QChar first = clean.front();
    const QChar last = clean.back();
    const bool trimmed = isIniBlank(first) || isIniBlank(last);
    const bool quoted = clean.size() >= 2 && (first == u'"' || first == u'\'') && last == first;
    return trimmed || quoted ? u'"' + clean + u'"' : clean;
}

QString readText(const ProfileReader& reader, QStringView section, QStringView key, const QString& defaultValue)
{
    return withoutControlCharacters(reader.readString(section, key, defaultValue));
}

QString sexText(Sex sex)
{
    const std::string_view name = sexName(sex);
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

// The sex a stored name gives: 男性 or 女性, any other value the default.
Sex readSex(const ProfileReader& reader, QStringView key, Sex defaultValue)
{
    const QString text = reader.readString(kOptionSection, key, QString());
    for (const Sex sex : {Sex::Male, Sex::Female}) {
        if (text == sexText(sex))
            return sex;
    }
    return defaultValue;
}

// The keys of the user era, which the core reads as the command line and the
// search read them.
bool isUserEraKey(OptionKey key)
{
    return key == OptionKey::AddItem || key == OptionKey::AddName || key == OptionKey::AddYear;
}

OptionSettings readOptions(const ProfileReader& reader)
{
    OptionSettings options;
    for (const OptionKey key : kOptionReadOrder) {
        if (isUserEraKey(key))
            continue;
        const OptionEntry& entry = optionEntry(key);
        std::visit(Overloaded{
                       [&](bool OptionSettings::*flag) {
                           options.*flag = reader.readBool(kOptionSection, entry.name, options.*flag);
                       },
                       [&](int OptionSettings::*number) {
                           options.*number = std::clamp(reader.readInteger(kOptionSection, entry.name, options.*number),
                                                        entry.least, entry.most);
                       },
                       [&](QString OptionSettings::*text) {
                           options.*text = readText(reader, kOptionSection, entry.name, options.*text);
                       },
                       [&](Sex OptionSettings::*sex) { options.*sex = readSex(reader, entry.name, options.*sex); },
                   },
                   entry.field);
    }
    const UserEraSettings userEra = readUserEraSettings(reader.profile());
    options.userEraShown = userEra.shown;
    options.userEraName = QString::fromStdString(userEra.name);
    options.userEraOrigin = userEra.origin;
    return options;
}

QString optionValueText(const OptionSettings& options, const OptionEntry& entry)
{
    return std::visit(
        Overloaded{
            [&](bool OptionSettings::*flag) { return options.*flag ? QStringLiteral("1") : QStringLiteral("0"); },
            [&](int OptionSettings::*number) { return QString::number(options.*number); },
            [&](QString OptionSettings::*text) { return storedText(options.*text); },
            [&](Sex OptionSettings::*sex) { return sexText(options.*sex); },
        },
        entry.field);
}

void writeProgramSection(IniDocument& document, const ProgramRecord& program, const QString& iniFile)
{
    document.removeSection(kProgramSection);
    document.writeValue(kProgramSection, u"Name", storedText(program.name));
    document.writeValue(kProgramSection, u"Path", storedText(program.path));
    document.writeValue(kProgramSection, u"Version", storedText(program.version));
    document.writeValue(kProgramSection, u"IniFile", storedText(iniFile));
    document.writeValue(kProgramSection, u"LastClose", storedText(program.lastClose));
}

void writePositionSection(IniDocument& document, const WindowPlacement& placement, int windowState)
{
    const auto write = [&](QStringView key, int value) {
        document.writeValue(kPositionSection, key, QString::number(value));
    };
    document.removeSection(kPositionSection);
    write(u"Flags", qint32(placement.flags));
    write(u"ShowCmd", placement.showCmd);
    write(u"MaxX", placement.maxPosition.x());
    write(u"MaxY", placement.maxPosition.y());
    write(u"Left", placement.left);
    write(u"Top", placement.top);
    write(u"Right", placement.right);
    write(u"Bottom", placement.bottom);
    write(u"State", windowState);
}

void writeOptionSection(IniDocument& document, const OptionSettings& options)
{
    document.removeSection(kOptionSection);
    for (const OptionEntry& entry : kOptionTable)
        document.writeValue(kOptionSection, entry.name, optionValueText(options, entry));
}

// The file the close writes: the per-user file, or the one beside the
// executable when the per-user folder cannot be made; empty when neither is
// known.
QString settingsFileToWrite(const SettingsLocation& location)
{
    QString path = userSettingsFilePath(location);
    if (!path.isEmpty() && !makeFolders(QFileInfo(path).absolutePath()))
        return path;
    return fallbackSettingsPath(location);
}

QString openError(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason);
}

QString createError(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason);
}

// Why the file may not be replaced although the rename would succeed: a
// read-only file (no write bit for the owner, which holds for root too, who
// may open any file for writing) or one the system refuses to write.
std::optional<QString> notWritableReason(const QString& path)
{
    const QByteArray name = encodeFileName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        return qt_error_string(errno);
    if (!(status.st_mode & S_IWUSR))
        return qt_error_string(EACCES);
    const int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return qt_error_string(errno);
    ::close(fd);
    return std::nullopt;
}

} // namespace

LoadedSettings loadSettings(const SettingsLocation& location, const WindowPlacement& current, int currentState,
                            const ScreenMetrics& screen)
{
    LoadedSettings loaded;
    // Whatever stands at the per-user path is the settings file: a FIFO or a
    // file too large gives the defaults now and a report at close, rather
    // than the file beside the executable.
    loaded.filePath = settingsFileToRead(location);
    const ProfileReader reader = loaded.filePath.isEmpty() ? ProfileReader() : ProfileReader::fromFile(loaded.filePath);
    const auto read = [&](QStringView key, int defaultValue) {
        return reader.readInteger(kPositionSection, key, defaultValue);
    };

    WindowPlacement& placement = loaded.placement;
    placement = current;
    placement.flags = quint32(read(u"Flags", qint32(current.flags)));
    placement.showCmd = read(u"ShowCmd", current.showCmd);
    placement.maxPosition.setX(read(u"MaxX", current.maxPosition.x()));
    placement.maxPosition.setY(read(u"MaxY", current.maxPosition.y()));
    placement.top = read(u"Top", screen.screenHeight / 3);
    placement.left = read(u"Left", screen.workAreaWidth / 3);
    placement.right = read(u"Right", doubled(placement.left));
    placement.bottom = read(u"Bottom", doubled(placement.top));
    // The window takes its place while still hidden; the state alone decides how it shows.
    placement.showCmd = kShowCmdHide;

    loaded.windowState = windowStateFromStored(read(u"State", currentState));
    loaded.options = readOptions(reader);
    return loaded;
}

ProgramRecord programRecord(const QString& executablePath, const QString& lastClose)
{
    const QString version = QString::fromUtf8(kVersionText);
    if (executablePath.isEmpty())
        return {QString(), QString(), version, lastClose};
    const QFileInfo executable(executablePath);
    return {executable.fileName(), executable.absolutePath(), version, lastClose};
}

std::optional<QString> saveSettings(const SettingsLocation& location, const ProgramRecord& program,
                                    const WindowPlacement& placement, int windowState, const OptionSettings& options)
{
    const QString path = settingsFileToWrite(location);
    if (path.isEmpty())
        return QStringLiteral("Cannot save the settings: neither the configuration folder nor the program's "
                              "folder is known.");

    IniDocument document;
    const FileContent existing = readRegularFile(path, kIniFileMaxSize);
    switch (existing.outcome) {
    case FileContent::Outcome::Missing: break;
    case FileContent::Outcome::Read:
        document = IniDocument::fromBytes(existing.bytes);
        if (!document.encodingRecognised())
            return openError(path,
                             QStringLiteral("It holds zero bytes amid its text but is not UTF-16, so its "
                                            "encoding is unknown; the file is left as it was."));
        // The rename below would replace a file that may not be written;
        // refuse as a direct write would.
        if (const std::optional<QString> reason = notWritableReason(path))
            return createError(path, *reason);
        break;
    case FileContent::Outcome::NotRegular:
    case FileContent::Outcome::TooLarge:
    case FileContent::Outcome::Failed: return openError(path, existing.reason);
    }

    writeProgramSection(document, program, QFileInfo(path).absoluteFilePath());
    if (options.saveStatus) {
        writePositionSection(document, placement, windowState);
        document.removeSection(kModeSection);
        writeOptionSection(document, options);
    } else {
        document.removeSection(kPositionSection);
        document.removeSection(kOptionSection);
        document.removeSection(kModeSection);
    }

    // A file the next start would not read would lose every setting for good.
    const QByteArray bytes = document.toBytes();
    if (bytes.size() > kIniFileMaxSize)
        return createError(path,
                           QStringLiteral("It would grow larger than %1 MiB, more than the program reads; "
                                          "the file is left as it was.")
                               .arg(kIniFileMaxSize / (1024 * 1024)));
    if (const std::optional<QString> reason = writeFileAtomically(path, bytes))
        return createError(path, *reason);
    return std::nullopt;
}

} // namespace erakon
