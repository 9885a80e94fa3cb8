// Parses arbitrary bytes as an INI-format file, lists and reads it, writes a
// value and parses the result again: nothing may crash, untouched bytes must
// come back exactly, and the written value must read back.
#include "platform/ini_document.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniDocument document = IniDocument::Parse(std::string(bytes));
    Check(document.Serialize() == bytes);

    const std::vector<std::string> sections = document.SectionNames();
    std::string section = sections.empty() ? "Fuzz" : sections.back();
    std::string key = "FuzzKey";
    for (const std::string& name : sections) {
        for (const std::string& listed : document.KeyNames(name)) {
            Check(document.Value(name, listed).has_value());
            key = listed;
        }
    }
    if (!IniDocument::CanStore(section, key, "fuzz value")) {
        section = "Fuzz";
        key = "FuzzKey";
    }

    Check(document.SetValue(section, key, "fuzz value"));
    const std::string written = document.Serialize();
    IniDocument reread = IniDocument::Parse(written);
    Check(reread.Serialize() == written);
    Check(reread.Value(section, key) == "fuzz value");
    Check(reread.SectionNames().size() >= sections.size());

    // Removing takes away one key line: a repeated key may still read back.
    const std::size_t keys = reread.KeyNames(section).size();
    Check(reread.RemoveKey(section, key));
    Check(reread.KeyNames(section).size() == keys - 1);
    return 0;
}
