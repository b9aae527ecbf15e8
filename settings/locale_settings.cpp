// SPDX-License-Identifier: MIT
#include "settings/locale_settings.h"

#include "settings/qt_format_pattern.h"

#include <QLocale>

namespace erakon {

namespace {

// QLocale counts days from Monday = 1 to Sunday = 7; the record from Sunday.
int qtDayOf(std::size_t sundayBasedIndex) { return sundayBasedIndex == 0 ? 7 : int(sundayBasedIndex); }

} // namespace

DateFormatSettings formatSettingsFor(const QLocale& locale)
{
    DateFormatSettings settings;
    for (std::size_t i = 0; i < settings.ShortDayNames.size(); ++i) {
        settings.ShortDayNames[i] = locale.dayName(qtDayOf(i), QLocale::ShortFormat).toStdString();
        settings.LongDayNames[i] = locale.dayName(qtDayOf(i), QLocale::LongFormat).toStdString();
    }
    for (std::size_t i = 0; i < settings.ShortMonthNames.size(); ++i) {
        // monthName() is the form used inside a date ("20 травня 2023"), not
        // the standalone one.
        settings.ShortMonthNames[i] = locale.monthName(int(i) + 1, QLocale::ShortFormat).toStdString();
        settings.LongMonthNames[i] = locale.monthName(int(i) + 1, QLocale::LongFormat).toStdString();
    }

    const QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    const QString dateSeparator = separatorFromQt(dateFormat, QStringLiteral("/"));
    const QString timeSeparator = separatorFromQt(locale.timeFormat(QLocale::ShortFormat), QStringLiteral(":"));
    settings.DateSeparator = dateSeparator.toStdString();
    settings.TimeSeparator = timeSeparator.toStdString();
    settings.ShortDateFormat = datePatternFromQt(dateFormat, dateSeparator);
    settings.LongTimeFormat = timePatternFromQt(locale.timeFormat(QLocale::LongFormat), timeSeparator);
    settings.TimeAMString = locale.amText().toStdString();
    settings.TimePMString = locale.pmText().toStdString();
    return settings;
}

DateFormatSettings ukrainianFormatSettings()
{
    DateFormatSettings settings = formatSettingsFor(QLocale(QLocale::Ukrainian, QLocale::Ukraine));
    settings.TimeSeparator = ":";
    return settings;
}

EraNameLanguage eraNameLanguageFor(const QLocale& locale)
{
    switch (locale.language()) {
    case QLocale::Japanese: return EraNameLanguage::Japanese;
    case QLocale::Chinese:
        if (locale.script() == QLocale::TraditionalHanScript)
            return EraNameLanguage::TraditionalChinese;
        return EraNameLanguage::Other;
    default: return EraNameLanguage::Other;
    }
}

} // namespace erakon
