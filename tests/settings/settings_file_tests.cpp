// SPDX-License-Identifier: MIT
#include "settings/settings_file.h"

#include "core/version.h"
#include "settings/raw_bytes.h"
#include "tests/support/environment_value.h"
#include "tests/support/settings_test_printers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <future>
#include <limits>
#include <memory>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace erakon {
namespace {

using namespace Qt::Literals::StringLiterals;

const ScreenMetrics kScreen{1920, 1080};

WindowPlacement currentPlacement()
{
    WindowPlacement placement;
    placement.flags = 0;
    placement.showCmd = kShowCmdNormal;
    placement.maxPosition = QPoint(-1, -1);
    placement.left = 10;
    placement.top = 20;
    placement.right = 30;
    placement.bottom = 40;
    return placement;
}

WindowPlacement placementAt(int left, int top, int right, int bottom)
{
    WindowPlacement placement = currentPlacement();
    placement.left = left;
    placement.top = top;
    placement.right = right;
    placement.bottom = bottom;
    return placement;
}

// A configuration folder and an executable folder in a temporary directory.
class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        ASSERT_TRUE(QDir().mkpath(m_root.filePath(u"bin"_s)));
        m_location = {m_root.filePath(u"config"_s), m_root.filePath(u"bin/erakon"_s)};
    }

    QString userFile() const { return userSettingsFilePath(m_location); }
    QString fallbackFile() const { return fallbackSettingsPath(m_location); }

    static void writeFile(const QString& path, const QByteArray& content)
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    LoadedSettings load() const { return loadSettings(m_location, currentPlacement(), kWindowStateNormal, kScreen); }
    LoadedSettings loadFile(const QByteArray& content)
    {
        writeFile(userFile(), content);
        return load();
    }

    std::optional<QString> save(const OptionSettings& options = {}, const QString& lastClose = u"2023/05/20 14:05:09"_s,
                                const WindowPlacement& placement = placementAt(640, 360, 1280, 720))
    {
        return saveSettings(m_location, programRecord(m_location.executablePath, lastClose), placement,
                            kWindowStateNormal, options);
    }

    QStringList savedSectionNames() const
    {
        QStringList names;
        for (const QString& line : QString::fromUtf8(readFile(userFile())).split(u"\r\n"_s)) {
            if (line.startsWith(u'['))
                names.append(line);
        }
        return names;
    }

    QTemporaryDir m_root;
    SettingsLocation m_location;
};

// --- locations -------------------------------------------------------------

struct PathCase {
    const char* name;
    SettingsLocation location;
    QString userFile;
    QString fallbackFile;
};

class SettingsPathTest : public testing::TestWithParam<PathCase> {};

TEST_P(SettingsPathTest, FollowsTheProgramName)
{
    EXPECT_EQ(userSettingsFilePath(GetParam().location), GetParam().userFile);
    EXPECT_EQ(fallbackSettingsPath(GetParam().location), GetParam().fallbackFile);
}

