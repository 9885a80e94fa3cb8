#include "main/ini_access.h"
#include "platform/ini_file.h"
#include "support/killed_writer.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

const std::string Catalogue = "[Description]\r\n"
                              "Free text.\r\n"
                              "Alpha=described\r\n"
                              "[Engines URL]\r\n"
                              "Alpha=http://alpha.example/\r\n"
                              "Beta=http://beta.example/\r\n"
                              "[Search URL]\r\n"
                              "Alpha=http://alpha.example/?q=\r\n"
                              "Beta=http://beta.example/?q=\r\n"
                              "[List Tag]\r\n"
                              "Alpha=<ol>*<li>**\r\n"
                              "Beta=<ul>*<li>**\r\n"
                              "[Next Tag]\r\n"
                              "Alpha=*<a*Next*</a>\r\n"
                              "Beta=*<b*More*</b>";

// An engine written under `name`, after the removal of `oldName` from every
// section when one is given: the change of the settings dialog's OK.
IniEdits EngineChange(const std::string& oldName, const std::string& name) {
    IniEdits edits;
    if (!oldName.empty()) {
        edits.push_back({"", oldName, std::nullopt});
    }
    edits.push_back({"Engines URL", name, "http://new.example/"});
    edits.push_back({"Search URL", name, "http://new.example/?q="});
    edits.push_back({"List Tag", name, "<p>*<b>**"});
    edits.push_back({"Next Tag", name, "*<n*next*</n>"});
    return edits;
}

// The same steps, each a call of its own; a removal from every section is
// one call for each section the file lists at that step.
void WriteStepByStep(const std::string& file, const IniEdits& edits) {
    for (const ProfileEdit& edit : edits) {
        if (edit.value) {
            WriteIniString(file, edit.section, edit.key, *edit.value);
        } else if (!edit.section.empty()) {
            DeleteIniKey(file, edit.section, edit.key);
        } else {
            NameList sections;
            ReadIniSections(file, sections);
            for (const std::string& section : sections) {
                DeleteIniKey(file, section, edit.key);
            }
        }
    }
}

TEST(IniEdits, AWholeChangeLeavesTheBytesOfItsStepsMadeOneByOne) {
    const struct {
        const char* what;
        std::string before;
        IniEdits edits;
        bool changes = true;
    } cases[] = {
        {"rename", Catalogue, EngineChange("Alpha", "Omega")},
        {"rename in letter case", Catalogue, EngineChange("Alpha", "ALPHA")},
        {"rename onto another", Catalogue, EngineChange("Alpha", "beta")},
        {"rewrite in place", Catalogue, EngineChange("", "alpha")},
        {"add", Catalogue, EngineChange("", "Gamma")},
        {"add to a file without sections", "no sections\n", EngineChange("", "Gamma")},
        {"remove one key", Catalogue, {{"List Tag", "Beta", std::nullopt}}},
        {"remove in another letter case", Catalogue, {{"list TAG", "bETA", std::nullopt}}},
        {"remove from every section in another letter case",
         Catalogue,
         {{"", "ALPHA", std::nullopt}}},
        {"remove what is not there", Catalogue, {{"", "Zeta", std::nullopt}}, false},
        {"an empty value", Catalogue, {{"Search URL", "Beta", ""}}},
        {"a value longer than a read gives back",
         Catalogue,
         {{"Search URL", "Beta", std::string(3000, 'v')}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        WriteFile(dir.File("whole.dat"), c.before);
        WriteFile(dir.File("steps.dat"), c.before);
        WriteIniEdits(dir.File("whole.dat"), c.edits);
        WriteStepByStep(dir.File("steps.dat"), c.edits);
        EXPECT_EQ(ReadFile(dir.File("whole.dat")), ReadFile(dir.File("steps.dat")));
        EXPECT_EQ(ReadFile(dir.File("whole.dat")) != c.before, c.changes);
    }
}

TEST(IniEdits, AMissingFileIsMadeByAWriteAndLeftMissingByARemoval) {
    TempDir dir;
    WriteIniEdits(dir.File("removed.dat"), {{"", "Alpha", std::nullopt}});
    EXPECT_FALSE(fs::exists(dir.File("removed.dat")));
    WriteIniEdits(dir.File("written.dat"), EngineChange("Alpha", "Alpha"));
    EXPECT_EQ(ReadIniString(dir.File("written.dat"), "Next Tag", "Alpha"), "*<n*next*</n>");
}

// The settings dialog's change, which also refuses a value that a read would
// give back cut short.
TEST(IniEdits, ARefusedStepWritesNothingOfTheChange) {
    const struct {
        const char* what;
        IniEdits edits;
    } cases[] = {
        {"line break in the last value",
         {{"", "Alpha", std::nullopt},
          {"Engines URL", "Omega", "x"},
          {"Next Tag", "Omega", "a\nb"}}},
        {"no section", {{"Engines URL", "Omega", "x"}, {"", "Omega", "x"}}},
        {"key that reads as a section",
         {{"", "Alpha", std::nullopt}, {"List Tag", "[Omega]", "x"}}},
        {"value too long to read back", {{"List Tag", "Omega", std::string(2048, 'v')}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string file = dir.File("Engines.dat");
        WriteFile(file, Catalogue);
        try {
            WriteReadableIniEdits(file, c.edits);
            ADD_FAILURE() << "no error";
        } catch (const EIniFileException& error) {
            EXPECT_EQ(std::string(error.what()), "Unable to write to " + file);
        }
        EXPECT_EQ(ReadFile(file), Catalogue);
    }
}

// The settings dialog's rename and the engine list's delete each replace the
// catalogue once: a writer killed at any stage of any replacement leaves the
// old catalogue or the new one.
TEST(IniEdits, AChangeKilledMidwayLeavesTheOldCatalogueOrTheNewOneWhole) {
    const struct {
        const char* what;
        std::function<void(const std::string& file)> change;
    } cases[] = {
        {"rename",
         [](const std::string& file) { WriteIniEdits(file, EngineChange("Alpha", "Omega")); }},
        {"delete from every section",
         [](const std::string& file) { DeleteIniKey(file, "", "Alpha"); }},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string file = dir.File("Engines.dat");
        WriteFile(file, Catalogue);
        c.change(file);
        const std::string changed = ReadFile(file);
        ASSERT_NE(changed, Catalogue) << c.what;
        for (int replace = 1; replace <= 5; ++replace) {
            for (ReplaceStage stage : {ReplaceStage::Written, ReplaceStage::Named}) {
                SCOPED_TRACE(testing::Message() << c.what << ", replace " << replace << " stage "
                                                << static_cast<int>(stage));
                WriteFile(file, Catalogue);
                const bool killed =
                    ChangeInAProcessKilledAt([&] { c.change(file); }, replace, stage);
                EXPECT_EQ(ReadFile(file), killed ? Catalogue : changed);
                EXPECT_EQ(killed, replace == 1);
            }
        }
    }
}

} // namespace
