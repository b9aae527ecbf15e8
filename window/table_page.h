// SPDX-License-Identifier: MIT
#pragma once

#include "core/modern_eras.h"

#include <QWidget>

#include <functional>

class QPlainTextEdit;

namespace erakon {

class Clock;

// The year quick-reference page: one line per year from the first Meiji year
// to the 99th year of the latest era (Reiwa, or an era the era files add),
// rebuilt each time the page is entered. A double-clicked line hands its
// Western year back to the window.
class TablePage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TablePage)

public:
    explicit TablePage(const Clock& clock, const ModernEras& eras = ModernEras(), QWidget* parent = nullptr);
    ~TablePage() override;

    // What a build follows, read afresh at every build: whether the zodiac is
    // shown, and the offsets of the first and the latest era that bound the
    // table. Until set, the zodiac is off and the offsets are the eras'.
    void setShowEtoSource(std::function<bool()> showEto);
    void setOffsetSources(std::function<int()> firstEraOffset, std::function<int()> latestEraOffset);

    // Fills the table anew and selects the line of the year in searchText.
    void build(const QString& searchText);

    // The table's text as the program sees it: lines ending in CR LF.
    QString tableText() const;
    // The selected part of that text, line ends as CR LF.
    QString selectedTableText() const;

signals:
    // The Western year of a double-clicked line (up to four characters after
    // its first tab, exactly as they stand).
    void yearChosen(const QString& yearText);

private:
    // Runs after the table's own double-click handling has selected a word.
    void lineDoubleClicked();
    void selectLines(int firstLine, int lineCount);
    void centreLine(int line);

    QPlainTextEdit* const m_yearTable;
    const Clock& m_clock;
    const ModernEras m_eras;
    std::function<bool()> m_showEto;
    std::function<int()> m_firstEraOffset;
    std::function<int()> m_latestEraOffset;
};

} // namespace erakon