INSTANTIATE_TEST_SUITE_P(
    Locations, SettingsPathTest,
    testing::Values(
        PathCase{"Installed",
                 {u"/home/u/.config"_s, u"/usr/bin/erakon"_s},
                 u"/home/u/.config/Harunagi/erakon/erakon.ini"_s,
                 u"/usr/bin/erakon.ini"_s},
        PathCase{"FolderWithSlash",
                 {u"/home/u/.config/"_s, u"/usr/bin/erakon"_s},
                 u"/home/u/.config/Harunagi/erakon/erakon.ini"_s,
                 u"/usr/bin/erakon.ini"_s},
        PathCase{"NoFolderGivesNoPath", {QString(), u"/usr/bin/erakon"_s}, QString(), u"/usr/bin/erakon.ini"_s},
        PathCase{"RelativeFolderGivesNoPath", {u"relcfg"_s, u"/usr/bin/erakon"_s}, QString(), u"/usr/bin/erakon.ini"_s},
        PathCase{"UnknownProgramIsErakon", {u"/c"_s, QString()}, u"/c/Harunagi/erakon/erakon.ini"_s, QString()},
        PathCase{"ProgramNameNotUtf8IsErakon",
                 {u"/c"_s, u"/opt/er"_s + QChar(0xDCFF) + u"akon"_s},
                 u"/c/Harunagi/erakon/erakon.ini"_s,
                 u"/opt/er"_s + QChar(0xDCFF) + u"akon.ini"_s},
        PathCase{"ExtensionDropped",
                 {u"/c"_s, u"/opt/erakon.bin"_s},
                 u"/c/Harunagi/erakon/erakon.ini"_s,
                 u"/opt/erakon.ini"_s},
        PathCase{"LastDotOnly",
                 {u"/c"_s, u"/opt/erakon.v3.bin"_s},
                 u"/c/Harunagi/erakon.v3/erakon.v3.ini"_s,
                 u"/opt/erakon.v3.ini"_s},
        PathCase{"DotInFolderNotAnExtension",
                 {u"/c"_s, u"/opt/x.y/erakon"_s},
                 u"/c/Harunagi/erakon/erakon.ini"_s,
                 u"/opt/x.y/erakon.ini"_s}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramRecordTest, NamesTheExecutableAndItsFolder)
{
    const ProgramRecord record = programRecord(u"/opt/erakon/erakon"_s, u"2023/05/20"_s);
    EXPECT_EQ(record.name, u"erakon"_s);
    EXPECT_EQ(record.path, u"/opt/erakon"_s);
    EXPECT_EQ(record.version, QString::fromUtf8(kVersionText));
    EXPECT_EQ(record.lastClose, u"2023/05/20"_s);
    EXPECT_EQ(programRecord(u"/erakon"_s, QString()).path, u"/"_s);
}

// --- reading at start ------------------------------------------------------

TEST_F(SettingsFileTest, NoFileGivesEveryDefault)
{
    const LoadedSettings loaded = load();
    EXPECT_EQ(loaded.filePath, fallbackFile());
    WindowPlacement expected = placementAt(640, 360, 1280, 720);
    expected.showCmd = kShowCmdHide;
    EXPECT_EQ(loaded.placement, expected);
    EXPECT_EQ(loaded.windowState, kWindowStateNormal);
    EXPECT_EQ(loaded.options, OptionSettings{});
}

TEST_F(SettingsFileTest, MissingRightAndBottomDoubleLeftAndTop)
{
    const LoadedSettings loaded = loadFile("[POSITION]\r\nLeft=100\r\nTop=50\r\n");
    EXPECT_EQ(normalRect(loaded.placement), QRect(100, 50, 100, 50));
}

TEST_F(SettingsFileTest, StoredShowCommandIsIgnored)
{
    const LoadedSettings loaded = loadFile("[POSITION]\r\nShowCmd=3\r\nFlags=2\r\nMaxX=-8\r\nMaxY=-9\r\n");
    EXPECT_EQ(loaded.placement.showCmd, kShowCmdHide);
    EXPECT_EQ(loaded.placement.flags, 2u);
    EXPECT_EQ(loaded.placement.maxPosition, QPoint(-8, -9));
    EXPECT_EQ(loaded.windowState, kWindowStateNormal);
}

TEST_F(SettingsFileTest, DoubledDefaultsSaturateInsteadOfOverflowing)
{
    const LoadedSettings loaded = loadFile("[POSITION]\r\nLeft=2000000000\r\nTop=-2000000000\r\n");
    EXPECT_EQ(loaded.placement.right, std::numeric_limits<int>::max());
    EXPECT_EQ(loaded.placement.bottom, std::numeric_limits<int>::min());
}

struct StateCase {
    const char* name;
    const char* stored;
    int state;
};

class StoredStateTest : public SettingsFileTest, public testing::WithParamInterface<StateCase> {};

TEST_P(StoredStateTest, GivesOneOfTheThreeWindowStates)
{
    EXPECT_EQ(loadFile(QByteArray("[POSITION]\r\nState=") + GetParam().stored).windowState, GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(States, StoredStateTest,
                         testing::Values(StateCase{"Normal", "0", kWindowStateNormal},
                                         StateCase{"Minimized", "1", kWindowStateMinimized},
                                         StateCase{"Maximized", "2", kWindowStateMaximized},
                                         StateCase{"UnknownIsNormal", "7", kWindowStateNormal},
                                         StateCase{"NegativeIsNormal", "-1", kWindowStateNormal},
                                         StateCase{"NotANumberIsCurrent", "max", kWindowStateNormal}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsFileTest, MissingStateKeepsTheCurrentState)
{
    writeFile(userFile(), "[POSITION]\r\n");
    EXPECT_EQ(loadSettings(m_location, currentPlacement(), kWindowStateMaximized, kScreen).windowState,
              kWindowStateMaximized);
}

struct OptionCase {
    const char* name;
    const char* lines;
    OptionSettings (*expected)();
};

class StoredOptionTest : public SettingsFileTest, public testing::WithParamInterface<OptionCase> {};

TEST_P(StoredOptionTest, TakesValuesAsTheControlsDo)
{
    EXPECT_EQ(loadFile(QByteArray("[OPTION]\r\n") + GetParam().lines).options, GetParam().expected());
}

OptionSettings withAddYear(int year)
{
    OptionSettings o;
    o.userEraOrigin = year;
    return o;
}
OptionSettings withShowEto(bool on)
{
    OptionSettings o;
    o.showEto = on;
    return o;
}
OptionSettings withMinimize(int index)
{
    OptionSettings o;
    o.minimize = index;
    return o;
}
OptionSettings withSex(Sex sex)
{
    OptionSettings o;
    o.sex = sex;
    return o;
}
OptionSettings withAddName(const QString& name)
{
    OptionSettings o;
    o.userEraName = name;
    return o;
}

INSTANTIATE_TEST_SUITE_P(
    Options, StoredOptionTest,
    testing::Values(
        OptionCase{"AddYearBelowRange", "AddYear=-5", [] { return withAddYear(0); }},
        OptionCase{"AddYearAboveRange", "AddYear=12000", [] { return withAddYear(9999); }},
        OptionCase{"AddYearHex", "AddYear=0x7D0", [] { return withAddYear(2000); }},
        OptionCase{"AddYearNotANumber", "AddYear=abc", [] { return withAddYear(1880); }},
        OptionCase{"AddYearBeyond32Bits", "AddYear=4294967296", [] { return withAddYear(1880); }},
        OptionCase{"ShowEtoTwo", "ShowEto=2", [] { return withShowEto(true); }},
        OptionCase{"ShowEtoMinusOne", "ShowEto=-1", [] { return withShowEto(true); }},
        OptionCase{"ShowEtoWord", "ShowEto=true", [] { return withShowEto(false); }},
        OptionCase{"MinimizeAboveRange", "Minimize=5", [] { return withMinimize(1); }},
        OptionCase{"MinimizeBelowRange", "Minimize=-3", [] { return withMinimize(-1); }},
        OptionCase{"SexFemale", "Sex=\xE5\xA5\xB3\xE6\x80\xA7", [] { return withSex(Sex::Female); }},
        OptionCase{"SexMale", "Sex=\xE7\x94\xB7\xE6\x80\xA7", [] { return withSex(Sex::Male); }},
        OptionCase{"SexUnknownWord", "Sex=Female", [] { return withSex(Sex::Male); }},
        OptionCase{"SexNumber", "Sex=1", [] { return withSex(Sex::Male); }},
        OptionCase{"SexEmpty", "Sex=", [] { return withSex(Sex::Male); }},
        OptionCase{"SexBothWords", "Sex=\xE5\xA5\xB3\xE6\x80\xA7\xE7\x94\xB7\xE6\x80\xA7",
                   [] { return withSex(Sex::Male); }},
        OptionCase{"AddNameEmpty", "AddName=", [] { return withAddName(QString()); }},
        OptionCase{"AddNameControlCharacters",
                   "AddName=a\tb\x01"
                   "c",
                   [] { return withAddName(u"abc"_s); }},
        OptionCase{"LowerCaseNames", "addname=x\r\nsavestatus=0",
                   [] {
                       OptionSettings o = withAddName(u"x"_s);
                       o.saveStatus = false;
                       return o;
                   }},
        OptionCase{
            "EveryOption",
            "ShowEto=1\r\nStatusBar=1\r\nStayOnTop=1\r\nShowBold=1\r\nAddItem=1\r\nAddName=\xE7\xB4\x80\xE5\x85\x83\r\n"
            "ShowHint=1\r\nAddYear=-660\r\nMinimize=1\r\nCloseQuery=1\r\nSaveStatus=0\r\nStyleName=Windows10\r\n"
            "Sex=\xE5\xA5\xB3\xE6\x80\xA7",
            [] {
                OptionSettings o{true, true, true, true,  true,           u"紀元"_s,  0,
                                 true, 1,    true, false, u"Windows10"_s, Sex::Female};
                return o;
            }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsFileTest, LowerCaseSectionIsReadAndReplaced)
{
    writeFile(userFile(), "[position]\r\nleft=100\r\ntop=50\r\n");
    EXPECT_EQ(normalRect(load().placement), QRect(100, 50, 100, 50));
    ASSERT_EQ(save(), std::nullopt);
    EXPECT_EQ(savedSectionNames(), (QStringList{u"[PROGRAM]"_s, u"[POSITION]"_s, u"[OPTION]"_s}));
}

// --- writing at close ------------------------------------------------------

TEST_F(SettingsFileTest, FreshSaveWritesTheThreeSectionsExactly)
{
    OptionSettings options;
    options.styleName = u"Windows"_s;
    ASSERT_EQ(save(options), std::nullopt);
    const QString expected = u"[PROGRAM]\r\nName=erakon\r\nPath="_s + m_root.filePath(u"bin"_s) + u"\r\nVersion="_s
        + QString::fromUtf8(kVersionText) + u"\r\nIniFile="_s + QFileInfo(userFile()).absoluteFilePath()
        + u"\r\nLastClose=2023/05/20 14:05:09\r\n\r\n"_s
          u"[POSITION]\r\nFlags=0\r\nShowCmd=1\r\nMaxX=-1\r\nMaxY=-1\r\nLeft=640\r\nTop=360\r\nRight=1280\r\nBottom="
          u"720\r\n"
          u"State=0\r\n\r\n"
          u"[OPTION]\r\nShowEto=0\r\nStatusBar=0\r\nStayOnTop=0\r\nShowBold=0\r\nAddItem=0\r\nAddName=創業\r\nShowHint="
          u"0\r\n"
          u"AddYear=1880\r\nMinimize=0\r\nCloseQuery=0\r\nSaveStatus=1\r\nStyleName=Windows\r\nSex=男性\r\n\r\n"_s;
    EXPECT_EQ(readFile(userFile()), expected.toUtf8()); // UTF-8, no byte-order mark
}

TEST_F(SettingsFileTest, SavedSettingsReadBackUnchanged)
{
    OptionSettings options{true, false, true, false, true,        u" 創業 𠮷 "_s, 42,
                           true, -1,    true, true,  u"'Glow'"_s, Sex::Female};
    const WindowPlacement placement = placementAt(-100, 5, 700, 605);
    ASSERT_EQ(saveSettings(m_location, programRecord(m_location.executablePath, u"x"_s), placement,
                           kWindowStateMaximized, options),
              std::nullopt);
    const LoadedSettings loaded = load();
    EXPECT_EQ(loaded.options, options);
    EXPECT_EQ(normalRect(loaded.placement), normalRect(placement));
    EXPECT_EQ(loaded.windowState, kWindowStateMaximized);
}

TEST_F(SettingsFileTest, NameWithLineBreaksCannotAddKeysOrSections)
{
    OptionSettings options;
    options.userEraName = u"a\r\n[POSITION]\r\nLeft=5\nSaveStatus=0"_s;
    ASSERT_EQ(save(options), std::nullopt);
    EXPECT_EQ(savedSectionNames(), (QStringList{u"[PROGRAM]"_s, u"[POSITION]"_s, u"[OPTION]"_s}));
    const LoadedSettings loaded = load();
    EXPECT_EQ(loaded.options.userEraName, u"a[POSITION]Left=5SaveStatus=0"_s);
    EXPECT_TRUE(loaded.options.saveStatus);
    EXPECT_EQ(loaded.placement.left, 640);
}

struct LastCloseCase {
    const char* name;
    QString text;
};

class LastCloseTest : public SettingsFileTest, public testing::WithParamInterface<LastCloseCase> {};

TEST_P(LastCloseTest, StoresTheTextItIsGiven)
{
    ASSERT_EQ(save({}, GetParam().text), std::nullopt);
    EXPECT_TRUE(readFile(userFile()).contains("\r\nLastClose=" + GetParam().text.toUtf8() + "\r\n\r\n[POSITION]"));
}

INSTANTIATE_TEST_SUITE_P(Times, LastCloseTest,
                         testing::Values(LastCloseCase{"Afternoon", u"2023/05/20 14:05:09"_s},
                                         LastCloseCase{"MidnightDateOnly", u"2023/05/20"_s}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsFileTest, SaveStatusOffKeepsOnlyProgramAndForeignSections)
{
    writeFile(userFile(), "[NOTES]\r\na=1\r\n[POSITION]\r\nLeft=1\r\n[OPTION]\r\nSaveStatus=0\r\n[MODE]\r\nm=1\r\n");
    const LoadedSettings loaded = load();
    EXPECT_FALSE(loaded.options.saveStatus);

    ASSERT_EQ(save(loaded.options), std::nullopt);
    EXPECT_EQ(savedSectionNames(), (QStringList{u"[NOTES]"_s, u"[PROGRAM]"_s}));
    const LoadedSettings next = load();
    EXPECT_EQ(next.options, OptionSettings{});
    EXPECT_EQ(next.placement.left, 640);
}

TEST_F(SettingsFileTest, ForeignSectionsComeFirstAndModeAndCommentsGo)
{
    writeFile(userFile(),
              "[MODE]\r\nm=1\r\n[OPTION]\r\nShowEto=1\r\n[NOTES]\r\n; mine\r\nKey = Value\r\nfree text\r\n"
              "[PROGRAM]\r\nName=old\r\n");
    ASSERT_EQ(save(), std::nullopt);
    EXPECT_EQ(savedSectionNames(), (QStringList{u"[NOTES]"_s, u"[PROGRAM]"_s, u"[POSITION]"_s, u"[OPTION]"_s}));
    EXPECT_TRUE(
        readFile(userFile()).startsWith("[NOTES]\r\nKey=Value\r\nfree text\r\n\r\n[PROGRAM]\r\nName=erakon\r\n"));
}

TEST_F(SettingsFileTest, HeaderWithTrailingTextNeverHidesTheSavedSection)
{
    writeFile(userFile(), "[NOTES]\r\na=1\r\n[POSITION] ; old\r\nLeft=100\r\n");
    EXPECT_EQ(load().placement.left, 640);
    ASSERT_EQ(save({}, u"x"_s, placementAt(500, 50, 900, 350)), std::nullopt);
    EXPECT_EQ(load().placement.left, 500);
}

struct EncodingCase {
    const char* name;
    QByteArray file;
    QByteArray savedStart;
};

class FileEncodingTest : public SettingsFileTest, public testing::WithParamInterface<EncodingCase> {};

TEST_P(FileEncodingTest, KeepsTheMarkAndReadsTheName)
{
    EXPECT_EQ(loadFile(GetParam().file).options.userEraName, u"創業"_s);
    ASSERT_EQ(save(), std::nullopt);
    const QByteArray saved = readFile(userFile());
    EXPECT_TRUE(saved.startsWith(GetParam().savedStart));
    EXPECT_EQ(load().options.userEraName, u"創業"_s);
}

QByteArray utf16WithoutMark(const QString& text, bool littleEndian)
{
    QByteArray out;
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        out.append(littleEndian ? low : high).append(littleEndian ? high : low);
    }
    return out;
}

QByteArray utf16(const QString& text, bool littleEndian)
{
    return QByteArray(littleEndian ? "\xFF\xFE" : "\xFE\xFF") + utf16WithoutMark(text, littleEndian);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, FileEncodingTest,
    testing::Values(
        EncodingCase{"Utf8WithMark", "\xEF\xBB\xBF[OPTION]\r\nAddName=\xE5\x89\xB5\xE6\xA5\xAD\r\n"_ba,
                     "\xEF\xBB\xBF[PROGRAM]\r\n"_ba},
        EncodingCase{"Utf8WithoutMark", "[OPTION]\r\nAddName=\xE5\x89\xB5\xE6\xA5\xAD\r\n"_ba, "[PROGRAM]\r\n"_ba},
        EncodingCase{"Utf16LittleEndian", utf16(u"[OPTION]\r\nAddName=創業\r\n"_s, true),
                     utf16(u"[PROGRAM]\r\n"_s, true)},
        EncodingCase{"Utf16BigEndian", utf16(u"[OPTION]\r\nAddName=創業\r\n"_s, false),
                     utf16(u"[PROGRAM]\r\n"_s, false)},
        EncodingCase{"ShiftJisBecomesUtf8", "[NOTES]\r\nk=\x91\x6E\r\n[OPTION]\r\nAddName=\x91\x6E\x8B\xC6\r\n"_ba,
                     "[NOTES]\r\nk=\xE5\x89\xB5\r\n\r\n[PROGRAM]\r\n"_ba}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsFileTest, FileBesideTheProgramIsReadThenLeftAlone)
{
    const QByteArray beside = "[OPTION]\r\nShowEto=1\r\n";
    writeFile(fallbackFile(), beside);
    const LoadedSettings loaded = load();
    EXPECT_EQ(loaded.filePath, fallbackFile());
    EXPECT_TRUE(loaded.options.showEto);

    ASSERT_EQ(save(loaded.options), std::nullopt);
    EXPECT_EQ(readFile(fallbackFile()), beside);
    EXPECT_EQ(load().filePath, userFile());
    EXPECT_TRUE(load().options.showEto);
}

TEST_F(SettingsFileTest, FolderThatCannotBeMadeFallsBackBesideTheProgram)
{
    writeFile(m_location.configHome, "a file where the folder should be");
    ASSERT_EQ(save(), std::nullopt);
    EXPECT_TRUE(readFile(fallbackFile()).startsWith("[PROGRAM]\r\n"));
    EXPECT_TRUE(readFile(fallbackFile()).contains("IniFile=" + fallbackFile().toUtf8() + "\r\n"));
}

TEST_F(SettingsFileTest, NowhereToWriteReportsTheError)
{
    writeFile(m_location.configHome, "a file where the folder should be");
    m_location.executablePath = m_root.filePath(u"missing/bin/erakon"_s);
    const std::optional<QString> error = save();
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(fallbackFile())) << error->toStdString();
}

TEST_F(SettingsFileTest, UnreadableFileReportsTheErrorAndStaysUntouched)
{
    ASSERT_TRUE(QDir().mkpath(userFile())); // a folder where the file should be
    const std::optional<QString> error = save();
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(userFile())) << error->toStdString();
    EXPECT_TRUE(QFileInfo(userFile()).isDir());
}

TEST_F(SettingsFileTest, ReadOnlyFileReportsTheErrorAndStaysUntouched)
{
    const QByteArray old = "[OPTION]\r\nShowEto=1\r\n";
    writeFile(userFile(), old);
    // Read-only as the user sees it; root, who may write it anyway, is refused too.
    QFile::setPermissions(userFile(), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    const std::optional<QString> error = save();
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(userFile())) << error->toStdString();
    EXPECT_EQ(readFile(userFile()), old);
}

TEST_F(SettingsFileTest, WriteThatFailsHalfWayLeavesTheOldFileWhole)
{
    // A file size limit stands in for a full disk: the new file cannot be written whole.
    const QByteArray old = "[NOTES]\r\nk=" + QByteArray(3000, 'x') + "\r\n";
    writeFile(userFile(), old);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 3100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);

    const std::optional<QString> error = save();

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(readFile(userFile()), old);
    EXPECT_EQ(QDir(QFileInfo(userFile()).absolutePath()).entryList(QDir::Files | QDir::Hidden),
              QStringList{u"erakon.ini"_s});
}

struct DamagedCase {
    const char* name;
    QByteArray (*file)();
};

class DamagedFileTest : public SettingsFileTest, public testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedFileTest, GivesDefaultsAndSavesCleanly)
{
    const LoadedSettings loaded = loadFile(GetParam().file());
    EXPECT_EQ(loaded.placement.left, 640);
    EXPECT_EQ(loaded.options.userEraOrigin, 1880);
    ASSERT_EQ(save(loaded.options), std::nullopt);
    const LoadedSettings again = load();
    EXPECT_EQ(again.options, loaded.options);
    EXPECT_EQ(again.placement.left, 640);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedFileTest,
    testing::Values(
        DamagedCase{"BinaryJunkWithoutZeros",
                    [] {
                        QByteArray junk;
                        for (int i = 0; i < 4096; ++i)
                            junk.append(char((i * 7919 + 13) % 255 + 1));
                        return junk;
                    }},
        DamagedCase{"ZerosAfterTheLastLine", [] { return "[NOTES]\r\nk=v\r\n\0\0\0\0\0\0\0\0"_ba; }},
        DamagedCase{"OneMegabyteLine", [] { return "[POSITION]\r\nLeft=" + QByteArray(1 << 20, '9') + "\r\n"; }},
        DamagedCase{"InvalidUtf8",
                    [] { return "[POSITION]\r\nLeft=\xC3\x28\xFF\r\n[OPTION]\r\nAddYear=\xED\xA0\x80\r\n"_ba; }},
        DamagedCase{"InvalidUtf16", [] { return "\xFF\xFE\x00\xD8[\0P\0\x00\xDC\x00\xDC="_ba; }},
        DamagedCase{"BracketWithoutClose", [] { return "[POSITION\r\nLeft=1\r\n[OPTION\r\nAddYear=5\r\n"_ba; }},
        DamagedCase{"ThousandsOfSections",
                    [] {
                        QByteArray text;
                        for (int i = 0; i < 10000; ++i)
                            text += "[S" + QByteArray::number(i) + "]\r\nk=v\r\n";
                        return text;
                    }},
        DamagedCase{"DuplicateKeysAndSections",
                    [] { return "[POSITION]\r\nLeft=abc\r\nLeft=100\r\n[OPTION]\r\n[POSITION]\r\nLeft=200\r\n"_ba; }},
        DamagedCase{"IntegersBeyond32Bits",
                    [] { return "[POSITION]\r\nLeft=2147483648\r\n[OPTION]\r\nAddYear=-9223372036854775809\r\n"_ba; }}),
    [](const auto& info) { return std::string(info.param.name); });

// Zero bytes amid the text of a file that is not UTF-16: its encoding is
// unknown, so the start reads what it can and the close leaves the file alone,
// saying why, rather than scramble the user's text.
TEST_F(SettingsFileTest, FileOfAnUnknownEncodingIsLeftAloneAtTheClose)
{
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(char((i * 7919 + 13) % 256));
    const QByteArray utf16 = utf16WithoutMark(u"[メモ]\r\n記録=漢字の記録\r\n[OPTION]\r\nAddName=開店\r\n"_s, true);
    const QByteArray files[] = {
        "[POSITION]\0\r\nLeft=1\0"
        "00\r\n[OPTION\0]\r\n"_ba,
        junk,
        // UTF-16 with a byte lost half way: neither byte order reads it.
        utf16.left(20) + utf16.sliced(21) + '\n',
    };
    for (const QByteArray& file : files) {
        SCOPED_TRACE(file.left(24).toHex().toStdString());
        (void)loadFile(file);
        const std::optional<QString> error = save();
        ASSERT_TRUE(error.has_value());
        EXPECT_TRUE(error->contains(userFile())) << error->toStdString();
        EXPECT_TRUE(error->contains(u"encoding is unknown"_s)) << error->toStdString();
        EXPECT_EQ(readFile(userFile()), file);
    }
}

// A close never writes a file larger than a start reads: a file just under the
// limit that grows in the rewrite (here LF becoming CR LF; Shift_JIS becoming
// UTF-8 grows it too) is kept as it was, and the close says so.
TEST_F(SettingsFileTest, RewriteThatWouldPassTheSizeLimitKeepsTheOldFile)
{
    constexpr qsizetype kLimit = 64 * 1024 * 1024;
    const QByteArray line = "memo=" + QByteArray(1000, 'x') + '\n';
    QByteArray file = "[OPTION]\r\nShowEto=1\r\n[NOTES]\n";
    file.reserve(kLimit);
    while (file.size() + line.size() <= kLimit - 256)
        file += line;
    writeFile(userFile(), file);
    EXPECT_TRUE(load().options.showEto);
    const std::optional<QString> error = save();
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(userFile())) << error->toStdString();
    EXPECT_TRUE(error->contains(u"64 MiB"_s)) << error->toStdString();
    EXPECT_TRUE(readFile(userFile()) == file);
}

// --- the kind of file at the settings path ----------------------------------

TEST_F(SettingsFileTest, LinkedSettingsFileIsWrittenThroughTheLink)
{
    // Dotfiles kept in a folder of their own, linked into place.
    const QString target = m_root.filePath(u"dotfiles/erakon.ini"_s);
    writeFile(target, "[NOTES]\r\nk=v\r\n");
    ASSERT_TRUE(
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(userFile()).absolutePath()));
    ASSERT_TRUE(QFile::link(target, userFile()));

    ASSERT_EQ(save(), std::nullopt);
    EXPECT_EQ(QFileInfo(userFile()).symLinkTarget(), target);
    EXPECT_TRUE(readFile(target).startsWith("[NOTES]\r\nk=v\r\n\r\n[PROGRAM]\r\n"));
    EXPECT_EQ(QFileInfo(target).permissions() & 0x7077,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
}

struct SpecialFileCase {
    const char* name;
    // Makes the special file at path; false when this run cannot (a device
    // node needs root).
    bool (*make)(const QString& path, const QString& folder);
    mode_t type;
};

class SpecialFileTest : public SettingsFileTest, public testing::WithParamInterface<SpecialFileCase> {};

bool makeFifo(const QString& path, const QString&) { return mkfifo(QFile::encodeName(path).constData(), 0600) == 0; }

bool makeLinkToFifo(const QString& path, const QString& folder)
{
    const QString fifo = folder + u"/elsewhere.fifo"_s;
    return makeFifo(fifo, folder) && QFile::link(fifo, path);
}

bool makeSocket(const QString& path, const QString&)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (size_t(name.size()) >= sizeof(address.sun_path))
        return false;
    std::copy(name.begin(), name.end(), address.sun_path);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    close(fd);
    return bound;
}

// A zero device of the test's own, behind a link: endless bytes to read.
bool makeLinkToZeroDevice(const QString& path, const QString& folder)
{
    const QString device = folder + u"/zero"_s;
    return mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 5)) == 0
        && QFile::link(device, path);
}

