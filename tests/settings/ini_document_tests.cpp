// SPDX-License-Identifier: MIT
#include "settings/ini_document.h"

#include "tests/support/settings_test_printers.h"

#include <gtest/gtest.h>

namespace erakon {
namespace {

using namespace Qt::Literals::StringLiterals;

struct LoadCase {
    const char* name;
    QString input;
    QString written;
};

class IniDocumentLoadTest : public testing::TestWithParam<LoadCase> {};

TEST_P(IniDocumentLoadTest, LoadsAndWritesBack)
{
    EXPECT_EQ(IniDocument::fromText(GetParam().input).toText(), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Files, IniDocumentLoadTest,
    testing::Values(
        LoadCase{"Empty", QString(), QString()},
        LoadCase{"SectionsGetEmptyLineAndCrLf", u"[A]\nk=v\n[B]\nj=w"_s, u"[A]\r\nk=v\r\n\r\n[B]\r\nj=w\r\n\r\n"_s},
        LoadCase{"BlanksAroundEqualsRemoved", u"[A]\n \tk \t= \tv w \t\n"_s, u"[A]\r\nk=v w\r\n\r\n"_s},
        LoadCase{"ControlCharactersAtEndsTrimmed", u"[A]\n\x01k=v\x1F\n"_s, u"[A]\r\nk=v\r\n\r\n"_s},
        LoadCase{"CommentsAndEmptyLinesDropped", u"[A]\n; note\n\n  ;k=1\nk=2\n"_s, u"[A]\r\nk=2\r\n\r\n"_s},
        LoadCase{"LinesBeforeFirstSectionDropped", u"k=1\nloose\n[A]\n"_s, u"[A]\r\n\r\n"_s},
        LoadCase{"LineWithoutEqualsKept", u"[A]\n  some text \n"_s, u"[A]\r\nsome text\r\n\r\n"_s},
        LoadCase{"SectionNameTrimmed", u"[  A b  ]\n"_s, u"[A b]\r\n\r\n"_s},
        LoadCase{"RepeatedSectionDropped", u"[A]\nk=1\n[B]\nj=1\n[a]\nk=2\nx=3\n[C]\n"_s,
                 u"[A]\r\nk=1\r\n\r\n[B]\r\nj=1\r\n\r\n[C]\r\n\r\n"_s},
        LoadCase{"DuplicateKeysKept", u"[A]\nk=1\nk=2\n"_s, u"[A]\r\nk=1\r\nk=2\r\n\r\n"_s},
        LoadCase{"OpenBracketIsAPlainLine", u"[A]\n[B\n"_s, u"[A]\r\n[B\r\n\r\n"_s},
        LoadCase{"HeaderWithTrailingTextIsAPlainLine", u"[A]\n[B] x\n"_s, u"[A]\r\n[B] x\r\n\r\n"_s},
        LoadCase{"EmptySectionName", u"[]\nk=1\n"_s, u"[]\r\nk=1\r\n\r\n"_s},
        LoadCase{"MixedLineEnds", u"[A]\r\nk=1\rj=2\nl=3\r\n"_s, u"[A]\r\nk=1\r\nj=2\r\nl=3\r\n\r\n"_s},
        LoadCase{"EmptyKeyName", u"[A]\n=v\n"_s, u"[A]\r\n=v\r\n\r\n"_s}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniDocumentEditTest, RemovesSectionsWithoutRegardToCase)
{
    IniDocument document = IniDocument::fromText(u"[Notes]\na=1\n[position]\nLeft=1\n[MODE]\nx=1\n"_s);
    document.removeSection(u"POSITION");
    document.removeSection(u"mode");
    document.removeSection(u"NOSUCH");
    EXPECT_EQ(document.toText(), u"[Notes]\r\na=1\r\n\r\n"_s);
}

TEST(IniDocumentEditTest, WritesValuesInPlaceAtSectionEndOrInANewSection)
{
    IniDocument document = IniDocument::fromText(u"[A]\nleft=1\nnote\ntop=2\n[B]\nk=1\n"_s);
    document.writeValue(u"a", u"Left", u"10");
    document.writeValue(u"A", u"Right", u"20");
    document.writeValue(u"C", u"k", u"v");
    EXPECT_EQ(document.toText(),
              u"[A]\r\nLeft=10\r\nnote\r\ntop=2\r\nRight=20\r\n\r\n[B]\r\nk=1\r\n\r\n[C]\r\nk=v\r\n\r\n"_s);
}

TEST(IniDocumentEditTest, ReplacesTheFirstOfDuplicateKeys)
{
    IniDocument document = IniDocument::fromText(u"[A]\nk=1\nk=2\n"_s);
    document.writeValue(u"A", u"k", u"3");
    EXPECT_EQ(document.toText(), u"[A]\r\nk=3\r\nk=2\r\n\r\n"_s);
}

TEST(IniDocumentEditTest, RemovedSectionWrittenAgainGoesToTheEnd)
{
    IniDocument document = IniDocument::fromText(u"[A]\nk=1\n[B]\nj=1\n"_s);
    document.removeSection(u"A");
    document.writeValue(u"A", u"k", u"2");
    EXPECT_EQ(document.toText(), u"[B]\r\nj=1\r\n\r\n[A]\r\nk=2\r\n\r\n"_s);
}

TEST(IniDocumentEditTest, ValuesCannotOpenLinesOrSections)
{
    IniDocument document;
    document.writeValue(u"A", u"k", u"x\r\n[EVIL]\r\nj=1\x7F\t");
    EXPECT_EQ(document.toText(), u"[A]\r\nk=x[EVIL]j=1\r\n\r\n"_s);
    EXPECT_EQ(IniDocument::fromText(document.toText()).sectionNames(), QStringList{u"A"_s});
}

TEST(IniDocumentScaleTest, ThousandsOfSectionsKeepTheirOrder)
{
    QString text;
    for (int i = 0; i < 5000; ++i)
        text += u"[S%1]\nk=%1\n"_s.arg(i);
    IniDocument document = IniDocument::fromText(text);
    document.removeSection(u"s2500");
    document.writeValue(u"S4999", u"k", u"last");
    document.writeValue(u"NEW", u"k", u"v");

    const QStringList names = document.sectionNames();
    ASSERT_EQ(names.size(), 5000);
    EXPECT_EQ(names.front(), u"S0"_s);
    EXPECT_FALSE(names.contains(u"S2500"_s));
    EXPECT_EQ(names.back(), u"NEW"_s);
    EXPECT_EQ(document.value(u"S4999", u"K"), u"last"_s);
    EXPECT_EQ(document.value(u"S1234", u"k"), u"1234"_s);
}

} // namespace
} // namespace erakon
