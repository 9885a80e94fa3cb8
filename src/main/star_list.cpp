#include "main/star_list.h"

std::string GetStarField(std::string_view text, std::string_view separator, int n) {
    if (separator.empty()) {
        return std::string(text);
    }
    std::string_view rest = text;
    std::string_view field = rest;
    for (int i = 0; i < n; ++i) {
        const std::size_t p = rest.find(separator[0]);
        if (p == std::string_view::npos) {
            field = rest;
            break; // rest stays unchanged: every further repetition gives it again
        }
        field = rest.substr(0, p);
        rest = rest.substr(p + 1);
    }
    return std::string(field);
}