TEST_P(SpecialFileTest, GivesDefaultsAndIsNeverOpenedOrReplaced)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(userFile()).absolutePath()));
    if (!GetParam().make(userFile(), m_root.path()))
        GTEST_SKIP() << "cannot make this kind of file here";
    // Were the special file passed over, the file beside the program would be read.
    writeFile(fallbackFile(), "[OPTION]\r\nShowEto=1\r\n");

    // Opening a FIFO waits for the other end: the close must never get there.
    // A close that blocks is left behind on a thread of its own.
    auto result = std::make_shared<std::promise<std::optional<QString>>>();
    std::future<std::optional<QString>> closing = result->get_future();
    std::thread([result, location = m_location] {
        result->set_value(saveSettings(location, programRecord(location.executablePath, u"x"_s), currentPlacement(),
                                       kWindowStateNormal, {}));
    }).detach();
    ASSERT_EQ(closing.wait_for(std::chrono::seconds(30)), std::future_status::ready)
        << "the close blocked on the special file";
    const std::optional<QString> error = closing.get();
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(userFile())) << error->toStdString();
    EXPECT_TRUE(error->contains(u"not a regular file"_s)) << error->toStdString();

    struct stat status {};
    ASSERT_EQ(stat(QFile::encodeName(userFile()).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & S_IFMT, GetParam().type);
    EXPECT_EQ(load().options, OptionSettings{});
}

