// SPDX-License-Identifier: MIT
#pragma once

#include "core/era_table.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace erakon {

class Clock;
class OptionsModel;
class YearBox;
struct TFormatSettings;

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

// The page "変換": the years of the five eras and of the user's own era, the
// Western year, the years from now, the back-to-now button and the sentence
// button. The Western year box leads: a change of any other box sets the
// Western year, and a change of the Western year converts it (convertFrom())
// and sets every other box, which stays quiet where it already holds its value.
class ConversionPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ConversionPage)

public:
    // The options give the user era, the zodiac and the emphasis, read at each
    // conversion; the format settings write the year of "back to now".
    ConversionPage(const Clock& clock, const TFormatSettings& formatSettings, const OptionsModel& options,
                   QWidget* parent = nullptr);

    // The year the Western box holds, converted again with the options as they
    // are now: what entering the page and a changed option do.
    void refresh();
    // The window's first conversion: the current year, or the year the
    // program was asked to start at. Gives the year shown: the one asked for,
    // or the nearest one whose every box holds its value.
    int startAt(int year);
    // A year given as text, as the year table hands it over.
    void showYearText(const QString& text);
    // The Western year box's text as typed.
    QString westernYearText() const;
    // Back to the current year; nothing happens when the Western box shows it.
    void resetToCurrentYear();

    // The offsets the page converts with, rows Meiji .. user era; the user
    // era's as the last conversion took it from its origin.
    EraOffsets eraOffsets() const;

signals:
    // The sentence button, which closes the window.
    void closeRequested();

private:
    QWidget* createEraGroup();
    QWidget* createWesternYearGroup();
    QWidget* createSentenceButton();
    void orderTabs();

    void convertFrom(int year);
    void westernYearChanged();
    void eraYearChanged(EraRow era);
    void yearsFromNowChanged();
    void pullBackToWesternYear(const YearBox* box, int base);
    void showYearsFromNowSign();
    void showEmphasis(const EraEmphasis& emphasis);

    const Clock& m_clock;
    const TFormatSettings& m_formatSettings;
    const OptionsModel& m_options;
    int m_userEraOffset;

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
