// A module that loads but has no HtmlHelpA.
extern "C" int HtmlHelpW() {
    return 0;
}
