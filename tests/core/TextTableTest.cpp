#include "TempDir.h"
#include "texts/LanguageFile.h"
#include "texts/TextTable.h"

#include <gtest/gtest.h>

namespace kestrion {

TEST(TextTable, DefaultsSpotCheckedAcrossEveryBlock) {
    const TextTable t;
    ASSERT_EQ(t.size(), 4000);
    const std::pair<int, const char*> expected[] = {
        {0, "Begin"},
        {9, "None Configuration Opened "},
        {11, "Opened Configuration of the Converter : "},
        {18, "Error! Project not Valid"},
        {64, "Set BDT Access"},
        {70, " "},
        {107, "Error! Name Project is not valid"},
        {202, "List of Avaliable Configurations"},
        {306, " / "},
        {318, "?"},
        {455, "Insert Fourth byte of DNS"},
        {458, " "},
        {939, "Error BACnet!! PORT must be between 0 and 65535, and different from 10000 and 10001"},
        {1120, "Error Secondary DNS!! DNS 4 must be between 0 and 255"},
        {1282, "Error in Channel #%.2d!! Variable Index %s and SubIndex %s cannot be embty"},
        {1311, "IODD File already exists in Catalog, Do you want to overwrite file?"},
        {1437, "Error!!! Check the Ip Address"},
        {1502, "Error!!! Copy a valid row before Paste it"},
        {1737, "Read Start Bit"},
        {2135, "!! [BACnet in Read] Length with variable \"Analog Input\" must be between 1 and 4"},
        {2208, "Select Engineering Unit"},
        {3929, "Are you sure to delete the Row number "},
        {3999, " "},
    };
    for (const auto& [number, text] : expected) EXPECT_EQ(t[number], text) << "text " << number;
}

TEST(TextTable, Text940NamesTheAllowedCharacters) {
    const TextTable t;
    EXPECT_NE(t[940].find("a to z"), std::string::npos);
    EXPECT_NE(t[940].find("0 to 9"), std::string::npos);
}

struct LineCase {
    const char* line;
    int number; // -1: the line is skipped
    const char* text;
};

TEST(LanguageFile, LineRules) {
    const LineCase cases[] = {
        {"STR0012 = Informazioni", 12, "Informazioni"},
        {"STR12 = Informazioni", 12, "Informazioni"},
        {"STR0012   =   Informazioni", 12, "Informazioni"},
        {"STR0012= Informazioni", 1, "Informazioni"}, // the character before "=" is never part of the number
        {"str0012 = x", -1, ""},
        {"STR0012 x", -1, ""},
        {"  # STR0012 = x", -1, ""},
        {"  STR0012 = x", 12, "x"},
        {"STR4000 = x", -1, ""},
        {"STR-1 = x", -1, ""},
        {"STR3999 = x", 3999, "x"},
        {"STR0012 =", -1, ""},
        {"STR0012 =    ", -1, ""},
        {"STR0012 = a = b", 12, "a = b"},
        {"STR0012 = Info /#/ tooltip of the information button", 12, "Info"},
        {"STR0012 = /#/ note", -1, ""},
        {"STR0009 = \xC2\xB6  Nessuna  \xC2\xB6 /#/ x", 9, "  Nessuna  "},
        {"STR0009 = \xC2\xB6\xC2\xB6", 9, ""},
        {"STR0009 = \xC2\xB6", 9, ""},
        {"STR0009 = Nessuna\xC2\xB6 coda", 9, "Nessuna"},
        {"STRabc = x", -1, ""},
        {"STR=x", -1, ""},
        {"", -1, ""},
    };
    for (const auto& c : cases) {
        const LanguageEntry e = parse_language_line(c.line, TextTable::Num_Text);
        EXPECT_EQ(e.number, c.number) << c.line;
        if (c.number >= 0) {
            EXPECT_EQ(e.text, c.text) << c.line;
        }
    }
}

TEST(LanguageFile, EncodingsByByteOrderMark) {
    // "STR0012 = Äpfel" in each encoding; the last line of a number wins.
    const std::string cp1252 = "STR0012 = x\r\nSTR0012 = \xC4pfel\r\n";
    const std::string utf8 = "\xEF\xBB\xBFSTR0012 = \xC3\x84pfel\n";
    std::string utf16le = "\xFF\xFE", utf16be = "\xFE\xFF";
    for (char c : std::string("STR0012 = \xC4pfel\r\n")) {
        utf16le += c;
        utf16le += '\0';
        utf16be += '\0';
        utf16be += c;
    }
    for (const auto& bytes : {cp1252, utf8, utf16le, utf16be}) {
        const auto entries = parse_language_file(bytes, TextTable::Num_Text);
        ASSERT_FALSE(entries.empty());
        EXPECT_EQ(entries.back().number, 12);
        EXPECT_EQ(entries.back().text, "\xC3\x84pfel");
    }
    // In Windows-1252 the pilcrow is the single byte 0xB6.
    const auto pilcrow = parse_language_file("STR0009 = \xB6 a \xB6", TextTable::Num_Text);
    ASSERT_EQ(pilcrow.size(), 1u);
    EXPECT_EQ(pilcrow[0].text, " a ");
}

TEST(LoadLanguage, FallsBackToEnglishAndItsFile) {
    TempDir dir;
    dir.write("English.lng", "STR0012 = Info EN\n");
    dir.write("Italiano.lng", "STR0012 = Informazioni\n");
    TextTable t;

    std::string language = "Italiano";
    Load_Language(t, dir.path(), language);
    EXPECT_EQ(language, "Italiano");
    EXPECT_EQ(t[12], "Informazioni");
    EXPECT_EQ(t[13], "Options");

    language = "Deutsch";
    Load_Language(t, dir.path(), language);
    EXPECT_EQ(language, "English");
    EXPECT_EQ(t[12], "Info EN");

    // The extension in another case, as the options dialog lists it.
    dir.write("Deutsch.LNG", "STR0012 = Information DE\n");
    language = "Deutsch";
    Load_Language(t, dir.path(), language);
    EXPECT_EQ(language, "Deutsch");
    EXPECT_EQ(t[12], "Information DE");

    language = "English";
    std::filesystem::remove(dir.path() / "English.lng");
    Load_Language(t, dir.path(), language);
    EXPECT_EQ(t[12], "Information");
}

TEST(LoadLanguage, ReplacingOneNumberChangesNoOther) {
    TempDir dir;
    dir.write("X.lng", "STR1436 = Nessun dispositivo!\n");
    TextTable t, defaults;
    std::string language = "X";
    Load_Language(t, dir.path(), language);
    EXPECT_EQ(t[1436], "Nessun dispositivo!");
    for (int n = 0; n < TextTable::Num_Text; ++n)
        if (n != 1436) {
            ASSERT_EQ(t[n], defaults[n]) << n;
        }
}

} // namespace kestrion
