#include "TempDir.h"
#include "workspace/GlobalState.h"
#include "workspace/Projects.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace kestrion {
namespace fs = std::filesystem;

const char* const kDefaultSettingsFile =
    "<Conf_Settings><lastproj><projectname/></lastproj><lastipadd><ipaddress>192.168.2.205"
    "</ipaddress></lastipadd><lastlang><language>English</language></lastlang><lastinternet>"
    "<enable_internet>0</enable_internet><enable_update>0</enable_update>"
    "<enable_jump_field_tables>0</enable_jump_field_tables><Double_Click_Auto_Size>0"
    "</Double_Click_Auto_Size></lastinternet></Conf_Settings>";

TEST(Settings, FirstStartCreatesFoldersAndWritesDefaults) {
    TempDir dir;
    GlobalState state;
    const auto report = start_workspace(state, dir.path());
    EXPECT_EQ(report.settings, SettingsSource::Missing);
    for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE", "IODD_Catalog", "IOLink_StaDef"})
        EXPECT_TRUE(fs::is_directory(dir.path() / folder)) << folder;
    EXPECT_FALSE(state.project_active());
    EXPECT_EQ(state.Language, "English");
    EXPECT_FALSE(state.update_check_allowed());
    EXPECT_TRUE(state.Update_Read_Back);

    ASSERT_TRUE(Save_Setting(state).ok());
    EXPECT_EQ(dir.read("Kestrion.xml"), kDefaultSettingsFile);
}

TEST(Settings, RoundTripKeepsEveryValueAsItStands) {
    Settings s;
    s.Name_Proj = " Plant <1> & co ";
    s.Last_IP_Address = "10.0.0.7";
    s.Language = "Italiano";
    s.Enable_Internet = true;
    s.Double_Click_Auto_Size = true;
    const SettingsRead back = parse_settings(settings_xml(s));
    EXPECT_EQ(back.source, SettingsSource::Read);
    EXPECT_EQ(back.settings, s);

    s.Name_Proj = " ";
    EXPECT_EQ(parse_settings(settings_xml(s)).settings.Name_Proj, " ");

    // A carriage return written as a character reference reads as a line end, and what is
    // read then survives a write unchanged.
    const Settings cr = parse_settings("<C><lastproj><projectname>a&#13;b&#13;&#10;c</projectname>"
                                       "</lastproj></C>").settings;
    EXPECT_EQ(cr.Name_Proj, "a\nb\nc");
    EXPECT_EQ(parse_settings(settings_xml(cr)).settings, cr);
}

TEST(Settings, EachMissingOrOddValueFallsBackAlone) {
    struct Case {
        const char* xml;
        Settings expected;
    };
    Settings noProject;
    Settings italian;
    italian.Language = "Italiano";
    Settings internet;
    internet.Enable_Internet = true;
    const Case cases[] = {
        // No lastinternet: four options off, the rest read normally.
        {"<Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>", italian},
        // Option texts other than exactly "1" are off.
        {"<X><lastinternet><enable_internet>1</enable_internet><enable_update>true</enable_update>"
         "<enable_jump_field_tables>yes</enable_jump_field_tables>"
         "<Double_Click_Auto_Size> 1</Double_Click_Auto_Size></lastinternet></X>",
         internet},
        {"<Conf_Settings><lastinternet><enable_update>01</enable_update></lastinternet></Conf_Settings>",
         noProject},
        // projectname without its parent element reads as empty.
        {"<Conf_Settings><projectname>P</projectname></Conf_Settings>", noProject},
    };
    for (const auto& c : cases) EXPECT_EQ(parse_settings(c.xml).settings, c.expected) << c.xml;
}

TEST(Settings, MalformedFileReadsAsMissing) {
    for (const char* bytes : {"", "not xml", "<Conf_Settings><lastproj>", "\xEF\xBB\xBF<a><b></a>"}) {
        const SettingsRead r = parse_settings(bytes);
        EXPECT_EQ(r.source, SettingsSource::Malformed) << bytes;
        EXPECT_EQ(r.settings, Settings{});
    }
}

