#include "platform/ini_document.h"
#include "support/reference_ini_document.h"

#include <array>
#include <gtest/gtest.h>
#include <random>

namespace {

using namespace std::string_literals;

struct ReadCase {
    std::string bytes;
    std::string section;
    std::string key;
    std::optional<std::string> expected;
};

class DocumentReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(DocumentReadTest, ReadsTheValue) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(IniDocument::Parse(c.bytes).Value(c.section, c.key), c.expected)
        << testing::PrintToString(c.bytes) << " [" << c.section << "] " << c.key;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DocumentReadTest,
    testing::Values(
        // line ends
        ReadCase{"[S]\r\nk=v\r\n", "S", "k", "v"}, ReadCase{"[S]\nk=v\n", "S", "k", "v"},
        ReadCase{"[S]\nk=v", "S", "k", "v"}, ReadCase{"[S]\r\r\nk=v\r\r\n", "S", "k", "v"},
        // blanks around names and values, given names too
        ReadCase{"[ S ]\n  k  =  a b  \n", "S", "k", "a b"},
        ReadCase{"\t[\tS\t]\t\n\tk\t=\tv\t\n", "S", "k", "v"},
        ReadCase{"[S]\nk=v\n", " S ", "\tk ", "v"},
        // letter case: a to z only
        ReadCase{"[engines url]\nGOOGLE=v\n", "Engines URL", "Google", "v"},
        ReadCase{"[\xe9]\nk=v\n", "\xc9", "k", std::nullopt},
        ReadCase{"[\xe9]\nk=v\n", "\xe9", "k", "v"},
        // quotes around the whole value
        ReadCase{"[S]\nk=\"a b\"\n", "S", "k", "a b"}, ReadCase{"[S]\nk='a'\n", "S", "k", "a"},
        ReadCase{"[S]\nk=\" a \"\n", "S", "k", " a "}, ReadCase{"[S]\nk=\"\"\n", "S", "k", ""},
        ReadCase{"[S]\nk=\"a\n", "S", "k", "\"a"}, ReadCase{"[S]\nk=\"a'\n", "S", "k", "\"a'"},
        ReadCase{"[S]\nk=\"\n", "S", "k", "\""},
        ReadCase{"[S]\nk=<a href=\"x\">\n", "S", "k", "<a href=\"x\">"},
        // empty value, "=" in the value
        ReadCase{"[S]\nk=\n", "S", "k", ""}, ReadCase{"[S]\nk=a=b\n", "S", "k", "a=b"},
        // what is not a key
        ReadCase{"[S]\nk\n", "S", "k", std::nullopt}, ReadCase{"[S]\n=v\n", "S", "", std::nullopt},
        ReadCase{"k=v\n[S]\n", "S", "k", std::nullopt},
        ReadCase{"[S]\nk=v\n", "", "k", std::nullopt}, ReadCase{"[]\nk=v\n", "", "k", std::nullopt},
        ReadCase{"[S]\n[]\nk=v\n", "S", "k", std::nullopt},
        // repeats: the first section, and the first key in it
        ReadCase{"[S]\nk=1\nK=2\n", "S", "k", "1"},
        ReadCase{"[S]\nk=1\n[s]\nk=2\nj=3\n", "S", "j", std::nullopt},
        // section lines
        ReadCase{"[a]b]\nk=v\n", "a]b", "k", "v"}, ReadCase{"[S] note\nk=v\n", "S", "k", "v"},
        ReadCase{"[S\nk=v\n", "S", "k", "v"},
        // bytes are bytes
        ReadCase{"[S]\nk=a\0b\xff\n"s, "S", "k", "a\0b\xff"s}));

// A read looks first beside the one before it; a repeated section or key
// there is not the one that answers.
TEST(DocumentRead, TheFirstOfRepeatedNamesAnswersWhateverWasReadBefore) {
    const IniDocument document =
        IniDocument::Parse("[S]\nk=1\nj=0\nK=2\n[T]\nb=1\n[s]\nk=3\nj=4\n");
    EXPECT_EQ(document.Value("S", "j"), "0");
    EXPECT_EQ(document.Value("S", "k"), "1"); // beside j stands the repeated K
    EXPECT_EQ(document.Value("T", "b"), "1");
    EXPECT_EQ(document.Value("s", "k"), "1"); // beside T stands the repeated [s]
    EXPECT_EQ(document.Value("s", "j"), "0");
}

