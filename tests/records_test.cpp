#include "main/engine_list.h"
#include "main/ini_access.h"
#include "main/record_list.h"
#include "main/records.h"
#include "main/star_list.h"
#include "platform/profile.h"
#include "support/fake_message_box.h"
#include "support/killed_writer.h"
#include "support/local_time.h"
#include "support/temp_dir.h"
#include "support/temp_home.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/stat.h>

namespace {

std::tm At(int hour, int minute, int second) {
    return LocalTime(2026, 12, 10, hour, minute, second);
}

const std::string kMorning = "12/10/2026 8:20:44 AM";
const std::string kNextSecond = "12/10/2026 8:20:45 AM";

// Gives the times in turn and then the last one again; counts the readings.
struct ScriptedClock {
    std::vector<std::tm> times;
    int readings = 0;

    std::tm operator()() {
        const std::size_t at = std::min<std::size_t>(readings++, times.size() - 1);
        return times[at];
    }
};

struct Engine {
    std::string name;
    bool ticked;
    std::string ordination;
    std::string foundPage;
};

void Fill(EngineList& engines, const std::vector<Engine>& rows) {
    std::vector<TEngineRow> built;
    for (const Engine& e : rows) {
        TEngineRow row;
        row.Caption = e.name;
        row.Checked = e.ticked;
        row.SubItems = {e.ordination, " ", "Ready", "http://e/?q=", "*a*b*c", "r*i**", "http://e/",
                        e.foundPage,  "S", "0"};
        built.push_back(std::move(row));
    }
    engines.SetRows(std::move(built));
}

NameList Sections() {
    NameList names;
    ReadIniSections(kRecordsFileName, names);
    return names;
}

NameList Keys(const std::string& section) {
    NameList names;
    ReadIniSection(kRecordsFileName, section, names);
    return names;
}

std::string Value(const std::string& section, const std::string& key) {
    return ReadIniString(kRecordsFileName, section, key);
}

class RecordsTest : public testing::Test {
protected:
    // A home of its own, so that no other test process shares this
    // records file.
    TempHome home_;

    static std::string Path() { return ProfileDirectory() + kRecordsFileName; }

    void Save(const std::string& keywords, const std::string& url, const LocalClock& clock) {
        SaveRecords(engines_, keywords, url, records_, clock, UsEnglish());
    }
    void SaveAt(const std::tm& time) {
        Save("key words", "www.site.com", [time] { return time; });
    }

    // Three records in two sections: A and B at kMorning, A at kNextSecond.
    void SaveTwoSections() {
        Fill(engines_, {{"A", true, "No. 1", " "}, {"B", true, "No. 2", " "}});
        SaveAt(At(8, 20, 44));
        Fill(engines_, {{"A", true, "No. 3", " "}});
        SaveAt(At(8, 20, 45));
        ASSERT_EQ(records_.Count(), 3);
    }