TEST(Startup, ProjectOfTheSettingsIsActiveOnlyWhileItsFolderExists) {
    TempDir dir;
    Settings s;
    s.Name_Proj = "Gone";
    s.Enable_Update = true; // without internet the timer stays off
    dir.write("Kestrion.xml", settings_xml(s));

    GlobalState state;
    start_workspace(state, dir.path());
    EXPECT_FALSE(state.project_active());
    EXPECT_EQ(state.Name_Proj, "Gone");
    EXPECT_FALSE(state.update_check_allowed());
    ASSERT_TRUE(Save_Setting(state).ok());
    EXPECT_EQ(parse_settings(dir.read("Kestrion.xml")).settings, s);

    fs::create_directories(dir.path() / "PROJECTS" / "Gone");
    GlobalState again;
    start_workspace(again, dir.path());
    EXPECT_TRUE(again.project_active());
    EXPECT_EQ(again.File_ParGen, again.Path_Proj / "ParGen.xml");
}

TEST(Startup, MissingLanguageFileSelectsEnglish) {
    TempDir dir;
    Settings s;
    s.Language = "Deutsch";
    dir.write("Kestrion.xml", settings_xml(s));
    GlobalState state;
    start_workspace(state, dir.path());
    EXPECT_EQ(state.Language, "English");
    EXPECT_EQ(state.settings().Language, "English");
}

TEST(Startup, ProjectNameCannotPointOutsideTheProjectsFolder) {
    TempDir dir;
    fs::create_directories(dir.path() / "PROJECTS");
    Settings s;
    s.Name_Proj = dir.path().string(); // an absolute path
    dir.write("Kestrion.xml", settings_xml(s));
    GlobalState state;
    start_workspace(state, dir.path());
    EXPECT_FALSE(state.project_active());
}

TEST(Settings, WriteFailureIsReportedWithTheReason) {
    TempDir dir;
    GlobalState state;
    start_workspace(state, dir.path());
    // A folder where the file should be: the replace fails even for root.
    dir.write("Kestrion.xml/blocker", "x");
    const WriteResult r = Save_Setting(state);
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.error.find("Kestrion.xml"), std::string::npos);
}

TEST(Projects, CreateRefusesEmptyExistingAndRejectedNames) {
    TempDir dir;
    EXPECT_EQ(create_project(dir.path(), "Plant1"), 0);
    EXPECT_TRUE(fs::is_directory(dir.path() / "Plant1" / "bin"));
    EXPECT_EQ(create_project(dir.path(), "Plant1"), 106);
    EXPECT_EQ(create_project(dir.path(), ""), 107);
    EXPECT_EQ(create_project(dir.path(), "missing/parent/x"), 105);
    EXPECT_EQ(create_project(dir.path(), std::string(300, 'x')), 105);
}

TEST(Projects, ListAndCaseInsensitiveSearch) {
    TempDir dir;
    fs::create_directories(dir.path() / "Alpha");
    fs::create_directories(dir.path() / "beta");
    dir.write("file.txt", "not a project");
    auto names = list_projects(dir.path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "beta"}));
    EXPECT_EQ(Search_Open_Conf(names, "BETA"), 1);
    EXPECT_EQ(Search_Open_Conf(names, "gamma"), -1);
    EXPECT_EQ(active_project_name(dir.path(), dir.path() / "Alpha"), "Alpha");
    EXPECT_EQ(active_project_name(dir.path(), {}), "");
}

} // namespace kestrion

namespace kestrion {

TEST(ReadFile, FolderOrMissingFileIsUnreadableNotACrash) {
    TempDir dir;
    std::string bytes;
    EXPECT_FALSE(read_file(dir.path(), bytes));
    EXPECT_FALSE(read_file(dir.path() / "missing", bytes));
    dir.write("Kestrion.xml/inner", "x");
    EXPECT_EQ(read_settings(dir.path() / "Kestrion.xml").source, SettingsSource::Missing);
}

} // namespace kestrion
