// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <functional>

class QPlainTextEdit;

namespace erakon {

class Clock;

// The year quick-reference page: one line per year from the first Meiji year
// to the 99th Reiwa year, rebuilt each time the page is entered. A
// double-clicked line hands its Western year back to the window.
class TablePage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TablePage)

public:
    explicit TablePage(const Clock& clock, QWidget* parent = nullptr);
    ~TablePage() override;

    // The settings a build follows, read afresh at every build: the zodiac
    // display (CheckBoxShowEto) and the Meiji and Reiwa offsets (the Tag of
    // NumberBox1 and NumberBox5). Until set, the zodiac is off and the
    // offsets are the era table's constants.
    void setShowEtoSource(std::function<bool()> showEto);
    void setOffsetSources(std::function<int()> meijiOffset, std::function<int()> reiwaOffset);

    // Fills Memo1 anew and selects the line of the year in searchText.
    void BuildYearTable(const QString& searchText);

    // Runs after Memo1's own double-click handling has selected a word.
    void Memo1DblClick();

    // Memo1's text as the program sees it: lines ending in CR LF.
    QString tableText() const;
    // The selected part of that text, line ends as CR LF.
    QString selectedTableText() const;

    QPlainTextEdit* const Memo1;

signals:
    // The Western year of a double-clicked line (up to four characters after
    // its first tab, exactly as they stand).
    void yearChosen(const QString& yearText);

private:
    void selectLines(int firstLine, int lineCount);
    void centreLine(int line);

    const Clock& m_clock;
    std::function<bool()> m_showEto;
    std::function<int()> m_meijiOffset;
    std::function<int()> m_reiwaOffset;
};

} // namespace erakon
