#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "SettingNames.h"
#include "SettingsStore.h"
#include "TessarinError.h"

namespace {

class SettingsStoreTest : public testing::Test
{
protected:
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("Tessarin.conf"));
    SettingsStore store{file};
};

TEST_F(SettingsStoreTest, aFirstRunReadsDefaultsAndCreatesNothing)
{
    EXPECT_EQ(store.ReadSetting(Setting::ScreenHeight, SettingDefault::ScreenHeight), 600);
    EXPECT_EQ(store.ReadSetting(Setting::PTFontName, SettingDefault::PTFontName), QStringLiteral("Tahoma"));
    EXPECT_EQ(store.ReadSetting(Setting::LastPuzzle, QString()), QString());
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(SettingsStoreTest, valuesKeepTheirTypeAcrossStores)
{
    store.WriteSetting(Setting::PrintFontSize, 14);
    store.WriteSetting(Setting::PrintFontName, QStringLiteral("Deja \"Vu\" \\ Sans\n2"));
    store.WriteSetting(Setting::History1, QStringLiteral("/home/ann/Caf\u00E9 puzzles/12.acnx"));
    store.WriteSetting(Setting::QuoteTool, QStringLiteral("42"));
    store.WriteSetting(Setting::LastPuzzle, QString());
    const SettingsStore again(file);
    EXPECT_EQ(again.ReadSetting(Setting::PrintFontSize, 12), 14);
    EXPECT_EQ(again.ReadSetting(Setting::PrintFontName, QString()), QStringLiteral("Deja \"Vu\" \\ Sans\n2"));
    EXPECT_EQ(again.ReadSetting(Setting::History1, QString()), QStringLiteral("/home/ann/Caf\u00E9 puzzles/12.acnx"));
    EXPECT_EQ(again.ReadSetting(Setting::QuoteTool, QStringLiteral("default")), QStringLiteral("42"));
    EXPECT_EQ(again.ReadSetting(Setting::LastPuzzle, QStringLiteral("default")), QString());
}

TEST_F(SettingsStoreTest, readingWithADefaultOfTheOtherTypeFails)
{
    store.WriteSetting(Setting::PTFontSize, 10);
    store.WriteSetting(Setting::PTFontName, QStringLiteral("10"));
    try {
        store.ReadSetting(Setting::PTFontSize, QString());
        ADD_FAILURE();
    } catch (const TessarinError& error) {
        EXPECT_STREQ(error.what(), "Invalid data type for 'PTFontSize'");
    }
    EXPECT_THROW(store.ReadSetting(Setting::PTFontName, 0), TessarinError);
}

TEST_F(SettingsStoreTest, aRefusedWriteIsReported)
{
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const SettingsStore unwritable(dir.filePath(QStringLiteral("blocker/Tessarin.conf")));
    try {
        unwritable.WriteSetting(Setting::ScreenWidth, 800);
        ADD_FAILURE();
    } catch (const TessarinError& error) {
        EXPECT_STREQ(error.what(), "Failed to set data for 'ScreenWidth'");
    }
    // Nothing shows the refused value as stored afterwards.
    EXPECT_EQ(unwritable.ReadSetting(Setting::ScreenWidth, 1), 1);
}

TEST_F(SettingsStoreTest, handEditsAreReadAndUnreadableLinesKept)
{
    QFile damaged(file);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("[General]\n# a comment\nPTFontName=\"Arial\"\nnot a setting\nScreenWidth=900\n"
                  "PTWinColor = unquoted text\nHistory1=\"/home/ann/a.acnx\"\n");
    damaged.close();
    EXPECT_EQ(store.ReadSetting(Setting::ScreenWidth, SettingDefault::ScreenWidth), 900);
    store.WriteSetting(Setting::ScreenHeight, 700);
    const SettingsStore again(file);
    EXPECT_EQ(again.ReadSetting(Setting::ScreenHeight, SettingDefault::ScreenHeight), 700);
    EXPECT_EQ(again.ReadSetting(Setting::ScreenWidth, SettingDefault::ScreenWidth), 900);
    EXPECT_EQ(again.ReadSetting(Setting::PTFontName, SettingDefault::PTFontName), QStringLiteral("Arial"));
    EXPECT_EQ(again.ReadSetting(Setting::History1, QString()), QStringLiteral("/home/ann/a.acnx"));
    EXPECT_EQ(again.ReadSetting(Setting::PTWinColor, SettingDefault::PTWinColor), QStringLiteral("unquoted text"));
    ASSERT_TRUE(damaged.open(QIODevice::ReadOnly));
    const QByteArray written = damaged.readAll();
    for (const char* line : {"[General]\n", "# a comment\n", "not a setting\n"}) {
        EXPECT_TRUE(written.contains(line)) << line;
    }
}

TEST(SettingsStoreUser, usesTheUsersOwnConfigurationFile)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    SettingsStore().WriteSetting(Setting::PrefRad3, 2);
    EXPECT_TRUE(QFileInfo::exists(home.filePath(QStringLiteral("Dunmarrow32/Tessarin.conf"))));
    EXPECT_EQ(SettingsStore().ReadSetting(Setting::PrefRad3, -1), 2);
}

} // namespace