INSTANTIATE_TEST_SUITE_P(Kinds, SpecialFileTest,
                         testing::Values(SpecialFileCase{"Fifo", makeFifo, S_IFIFO},
                                         SpecialFileCase{"LinkToFifo", makeLinkToFifo, S_IFIFO},
                                         SpecialFileCase{"Socket", makeSocket, S_IFSOCK},
                                         SpecialFileCase{"LinkToZeroDevice", makeLinkToZeroDevice, S_IFCHR}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsFileTest, FileBeyondTheSizeLimitGivesDefaultsAndIsLeftAlone)
{
    // Sparse: far larger than any settings file, yet it costs no disk.
    writeFile(userFile(), "[OPTION]\r\nShowEto=1\r\n");
    constexpr qint64 kPastTheLimit = 64 * 1024 * 1024 + 1;
    ASSERT_TRUE(QFile::resize(userFile(), kPastTheLimit));

    EXPECT_EQ(load().options, OptionSettings{});
    const std::optional<QString> error = save();
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(userFile())) << error->toStdString();
    EXPECT_TRUE(error->contains(u"64 MiB"_s)) << error->toStdString();
    EXPECT_EQ(QFileInfo(userFile()).size(), kPastTheLimit);
}

// --- owner and mode ----------------------------------------------------------

