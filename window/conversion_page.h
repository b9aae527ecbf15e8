// SPDX-License-Identifier: MIT
#pragma once

#include "core/era_table.h"
#include "core/modern_eras.h"

#include <QWidget>

#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QPushButton;

namespace erakon {

class Clock;
class OptionsModel;
class YearBox;
enum class OptionKey;
struct DateFormatSettings;

// One thing per era row, indexed by the row: eraYearBoxes[EraRow::Showa].
template <typename T>
class PerEraRow {
public:
    T& operator[](EraRow row) { return m_items[std::size_t(row)]; }
    const T& operator[](EraRow row) const { return m_items[std::size_t(row)]; }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::array<T, kEraRowCount> m_items{};
};

// The page "変換": the years of the five latest eras (明治 to 令和, or from 大正
// on when the era files add one) and of the user's own era, the Western year, the years from now, the back-to-now
// button and the sentence button. The page holds the year it shows and the user era's origin it converts with. An edit
// of any box gives a year; the page converts it (convertYear()) and sets the boxes from the result, with their own
// change handlers held off, so that no box's change comes back as an edit.
class ConversionPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ConversionPage)

public:
    // The options give the user era, the zodiac and the emphasis; the page
    // follows their changes. The format settings write the year of "back to
    // now". The sentence button triggers the close command. The eras give the
    // rows.
    ConversionPage(const Clock& clock, const DateFormatSettings& formatSettings, const OptionsModel& options,
                   QAction* closeAction, const ModernEras& eras = ModernEras(), QWidget* parent = nullptr);

    // The year shown, converted again with the options as they are now: what
    // entering the page does.
    void refresh();
    // The window's first conversion: the current year, or the year the
    // program was asked to start at. Gives the year shown: the one asked for,
    // or the nearest one whose every box holds its value.
    int startAt(int year);
    // A year given as text, as the year table hands it over.
    void showYearText(const QString& text);
    // The Western year box's text as typed.
    QString westernYearText() const;
    // The year the page shows.
    int year() const { return m_year; }
    // Back to the current year; nothing happens when the Western box shows it.
    void resetToCurrentYear();

    // The offsets the page converts with, the five eras' rows, then the user era's.
    EraOffsets eraOffsets() const;

private:
    QWidget* createEraGroup();
    QWidget* createWesternYearGroup();
    QWidget* createSentenceButton(QAction* closeAction);
    void orderTabs();

    void westernYearEdited();
    void eraYearEdited(EraRow era);
    void yearsFromNowEdited();
    void optionChanged(OptionKey key);

    void showYear(int year);
    void showUserEra();
    void showEmphasis(const EraEmphasis& emphasis);

    const Clock& m_clock;
    const DateFormatSettings& m_formatSettings;
    const OptionsModel& m_options;
    const ModernEras m_eras;

    // What the page shows: the year, and the origin of the user era it
    // converts with.
    int m_year = 0;
    int m_userEraOrigin;
    // The boxes are being set from a conversion: their changes are no edits.
    bool m_settingBoxes = false;

    QGroupBox* m_japaneseEraGroup = nullptr;
    PerEraRow<QLabel*> m_eraLabels;
    PerEraRow<YearBox*> m_eraYearBoxes;
    QGroupBox* m_westernYearGroup = nullptr;
    QPushButton* m_backToNowButton = nullptr;
    YearBox* m_westernYearBox = nullptr;
    QLabel* m_yearsFromNowLabel = nullptr;
    YearBox* m_yearsFromNowBox = nullptr;
    QPushButton* m_sentenceButton = nullptr;
};

} // namespace erakon
