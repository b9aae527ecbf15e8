// SPDX-License-Identifier: MIT
// The window's settings layer and the core read the same keys: the names the
// window writes are the names the core reads, and both read a file alike.
#include "settings/option_table.h"
#include "settings/profile_reader.h"

#include "core/user_era_settings.h"

#include <gtest/gtest.h>

namespace erakon {
namespace {

using namespace Qt::Literals::StringLiterals;

TEST(CoreAgreementTest, UserEraKeysAreTheCoresNames)
{
    EXPECT_EQ(optionKeyName(OptionKey::AddItem).toString().toStdString(), kAddItemKeyName);
    EXPECT_EQ(optionKeyName(OptionKey::AddName).toString().toStdString(), kAddNameKeyName);
    EXPECT_EQ(optionKeyName(OptionKey::AddYear).toString().toStdString(), kAddYearKeyName);
}

TEST(CoreAgreementTest, ReaderGivesTheCoresValues)
{
    const ProfileReader reader = ProfileReader::fromText(
        u"[option]\nAddItem=1\nAddName=' 創業 '\nAddYear=$76C\n[OPTION]\nAddYear=1\n"_s);
    const UserEraSettings core = readUserEraSettings(reader.profile());
    EXPECT_EQ(core, (UserEraSettings{true, " 創業 ", 1900}));
    EXPECT_EQ(reader.readString(u"OPTION", u"addname", QString()), u" 創業 "_s);
    EXPECT_EQ(reader.readInteger(u"Option", u"AddYear", 0), 1900);
}

} // namespace
} // namespace erakon