TEST_F(SettingsFileTest, RewriteKeepsTheMode)
{
    writeFile(userFile(), "[NOTES]\r\nk=v\r\n");
    const QFileDevice::Permissions mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(userFile(), mode));
    ASSERT_EQ(save(), std::nullopt);
    EXPECT_EQ(QFileInfo(userFile()).permissions() & 0x7077, mode);
}

// Only root can give a file to another user; elsewhere the owner is kept
// trivially (the atomic-write tests inject the owner instead).
TEST_F(SettingsFileTest, RewriteByRootLeavesTheFileToItsOwner)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root";
    writeFile(userFile(), "[NOTES]\r\nk=v\r\n");
    const QByteArray path = QFile::encodeName(userFile());
    ASSERT_EQ(chown(path.constData(), 4242, 4243), 0);
    ASSERT_EQ(chmod(path.constData(), 0604), 0);

    ASSERT_EQ(save(), std::nullopt);
    struct stat status {};
    ASSERT_EQ(stat(path.constData(), &status), 0);
    EXPECT_EQ(status.st_uid, 4242u);
    EXPECT_EQ(status.st_gid, 4243u);
    EXPECT_EQ(status.st_mode & 07777, 0604u);
}

// --- mixed encodings -----------------------------------------------------------

TEST_F(SettingsFileTest, StrayShiftJisLineLeavesTheUtf8TextAlone)
{
    writeFile(userFile(), "[OPTION]\r\nAddName=\xE5\x89\xB5\xE6\xA5\xAD\r\n; \x82\xA0\r\n");
    const LoadedSettings loaded = load();
    EXPECT_EQ(loaded.options.userEraName, u"創業"_s);
    ASSERT_EQ(save(loaded.options), std::nullopt);
    EXPECT_TRUE(readFile(userFile()).contains("\r\nAddName=\xE5\x89\xB5\xE6\xA5\xAD\r\n"));
    EXPECT_EQ(load().options.userEraName, u"創業"_s);
}