TEST(DocumentListing, SectionsAndKeysInFileOrderWithRepeats) {
    const IniDocument document = IniDocument::Parse("free=text\n[B]\nz=1\nfree text\n=x\nZ=2\n"
                                                    "a=3\n[]\n[A]\n[b]\ny=4\n");
    EXPECT_EQ(document.SectionNames(), (std::vector<std::string>{"B", "A", "b"}));
    EXPECT_EQ(document.KeyNames("b"), (std::vector<std::string>{"z", "Z", "a"}));
    EXPECT_TRUE(document.KeyNames("A").empty());
    EXPECT_TRUE(document.KeyNames("missing").empty());
}

TEST(DocumentWriteBack, UntouchedBytesComeBackExactly) {
    const std::string bytes = "; note\r\n[A]\nk = v \r\n\xff\0garbage\n\n[B]\r\nx=1"s;
    EXPECT_EQ(IniDocument::Parse(bytes).Serialize(), bytes);
}

struct WriteCase {
    std::string before;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
};

class DocumentWriteTest : public testing::TestWithParam<WriteCase> {};

TEST_P(DocumentWriteTest, PlacesTheLine) {
    const WriteCase& c = GetParam();
    IniDocument document = IniDocument::Parse(c.before);
    ASSERT_TRUE(document.SetValue(c.section, c.key, c.value));
    EXPECT_EQ(document.Serialize(), c.after);
    EXPECT_EQ(document.Value(c.section, c.key), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Placement, DocumentWriteTest,
    testing::Values(
        // in place, stored spelling kept, other lines untouched
        WriteCase{"[S]\n  Key = old\nnext=1\n", "s", "KEY", "new", "[S]\nKey=new\r\nnext=1\n"},
        // after the section's last key, before its free text and blank lines
        WriteCase{"[A]\r\nx=1\r\nnote\r\n\r\n[B]\r\ny=2\r\n", "A", "z", "3",
                  "[A]\r\nx=1\r\nz=3\r\nnote\r\n\r\n[B]\r\ny=2\r\n"},
        WriteCase{"[A]\nnote\n[B]\n", "A", "k", "v", "[A]\nk=v\r\nnote\n[B]\n"},
        // a new section after the last one; a last line gets its end
        WriteCase{"[A]\nx=1", "B", "k", "v", "[A]\nx=1\r\n[B]\r\nk=v\r\n"},
        WriteCase{"[A]\nx=1", "A", "y", "2", "[A]\nx=1\r\ny=2\r\n"},
        WriteCase{"", " S ", " k ", "", "[S]\r\nk=\r\n"},
        // a repeated key: the first one is set
        WriteCase{"[S]\nk=1\nk=2\n", "S", "k", "3", "[S]\nk=3\r\nk=2\n"}));

TEST(DocumentWrite, RefusesWhatWouldNotReadBack) {
    for (const auto& [section, key, value] :
         std::vector<std::array<std::string, 3>>{{"", "k", "v"},
                                                 {" \t", "k", "v"},
                                                 {"S", "", "v"},
                                                 {"S", "a=b", "v"},
                                                 {"S", " [k", "v"},
                                                 {"S", "k", "a\nb"},
                                                 {"S", "k", "a\rb"},
                                                 {"a\nb", "k", "v"},
                                                 {"S", "k\n", "v"},
                                                 {"S", "k", "a\0b"s}}) {
        IniDocument document = IniDocument::Parse("[S]\nk=1\n");
        EXPECT_FALSE(document.SetValue(section, key, value)) << section << "/" << key;
        EXPECT_EQ(document.Serialize(), "[S]\nk=1\n");
    }
}

TEST(DocumentRemove, TakesTheFirstMatchingLineAndKeepsTheSection) {
    IniDocument document = IniDocument::Parse("[S]\nK=1\nother\nk=2\n[T]\nk=3\n");
    EXPECT_TRUE(document.RemoveKey("s", "k"));
    EXPECT_EQ(document.Serialize(), "[S]\nother\nk=2\n[T]\nk=3\n");
    EXPECT_TRUE(document.RemoveKey("S", "k"));
    EXPECT_FALSE(document.RemoveKey("S", "k"));
    EXPECT_FALSE(document.RemoveKey("S", "other"));
    EXPECT_FALSE(document.RemoveKey("missing", "k"));
    EXPECT_EQ(document.Serialize(), "[S]\nother\n[T]\nk=3\n");
    EXPECT_EQ(document.SectionNames(), (std::vector<std::string>{"S", "T"}));
}

// The new key goes after the last key that is still there, ahead of the free
// text that followed it, in a short section and in one whose keys are indexed.
TEST(DocumentRemove, AKeyAddedAfterTheLastOneWasRemovedGoesAfterTheKeyBeforeIt) {
    for (const int keys : {2, 40}) {
        SCOPED_TRACE(testing::Message() << keys << " keys");
        std::string bytes = "[S]\n";
        for (int i = 0; i < keys; ++i) {
            bytes += "k" + std::to_string(i) + "=v\nnote\n";
        }
        IniDocument document = IniDocument::Parse(bytes);
        ReferenceIniDocument model = ReferenceIniDocument::Parse(bytes);
        for (const int removed : {keys - 1, keys - 2}) {
            ASSERT_TRUE(document.RemoveKey("S", "k" + std::to_string(removed)));
            ASSERT_TRUE(model.RemoveKey("S", "k" + std::to_string(removed)));
        }
        ASSERT_TRUE(document.SetValue("S", "new", "1"));
        ASSERT_TRUE(model.SetValue("S", "new", "1"));
        EXPECT_EQ(document.Serialize(), model.Serialize());
    }
    IniDocument small = IniDocument::Parse("[S]\nA=1\nnote\nB=2\n");
    small.RemoveKey("S", "B");
    small.SetValue("S", "C", "3");
    EXPECT_EQ(small.Serialize(), "[S]\nA=1\nC=3\r\nnote\n");
}

// Many writes and removals, at random but the same each run, in a file
// whose sections grow long enough for their keys to be indexed: the document
// answers and writes as the plain model of its lines does, step by step.
TEST(DocumentIndexes, AnswerAndWriteAsTheLinesDo) {
    std::string bytes = "; head\nloose=1\n[Long]\n";
    for (int i = 0; i < 40; ++i) {
        bytes += (i % 7 == 0 ? "KEY" : "key") + std::to_string(i % 30) + "=v" + std::to_string(i) +
                 "\nnote " + std::to_string(i) + "\n";
    }
    bytes += "[Short]\na=1\n\n[long]\nkey1=other\n[]\nkey2=none\n[Last]\nx=1";
    IniDocument document = IniDocument::Parse(bytes);
    ReferenceIniDocument model = ReferenceIniDocument::Parse(bytes);

    const char* const sections[] = {"Long", "LONG", "Short", "Last", "New", "new", " Long "};
    std::mt19937 random(20261210);
    for (int step = 0; step < 3000; ++step) {
        const std::string section = sections[random() % std::size(sections)];
        const std::string key = (random() % 2 ? "key" : "Key") + std::to_string(random() % 40);
        SCOPED_TRACE(testing::Message() << "step " << step << " [" << section << "] " << key);
        if (random() % 3 == 0) {
            ASSERT_EQ(document.RemoveKey(section, key), model.RemoveKey(section, key));
        } else {
            const std::string value = "w" + std::to_string(step);
            ASSERT_EQ(document.SetValue(section, key, value), model.SetValue(section, key, value));
        }
        ASSERT_EQ(document.Value(section, key), model.Value(section, key));
        ASSERT_EQ(document.KeyNames(section), model.KeyNames(section));
        if (step % 100 == 0) {
            ASSERT_EQ(document.Serialize(), model.Serialize());
            ASSERT_EQ(document.SectionNames(), model.SectionNames());
            // Every key in file order, as the lists are loaded: each read
            // looks first beside the one before.
            for (const std::string& name : model.SectionNames()) {
                for (const std::string& listed : model.KeyNames(name)) {
                    ASSERT_EQ(document.Value(name, listed), model.Value(name, listed))
                        << "[" << name << "] " << listed;
                }
            }
        }
    }
    EXPECT_EQ(document.Serialize(), model.Serialize());
}

} // namespace
