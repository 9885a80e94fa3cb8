#include "platform/regional_settings.h"

#include "platform/qt_text.h"

#include <QLocale>
#include <QString>
#include <cstdlib>
#include <langinfo.h>
#include <locale.h>

namespace {

std::string LcTimeName() {
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return "C";
}

// The C library's date format of the locale; false when it is not installed.
bool ReadShortDateFormat(const std::string& localeName, RegionalSettings& settings) {
    locale_t locale = newlocale(LC_TIME_MASK, localeName.c_str(), static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr)) {
        return false;
    }
    const std::string format = nl_langinfo_l(D_FMT, locale);
    freelocale(locale);
    if (!format.empty()) {
        settings.ShortDateFormat = format;
    }
    return true;
}

// Reads the hour, separator and marker rules out of a Qt time format such as
// "h:mm:ss AP t": letters are fields, quoted text and other characters stand
// as they are.
void ReadTimeRules(const QString& format, RegionalSettings& settings) {
    qsizetype hourAt = -1;
    qsizetype markerAt = -1;
    int hourLength = 0;
    QChar hourLetter;
    QString separator;
    bool quoted = false;
    bool afterHour = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'') {
            quoted = !quoted;
            continue;
        }
        const bool field = !quoted && c.isLetter();
        if (!field) {
            if (afterHour) {
                separator += c;
            }
            continue;
        }
        if (hourAt < 0 && (c == u'h' || c == u'H')) {
            hourAt = i;
            hourLetter = c;
            while (i < format.size() && format[i] == c) {
                ++hourLength;
                ++i;
            }
            --i;
            afterHour = true;
            continue;
        }
        afterHour = false;
        if (markerAt < 0 && (c == u'a' || c == u'A')) {
            markerAt = i;
        }
    }
    if (!separator.isEmpty()) {
        settings.TimeSeparator = FromQString(separator);
    }
    settings.LeadingZeroHour = hourLength >= 2;
    settings.TwelveHourClock = hourLetter == u'h' && markerAt >= 0;
    settings.MarkerFirst = settings.TwelveHourClock && markerAt < hourAt;
}

} // namespace

RegionalSettings ReadRegionalSettings() {
    return RegionalSettingsOf(LcTimeName());
}

RegionalSettings RegionalSettingsOf(const std::string& localeName) {
    RegionalSettings settings;
    // The C library falls back to the C locale for a locale it lacks; so do we.
    const bool installed = ReadShortDateFormat(localeName, settings);
    const QLocale locale =
        installed ? QLocale(QString::fromLocal8Bit(localeName.c_str())) : QLocale::c();
    ReadTimeRules(locale.timeFormat(QLocale::LongFormat), settings);
    settings.AmText = FromQString(locale.amText());
    settings.PmText = FromQString(locale.pmText());
    return settings;
}