// Every line of the user's own keeps its bytes, whatever encoding it is in,
// and the program's texts still read right.
TEST_F(SettingsFileTest, UsersLinesKeepTheirBytesInAMixedFile)
{
    const QByteArray utf8Memo =
        "\xE3\x83\xA1\xE3\x83\xA2=\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE3\x83\xA1\xE3\x83\xA2";
    const QByteArray shiftJisMemo = "sjis=\x93\xFA\x96\x7B\x8C\xEA"; // 日本語
    const QByteArray neither = "raw=\xFF\xFE\x80 \xE6\x97"; // no encoding reads it
    const QByteArray cp932Only = "ibm=\xED\x40"; // reads, but writes back as FA 5C
    writeFile(userFile(),
              "[\xE3\x83\xA1\xE3\x83\xA2]\r\n" + utf8Memo + "\r\n" + shiftJisMemo + "\r\n" + neither + "\r\n"
                  + cp932Only + "\r\n[OPTION]\r\nAddName=\x91\x6E\x8B\xC6\r\n");
    const LoadedSettings loaded = load();
    EXPECT_EQ(loaded.options.userEraName, u"創業"_s);

    ASSERT_EQ(save(loaded.options), std::nullopt);
    const QByteArray saved = readFile(userFile());
    EXPECT_TRUE(saved.startsWith("[\xE3\x83\xA1\xE3\x83\xA2]\r\n" + utf8Memo + "\r\n" + shiftJisMemo + "\r\n" + neither
                                 + "\r\n" + cp932Only + "\r\n\r\n[PROGRAM]\r\n"))
        << saved.left(200).toStdString();
    EXPECT_TRUE(saved.contains("\r\nAddName=\xE5\x89\xB5\xE6\xA5\xAD\r\n"));
    // And once more: a second close changes nothing of the user's.
    ASSERT_EQ(save(load().options), std::nullopt);
    EXPECT_EQ(readFile(userFile()), saved);
}

