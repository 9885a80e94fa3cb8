// Reads and changes arbitrary bytes both with IniDocument, which finds
// sections and keys through its indexes, and with the plain line-by-line
// model, and aborts when the two answer or write differently. The input is
// a section name, a NUL byte, a key, a NUL byte and the file's bytes.
#include "fuzz_input.h"
#include "platform/ini_document.h"
#include "support/reference_ini_document.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

class BothDocuments final {
public:
    explicit BothDocuments(const std::string& bytes)
        : indexed_(IniDocument::Parse(bytes))
        , plain_(ReferenceIniDocument::Parse(bytes)) {}

    void Set(const std::string& section, const std::string& key, const std::string& value) {
        Check(indexed_.SetValue(section, key, value) == plain_.SetValue(section, key, value));
        Compare(section, key);
    }
    void Remove(const std::string& section, const std::string& key) {
        Check(indexed_.RemoveKey(section, key) == plain_.RemoveKey(section, key));
        Compare(section, key);
    }
    std::vector<std::string> SectionNames() const { return plain_.SectionNames(); }
    std::vector<std::string> KeyNames(const std::string& section) const {
        return plain_.KeyNames(section);
    }

    void Compare(const std::string& section, const std::string& key) const {
        Check(indexed_.Serialize() == plain_.Serialize());
        Check(indexed_.SectionNames() == plain_.SectionNames());
        Check(indexed_.KeyNames(section) == plain_.KeyNames(section));
        Check(indexed_.Value(section, key) == plain_.Value(section, key));
    }

private:
    IniDocument indexed_;
    ReferenceIniDocument plain_;
};

// Fills a section past the length at which its keys get an index, then
// takes some of them out again, in another letter case.
void GrowAndShrink(BothDocuments& both, const std::string& section) {
    for (int i = 0; i < 20; ++i) {
        both.Set(section, "k" + std::to_string(i), std::to_string(i));
    }
    for (int i = 0; i < 20; i += 3) {
        both.Remove(section, "K" + std::to_string(i));
    }
    both.Set(section, "k3", "again");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> parts = SplitFuzzInput(data, size, 2);
    const std::string& section = parts[0];
    const std::string& key = parts[1];
    BothDocuments both(parts[2]);
    both.Compare(section, key);

    const std::vector<std::string> sections = both.SectionNames();
    for (std::size_t i = 0; i < sections.size() && i < 6; ++i) {
        const std::vector<std::string> keys = both.KeyNames(sections[i]);
        for (std::size_t k = 0; k < keys.size() && k < 6; ++k) {
            both.Compare(sections[i], keys[k]);
        }
        if (!keys.empty()) {
            both.Remove(sections[i], keys.front());
            both.Set(sections[i], keys.back(), "changed");
        }
        both.Set(sections[i], key, "new");
    }
    both.Set(section, key, "written");
    both.Remove(section, key);
    GrowAndShrink(both, sections.empty() ? section : sections.back());
    both.Set("Fuzz", key, "last");
    return 0;
}