    EngineList engines_;
    RecordList records_;
    FakeMessageBox boxes_;
};

TEST_F(RecordsTest, SavesEveryTickedRowAsItStands) {
    Fill(engines_, {{"Google", true, "No. 3", "http://google/page2"},
                    {"Yahoo", false, "No. 1", "http://yahoo/"},
                    {"Lycos", true, "N/A", " "}});
    Save("  key words \t", " www.site.com ", [] { return At(8, 20, 44); });

    EXPECT_EQ(Sections(), NameList{kMorning});
    EXPECT_EQ(Keys(kMorning), (NameList{"Google", "Lycos"}));
    EXPECT_EQ(Value(kMorning, "Google"), "key words*www.site.com*No. 3*http://google/page2");
    // The found-page URL of a row that found nothing is one blank: it is
    // written, though reading a value leaves out the blanks around it.
    EXPECT_NE(ReadFile(Path()).find("Lycos=key words*www.site.com*N/A* \r\n"), std::string::npos);
    EXPECT_EQ(Value(kMorning, "Lycos"), "key words*www.site.com*N/A*");
    EXPECT_TRUE(boxes_.Shown().empty());

    ASSERT_EQ(records_.Count(), 2);
    const TRecordRow& row = records_.Row(0);
    EXPECT_EQ(row.Caption, kMorning);
    EXPECT_EQ(row.SubItems,
              (std::array<std::string, 4>{"key words", "www.site.com", "Google", "No. 3"}));
    EXPECT_FALSE(row.Checked);
    EXPECT_EQ(records_.Row(1).SubItems[TRecordRow::Position], "N/A");
}

TEST_F(RecordsTest, EmptyBoxesGiveEmptyFields) {
    Fill(engines_, {{"Google", true, "", " "}});
    Save("", "  ", [] { return At(8, 20, 44); });
    EXPECT_NE(ReadFile(Path()).find("Google=*** \r\n"), std::string::npos);
}

TEST_F(RecordsTest, OneEngineNameUnderOneDateTimeTextLeavesOneRecord) {
    Fill(engines_, {{"Google", true, "No. 1", " "}, {"GOOGLE", true, "No. 2", " "}});
    SaveAt(At(8, 20, 44));
    ASSERT_EQ(Keys(kMorning).size(), 1u);
    EXPECT_EQ(GetStarField(Value(kMorning, "Google"), "*", 3), "No. 2");
    EXPECT_EQ(records_.Count(), 1);

    // A later save under the same text replaces that record again.
    Fill(engines_, {{"Google", true, "Not Found", " "}});
    SaveAt(At(8, 20, 44));
    EXPECT_EQ(GetStarField(Value(kMorning, "Google"), "*", 3), "Not Found");
    EXPECT_EQ(records_.Count(), 1);
}

TEST_F(RecordsTest, TheDateTimeTextIsReadAnewForEveryRow) {
    Fill(engines_, {{"A", true, "No. 1", " "},
                    {"skipped", false, "", " "},
                    {"B", true, "No. 2", " "},
                    {"C", true, "No. 3", " "}});
    ScriptedClock clock{{At(8, 20, 44), At(8, 20, 45)}};
    Save("k", "u", std::ref(clock));

    EXPECT_EQ(clock.readings, 3);
    EXPECT_EQ(Sections(), (NameList{kMorning, kNextSecond}));
    EXPECT_EQ(Keys(kMorning), NameList{"A"});
    EXPECT_EQ(Keys(kNextSecond), (NameList{"B", "C"}));
    ASSERT_EQ(records_.Count(), 3);
    EXPECT_EQ(records_.Row(0).Caption, kMorning);
    EXPECT_EQ(records_.Row(2).Caption, kNextSecond);
}

TEST_F(RecordsTest, ASaveAtMidnightIsFiledUnderTheDateAlone) {
    Fill(engines_, {{"A", true, "No. 1", " "}});
    SaveAt(At(0, 0, 0));
    EXPECT_EQ(Sections(), NameList{"12/10/2026"});
}

TEST_F(RecordsTest, ASaveWithNothingTickedWritesNothingAndClearsTheTicks) {
    SaveTwoSections();
    records_.SetAllChecked(true);
    const std::string before = ReadFile(Path());
    Fill(engines_, {{"A", false, "No. 1", " "}});
    SaveAt(At(9, 0, 0));
    EXPECT_EQ(ReadFile(Path()), before);
    EXPECT_EQ(records_.Count(), 3);
    EXPECT_FALSE(records_.AnyChecked());
}

TEST_F(RecordsTest, AStarInTheKeywordsMovesTheFieldsWhenReadBack) {
    Fill(engines_, {{"A", true, "No. 7", "http://found/"}});
    Save("red*blue", "www.site.com", [] { return At(8, 20, 44); });
    EXPECT_EQ(Value(kMorning, "A"), "red*blue*www.site.com*No. 7*http://found/");
    ASSERT_EQ(records_.Count(), 1);
    EXPECT_EQ(records_.Row(0).SubItems,
              (std::array<std::string, 4>{"red", "blue", "A", "www.site.com"}));
}

TEST_F(RecordsTest, LoadingFollowsTheFileOrderAndTheStarFieldRule) {
    WriteIniString(kRecordsFileName, "second", "Z", "kw*url*No. 1*http://p/");
    WriteIniString(kRecordsFileName, "second", "Y", "whole");
    WriteIniString(kRecordsFileName, "first", "X", "a*b");
    WriteIniString(kRecordsFileName, "emptied", "W", "x");
    DeleteIniKey(kRecordsFileName, "emptied", "W");
    records_.SetRows({TRecordRow{"stale", true, {}}});

    LoadRecords(records_);

    using Fields = std::array<std::string, 4>;
    ASSERT_EQ(records_.Count(), 3);
    EXPECT_EQ(records_.Row(0).Caption, "second");
    EXPECT_EQ(records_.Row(0).SubItems, (Fields{"kw", "url", "Z", "No. 1"}));
    EXPECT_EQ(records_.Row(1).SubItems, (Fields{"whole", "whole", "Y", "whole"}));
    EXPECT_EQ(records_.Row(2).Caption, "first");
    EXPECT_EQ(records_.Row(2).SubItems, (Fields{"a", "b", "X", "b"}));
    EXPECT_FALSE(records_.AnyChecked());
}

TEST_F(RecordsTest, AMissingFileGivesAnEmptyList) {
    records_.SetRows({TRecordRow{"stale", true, {}}});
    LoadRecords(records_);
    EXPECT_EQ(records_.Count(), 0);
    EXPECT_FALSE(std::filesystem::exists(Path()));
}

TEST_F(RecordsTest, DeletingWithNothingTickedSaysSoAndAsksNothing) {
    SaveTwoSections();
    const std::string before = ReadFile(Path());
    DeleteRecords(records_);
    EXPECT_EQ(boxes_.Texts(), std::vector<std::string>{"None be selected!"});
    EXPECT_EQ(ReadFile(Path()), before);
}

TEST_F(RecordsTest, DeletingAnsweredWithNoChangesNothing) {
    SaveTwoSections();
    records_.SetChecked(1, true);
    const std::string before = ReadFile(Path());
    boxes_.SetNextAnswer(IDNO);
    DeleteRecords(records_);

    ASSERT_EQ(boxes_.Shown().size(), 1u);
    const MessageBoxRequest& asked = boxes_.Shown()[0];
    EXPECT_EQ(asked.Text, "Are you sure delete all these selected lines?");
    EXPECT_EQ(asked.Caption, "Delete?");
    EXPECT_EQ(asked.Flags, 36u);
    EXPECT_EQ(ReadFile(Path()), before);
    EXPECT_TRUE(records_.Row(1).Checked);
    EXPECT_EQ(records_.Count(), 3);
}

TEST_F(RecordsTest, DeletingAnsweredWithYesRemovesTheTickedRecordsOnly) {
    SaveTwoSections();
    records_.SetChecked(1, true); // B at kMorning
    records_.SetChecked(2, true); // A at kNextSecond
    boxes_.SetNextAnswer(IDYES);
    DeleteRecords(records_);

    EXPECT_EQ(Sections(), (NameList{kMorning, kNextSecond})); // the emptied section stays
    EXPECT_EQ(Keys(kMorning), NameList{"A"});
    EXPECT_TRUE(Keys(kNextSecond).empty());
    ASSERT_EQ(records_.Count(), 1);
    EXPECT_EQ(records_.Row(0).SubItems[TRecordRow::Position], "No. 1");
    EXPECT_FALSE(records_.AnyChecked());
}

TEST_F(RecordsTest, DeletingUsesTheDateTextTheRowShows) {
    SaveTwoSections();
    records_.SetCaption(0, kNextSecond); // A at kMorning now names A at kNextSecond
    records_.SetChecked(0, true);
    boxes_.SetNextAnswer(IDYES);
    DeleteRecords(records_);
    EXPECT_EQ(Keys(kMorning), (NameList{"A", "B"}));
    EXPECT_TRUE(Keys(kNextSecond).empty());
}

TEST_F(RecordsTest, ARowWhoseDateTextWasBlankedDeletesNothing) {
    SaveTwoSections(); // A stands in both sections
    const std::string before = ReadFile(Path());
    for (const char* blank : {"", "  "}) {
        SCOPED_TRACE(std::string("Date text '") + blank + "'");
        records_.SetCaption(0, blank);
        records_.SetChecked(0, true);
        boxes_.SetNextAnswer(IDYES);
        DeleteRecords(records_);
        EXPECT_EQ(ReadFile(Path()), before);
        EXPECT_EQ(records_.Count(), 3);
        EXPECT_EQ(records_.Row(0).Caption, kMorning); // reloaded
    }
}

TEST_F(RecordsTest, SelectAllAndNoneTickEveryRowWithoutTheFile) {
    SaveTwoSections();
    std::filesystem::remove(Path()); // a reload would empty the list
    SelectAllRecords(records_);
    EXPECT_EQ(records_.Count(), 3);
    for (int i = 0; i < records_.Count(); ++i) {
        EXPECT_TRUE(records_.Row(i).Checked);
    }
    SelectNoRecords(records_);
    EXPECT_EQ(records_.Count(), 3);
    EXPECT_FALSE(records_.AnyChecked());
    EXPECT_FALSE(std::filesystem::exists(Path()));

    RecordList empty;
    SelectAllRecords(empty);
    SelectNoRecords(empty);
    EXPECT_EQ(empty.Count(), 0);
}

// A save is one change of the file: a record that cannot be written leaves
// the file without any record of that save, and the list as it was.
TEST_F(RecordsTest, ARefusedSaveWritesNoneOfItsRecords) {
    const struct {
        const char* what;
        std::string secondFoundPage;
        bool readOnly;
    } cases[] = {
        {"read-only file", " ", true},
        // A line break would let a page's address write a record of its own.
        {"line break in the second record", "http://found/\r\nForged=x", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteIniString(kRecordsFileName, "earlier", "Z", "kept");
        const std::string before = ReadFile(Path());
        if (c.readOnly) {
            chmod(Path().c_str(), 0444); // refused to the superuser too
        }
        Fill(engines_, {{"A", true, "No. 1", " "},
                        {"B", true, "No. 2", c.secondFoundPage},
                        {"C", true, "No. 3", " "}});
        records_.SetRows({TRecordRow{"shown before", true, {}}});
        try {
            SaveAt(At(8, 20, 44));
            ADD_FAILURE() << "the save did not fail";
        } catch (const std::exception& error) {
            EXPECT_STREQ(error.what(), "Unable to write to records.dat");
        }
        chmod(Path().c_str(), 0644);
        EXPECT_EQ(ReadFile(Path()), before);
        ASSERT_EQ(records_.Count(), 1); // not reloaded
        EXPECT_EQ(records_.Row(0).Caption, "shown before");
        EXPECT_TRUE(records_.Row(0).Checked);
    }
}

// Counts the file replacements that the records make while it lives.
class ReplaceCounter final {
public:
    ReplaceCounter() {
        SetReplaceStageHook(
            [this](ReplaceStage stage) { count_ += stage == ReplaceStage::Written; });
    }
    ~ReplaceCounter() { SetReplaceStageHook(nullptr); }
    ReplaceCounter(const ReplaceCounter&) = delete;
    ReplaceCounter& operator=(const ReplaceCounter&) = delete;

    int Count() const { return count_; }

private:
    int count_ = 0;
};

// The save and the delete each replace the file once, and leave the bytes
// that writing or deleting their records one by one leaves.
TEST_F(RecordsTest, ASaveAndADeleteAreOneChangeWithTheBytesOfTheirRecordsOneByOne) {
    WriteIniString(kRecordsFileName, kMorning, "a", "stored as a");
    WriteIniString(kRecordsFileName, kMorning, "Other", "x");
    const std::string before = ReadFile(Path());

    Fill(engines_,
         {{"A", true, "No. 1", "http://a/"}, {"B", true, "No. 2", " "}, {"C", true, "No. 3", " "}});
    ScriptedClock clock{{At(8, 20, 44), At(8, 20, 44), At(8, 20, 45)}};
    {
        const ReplaceCounter replaces;
        Save("k", "u", std::ref(clock));
        EXPECT_EQ(replaces.Count(), 1);
    }
    const std::string saved = ReadFile(Path());
    WriteFile(Path(), before);
    WriteIniString(kRecordsFileName, kMorning, "A", "k*u*No. 1*http://a/");
    WriteIniString(kRecordsFileName, kMorning, "B", "k*u*No. 2* ");
    WriteIniString(kRecordsFileName, kNextSecond, "C", "k*u*No. 3* ");
    EXPECT_EQ(saved, ReadFile(Path()));

    LoadRecords(records_);
    ASSERT_EQ(records_.Count(), 4); // a, Other, B at kMorning; C at kNextSecond
    for (int row : {0, 2, 3}) {
        records_.SetChecked(row, true);
    }
    boxes_.SetNextAnswer(IDYES);
    {
        const ReplaceCounter replaces;
        DeleteRecords(records_);
        EXPECT_EQ(replaces.Count(), 1);
    }
    const std::string deleted = ReadFile(Path());
    WriteFile(Path(), saved);
    DeleteIniKey(kRecordsFileName, kMorning, "a");
    DeleteIniKey(kRecordsFileName, kMorning, "B");
    DeleteIniKey(kRecordsFileName, kNextSecond, "C");
    EXPECT_EQ(deleted, ReadFile(Path()));
    EXPECT_EQ(deleted, "[" + kMorning + "]\r\nOther=x\r\n[" + kNextSecond + "]\r\n");
}

// Years of saves: the names of the sections fill far more than the first
// buffer that a list of names is read into.
TEST_F(RecordsTest, EverySaveOfAFileOfYearsIsListedAndSoIsTheNextOne) {
    constexpr int Saves = 3000;
    std::string bytes;
    for (int save = 0; save < Saves; ++save) {
        bytes += "[11/" + std::to_string(1 + save / 100) + "/2026 " + std::to_string(save % 100) +
                 "]\r\nGoogle=kw*url*No. 1* \r\n";
    }
    std::filesystem::create_directories(ProfileDirectory());
    WriteFile(Path(), bytes);
    LoadRecords(records_);
    ASSERT_EQ(records_.Count(), Saves);

    Fill(engines_, {{"Google", true, "No. 2", " "}});
    SaveAt(At(8, 20, 44));
    ASSERT_EQ(records_.Count(), Saves + 1);
    EXPECT_EQ(records_.Row(Saves).Caption, kMorning);

    // The emptied sections stay in the file, and still the next save shows.
    SelectAllRecords(records_);
    boxes_.SetNextAnswer(IDYES);
    DeleteRecords(records_);
    EXPECT_EQ(records_.Count(), 0);
    EXPECT_EQ(Sections().size(), static_cast<std::size_t>(Saves + 1));
    SaveAt(At(8, 20, 45));
    ASSERT_EQ(records_.Count(), 1);
    EXPECT_EQ(records_.Row(0).Caption, kNextSecond);
}

TEST_F(RecordsTest, ASaveOrADeleteKilledMidwayLeavesTheOldFileOrTheNewOneWhole) {
    WriteIniString(kRecordsFileName, "earlier", "Z", "kept");
    Fill(engines_, {{"A", true, "No. 1", " "}, {"B", true, "No. 2", " "}});
    const auto save = [&] { SaveAt(At(8, 20, 44)); };
    const auto remove = [&] {
        LoadRecords(records_);
        SelectAllRecords(records_);
        boxes_.SetNextAnswer(IDYES);
        DeleteRecords(records_);
    };
    const std::string before = ReadFile(Path());
    save();
    const std::string saved = ReadFile(Path());
    remove();
    const std::string removed = ReadFile(Path());
    const struct {
        const char* what;
        std::string from;
        std::string to;
        std::function<void()> change;
    } cases[] = {{"save", before, saved, save}, {"delete", saved, removed, remove}};
    for (const auto& c : cases) {
        for (int replace = 1; replace <= 3; ++replace) {
            for (ReplaceStage stage : {ReplaceStage::Written, ReplaceStage::Named}) {
                SCOPED_TRACE(testing::Message() << c.what << ", replace " << replace << " stage "
                                                << static_cast<int>(stage));
                WriteFile(Path(), c.from);
                const bool killed = ChangeInAProcessKilledAt(c.change, replace, stage);
                EXPECT_EQ(ReadFile(Path()), killed ? c.from : c.to);
                EXPECT_EQ(killed, replace == 1);
            }
        }
    }
}

} // namespace