TEST_F(SettingsFileTest, Utf16WithoutMarkIsReadAndKeptSo)
{
    // Mostly Japanese: far fewer ASCII units than a mostly English file has.
    QString memo;
    for (int i = 0; i < 40; ++i)
        memo += u"明治の初めに創業した店の記録、"_s;
    for (const bool littleEndian : {true, false}) {
        SCOPED_TRACE(littleEndian ? "mostly Japanese, little endian" : "mostly Japanese, big endian");
        const QString users = u"[メモ]\r\n記録="_s + memo + u"\r\n"_s;
        const QByteArray file = utf16WithoutMark(users + u"[OPTION]\r\nAddItem=1\r\nAddName=創業\r\n"_s, littleEndian);
        const LoadedSettings loaded = loadFile(file);
        EXPECT_TRUE(loaded.options.userEraShown);
        EXPECT_EQ(loaded.options.userEraName, u"創業"_s);
        ASSERT_EQ(save(loaded.options), std::nullopt);
        const QByteArray saved = readFile(userFile());
        EXPECT_TRUE(saved.startsWith(utf16WithoutMark(users + u"\r\n[PROGRAM]\r\n"_s, littleEndian)))
            << saved.left(40).toHex().toStdString();
        EXPECT_EQ(load().options.userEraName, u"創業"_s);
        QFile::remove(userFile());
    }

    for (const bool littleEndian : {true, false}) {
        SCOPED_TRACE(littleEndian ? "little endian" : "big endian");
        // The test's writer puts a mark first; this file has none.
        const QByteArray file = utf16(u"[NOTES]\r\n一=二\r\n[OPTION]\r\nAddName=創業\r\n"_s, littleEndian).sliced(2);
        EXPECT_EQ(loadFile(file).options.userEraName, u"創業"_s);
        ASSERT_EQ(save(), std::nullopt);
        const QByteArray saved = readFile(userFile());
        EXPECT_TRUE(saved.startsWith(utf16(u"[NOTES]\r\n一=二\r\n\r\n[PROGRAM]\r\n"_s, littleEndian).sliced(2)))
            << saved.left(40).toHex().toStdString();
        EXPECT_EQ(load().options.userEraName, u"創業"_s);
        QFile::remove(userFile());
    }
}

