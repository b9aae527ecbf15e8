// SPDX-License-Identifier: MIT
#pragma once

#include "core/modern_eras.h"

#include <QWidget>

#include <chrono>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTimer;

namespace erakon {

class Clock;
class LifeTable;
class OptionsModel;
enum class OptionKey;

// The page "年齢": a birth date (or a year alone) and an as-of date, and the
// ages and milestones of that life in a table (core/life_rows.h), its 厄年
// for the sex the options hold. The as-of date is today, following midnight,
// until the user types one; the birth is the conversion page's year each
// time the page is entered, until the user types one.
//
// The window makes it the first time it is shown (window/page_list.h); its
// clock follows today only while it is shown.
class AgePage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AgePage)

public:
    // The eras are those the page reads and writes dates with.
    AgePage(const Clock& clock, OptionsModel& options, const ModernEras& eras = ModernEras(),
            QWidget* parent = nullptr);
    ~AgePage() override;

    // Entering the page, with the year the conversion page shows.
    void enter(int conversionYear);
    // Once a second while the page is shown: a new day moves an as-of date
    // that follows today.
    void followToday();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void build();
    QLayout* createInputs();
    QWidget* createResults();

    void birthEdited(const QString& text);
    void asOfEdited(const QString& text);
    void backToToday();
    void optionChanged(OptionKey key);

    // Sets a box's text as the page fills it in, not as the user types it.
    void fillIn(QLineEdit* edit, const QString& text);
    void showTodayAsOf();
    void showLife();
    void showMessage(const QString& message);

    const Clock& m_clock;
    OptionsModel& m_options;
    const ModernEras m_eras;
    // The user typed these; until then the page fills them in.
    bool m_birthTyped = false;
    bool m_asOfTyped = false;
    bool m_fillingIn = false;
    // The day an as-of date that follows today was last set to.
    std::chrono::year_month_day m_today{};

    QLineEdit* m_birthDateEdit = nullptr;
    QLineEdit* m_asOfDateEdit = nullptr;
    QPushButton* m_backToTodayButton = nullptr;
    QRadioButton* m_maleButton = nullptr;
    QRadioButton* m_femaleButton = nullptr;
    QStackedWidget* m_results = nullptr;
    LifeTable* m_lifeTable = nullptr;
    QLabel* m_lifeMessage = nullptr;
    QTimer* m_todayTimer = nullptr;
};

} // namespace erakon
