#include <gtest/gtest.h>

#include "PuzzleView.h"
#include "RecentPuzzles.h"

namespace {

struct CipherCase
{
    const char* CRADIOS;
    int group1;
    int group2;
    bool error;
};

class CradiosView : public ::testing::TestWithParam<CipherCase>
{};

TEST_P(CradiosView, substitutionGroupsFollowCradiosWithOffsetForcingUnique)
{
    PuzzleDocument doc;
    doc.CRADIOS = GetParam().CRADIOS;
    doc.CIPHER = "QZV";
    const KindView view = ViewOfKind(doc, CipherKind::Cipher);
    EXPECT_EQ(view.cipherGroup1, GetParam().group1);
    EXPECT_EQ(view.cipherGroup2, GetParam().group2);
    EXPECT_EQ(view.error.has_value(), GetParam().error);
    EXPECT_EQ(view.ciphertext, "QZV");
}

INSTANTIATE_TEST_SUITE_P(Cases, CradiosView,
                         ::testing::Values(CipherCase{"00", 0, 0, false}, CipherCase{"10", 1, 0, false},
                                           CipherCase{"01", 1, 1, false}, CipherCase{"11", 1, 1, false},
                                           CipherCase{"", 0, 0, false}, CipherCase{"x0", -1, -1, true},
                                           CipherCase{"1", -1, -1, true}, CipherCase{"51", 1, 1, false},
                                           CipherCase{"05", 0, -1, false}));

TEST(CradiosView, badDigitNamesTheTextInTheConversionError)
{
    PuzzleDocument doc;
    doc.CRADIOS = "0?";
    EXPECT_EQ(ViewOfKind(doc, CipherKind::Cipher).error.value_or(""), "'?' is not a valid integer value");
}

TEST(RailView, railCountIsReadBackFromTheGroupLength)
{
    const std::vector<std::pair<const char*, int>> cases = {
        {"AB CD ", 0}, {"ABC DEF ", 1}, {"ABCD EF", 2}, {"ABCDE ", -1}, {"ABCD", -1}, {" A", -1}, {"A B", -1}};
    for (const auto& [text, item] : cases) {
        EXPECT_EQ(RailItemOf(text), item) << text;
    }
    PuzzleDocument doc;
    EXPECT_EQ(ViewOfKind(doc, CipherKind::Railfence).railGroup3, 0) << "no ciphertext shows 2 Rails";
}

TEST(QuagmireView, indicatorAndColumnAreSplitAtTheFirstSeparator)
{
    const std::vector<std::tuple<const char*, const char*, const char*>> cases = {
        {"ABC@7", "ABC", "7"},  {"@12", "", "12"},  {"", "", "1"},
        {"XY@1@2", "XY", "1@"}, {"NOSEP", "", "1"}, {"K@123", "K", "12"}};
    for (const auto& [indi, indicator, column] : cases) {
        PuzzleDocument doc;
        doc.QUAGKEY = "KEY";
        doc.QUAGCKEY = "TABLE";
        doc.QUAGINDI = indi;
        const KindView view = ViewOfKind(doc, CipherKind::Quagmire);
        EXPECT_EQ(view.indicatorKey, indicator) << indi;
        EXPECT_EQ(view.column, column) << indi;
        EXPECT_EQ(view.keyword, "KEY");
        EXPECT_EQ(view.cipherTableKey, "TABLE");
    }
}

TEST(KindViewTest, eachKindShowsItsOwnKeyAndCiphertext)
{
    PuzzleDocument doc;
    doc.PLAYKEY = "PLAY";
    doc.PLAYFAIR = "PF";
    doc.VIGENKEY = "VIG";
    doc.VIGENERE = "VG";
    doc.QUAGMIRE = "QG";
    EXPECT_EQ(ViewOfKind(doc, CipherKind::Playfair).keyword, "PLAY");
    EXPECT_EQ(ViewOfKind(doc, CipherKind::Playfair).ciphertext, "PF");
    EXPECT_EQ(ViewOfKind(doc, CipherKind::Vigenere).keyword, "VIG");
    EXPECT_EQ(ViewOfKind(doc, CipherKind::Vigenere).ciphertext, "VG");
    EXPECT_EQ(ViewOfKind(doc, CipherKind::Quagmire).ciphertext, "QG");
    EXPECT_EQ(ViewOfKind(doc, CipherKind::None).ciphertext, "");
    const auto marks = CiphertextMarks(doc);
    EXPECT_EQ(marks, (std::array<bool, 5>{false, false, true, true, true}));
}

TEST(PreferredItemsTest, onlyAKindWithoutCiphertextShowsThePreferences)
{
    PuzzleDocument doc;
    KindView cipher = ViewOfKind(doc, CipherKind::Cipher);
    ApplyPreferredItems(cipher, doc, {0, 1, 2});
    EXPECT_EQ(cipher.cipherGroup1, 1);
    EXPECT_EQ(cipher.cipherGroup2, 1);
    KindView rails = ViewOfKind(doc, CipherKind::Railfence);
    ApplyPreferredItems(rails, doc, {0, 0, 2});
    EXPECT_EQ(rails.railGroup3, 2);

    doc.CIPHER = "XYZ";
    doc.CRADIOS = "00";
    doc.RAILFENCE = "AB CD ";
    KindView madeCipher = ViewOfKind(doc, CipherKind::Cipher);
    ApplyPreferredItems(madeCipher, doc, {1, 1, 2});
    EXPECT_EQ(madeCipher.cipherGroup1, 0);
    EXPECT_EQ(madeCipher.cipherGroup2, 0);
    KindView madeRails = ViewOfKind(doc, CipherKind::Railfence);
    ApplyPreferredItems(madeRails, doc, {1, 1, 2});
    EXPECT_EQ(madeRails.railGroup3, 0);
}

TEST(PuzzleNameTest, fileNameLosesItsLastFiveCharacters)
{
    EXPECT_EQ(PuzzleName(QStringLiteral("/home/a/Untitled.acnx")), QStringLiteral("Untitled"));
    EXPECT_EQ(PuzzleName(QStringLiteral("/home/a/riddle.txt")), QStringLiteral("riddl"));
    EXPECT_EQ(PuzzleName(QStringLiteral("/x/abc")), QString());
}

TEST(RecentList, lastPuzzleLeadsAndEachPathIsListedOnceWithoutRegardToCase)
{
    const QString a = QStringLiteral("/p/A.acnx");
    const QString b = QStringLiteral("/p/B.acnx");
    const QString c = QStringLiteral("/p/C.acnx");
    const QString d = QStringLiteral("/p/D.acnx");
    EXPECT_EQ(RecentPuzzleList(a, {b, c, d}), QStringList({a, b, c})) << "D drops out";
    EXPECT_EQ(RecentPuzzleList(a, {QStringLiteral("/P/a.ACNX"), b, QString()}), QStringList({a, b}));
    EXPECT_EQ(RecentPuzzleList(QString(), {QString(), b, QString()}), QStringList({b}));
    EXPECT_EQ(RecentPuzzleList(QString(), {QString(), QString(), QString()}), QStringList());
    EXPECT_EQ(RecentPuzzleList(b, {a, b, c}), QStringList({b, a, c}));
}

TEST(RecentList, captionsNumberTheEntriesAndCapitaliseTheName)
{
    EXPECT_EQ(HistoryCaption(1, QStringLiteral("/x/riddle.acnx")), QStringLiteral("&1 RIDDLE"));
    EXPECT_EQ(HistoryCaption(3, QStringLiteral("/y/Mix ed-é.acnx")), QStringLiteral("&3 MIX ED-é"));
    EXPECT_EQ(HistoryCaption(2, QStringLiteral("/z/Salt & Pepper.acnx")), QStringLiteral("&2 SALT && PEPPER"));
}

} // namespace