// --- where the settings live ---------------------------------------------------

TEST(SystemSettingsLocationTest, RelativeConfigHomeAndMissingHomeAreNotUsed)
{
    const passwd* user = getpwuid(getuid());
    if (!user)
        GTEST_SKIP() << "this user has no entry in the password database";
    const QString passwordHome = QFile::decodeName(user->pw_dir);
    struct Row {
        const char* name;
        std::optional<QByteArray> home;
        std::optional<QByteArray> configHome;
        QString expected;
    };
    const Row rows[] = {
        {"relative config home", QByteArray("/home/someone"), QByteArray("relcfg"), u"/home/someone/.config"_s},
        {"absolute config home", QByteArray("/home/someone"), QByteArray("/cfg"), u"/cfg"_s},
        {"no home", std::nullopt, std::nullopt, passwordHome + u"/.config"_s},
        {"empty home", QByteArray(), std::nullopt, passwordHome + u"/.config"_s},
        {"relative home", QByteArray("home"), std::nullopt, passwordHome + u"/.config"_s},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const EnvironmentValue home("HOME", row.home);
        const EnvironmentValue configHome("XDG_CONFIG_HOME", row.configHome);
        const SettingsLocation location = systemSettingsLocation();
        EXPECT_EQ(location.configHome, row.expected);
        EXPECT_TRUE(QDir::isAbsolutePath(location.executablePath)) << location.executablePath.toStdString();
    }
}

// A program in a folder whose name is not UTF-8 (Qt gives no path for it):
// the file beside it is reached by the folder's own bytes, and the record
// names the program, its folder shown with U+FFFD.
TEST_F(SettingsFileTest, ProgramInAFolderThatIsNotUtf8)
{
    const QByteArray folderBytes = QFile::encodeName(m_root.path()) + "/bad\xFF";
    ASSERT_EQ(mkdir(folderBytes.constData(), 0700), 0);
    m_location.executablePath = decodeFileName(folderBytes + "/erakon");
    writeFile(m_location.configHome, "a file where the folder should be");
    OptionSettings options;
    options.showEto = true;

    ASSERT_EQ(save(options), std::nullopt);
    QFile written;
    const int fd = open((folderBytes + "/erakon.ini").constData(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_TRUE(written.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
    const QString text = QString::fromUtf8(written.readAll());
    EXPECT_TRUE(text.contains(u"\r\nName=erakon\r\n"_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"\r\nPath="_s + m_root.path() + u"/bad\uFFFD\r\n"_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"\r\nIniFile="_s + m_root.path() + u"/bad\uFFFD/erakon.ini\r\n"_s))
        << text.toStdString();
    EXPECT_EQ(load().filePath, m_location.executablePath + u".ini"_s);
    EXPECT_TRUE(load().options.showEto);

    // QTemporaryDir cannot name the folder.
    unlink((folderBytes + "/erakon.ini").constData());
    rmdir(folderBytes.constData());
}

TEST_F(SettingsFileTest, UnknownProgramAndFolderReportInsteadOfWritingARelativeFile)
{
    m_location = {QString(), QString()};
    // A relative file would land in the working folder.
    const QString workingFolder = m_root.filePath(u"working"_s);
    ASSERT_TRUE(QDir().mkpath(workingFolder));
    const QString previousFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(workingFolder));
    const std::optional<QString> error = save();
    QDir::setCurrent(previousFolder);

    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(QDir(workingFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{});
}

} // namespace
} // namespace erakon
