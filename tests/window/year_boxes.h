// SPDX-License-Identifier: MIT
#pragma once

#include "core/era_table.h"
#include "widgets/year_box.h"

#include <QLineEdit>
#include <QTest>

#include <array>
#include <stdexcept>
#include <string>

namespace erakon {

// A year box of the conversion page by its name, below `root` (the page or
// the window). A name that is not there fails the test.
inline YearBox* yearBoxIn(const QObject& root, const char* name)
{
    auto* box = root.findChild<YearBox*>(QString::fromLatin1(name));
    if (!box)
        throw std::logic_error(std::string("no year box ") + name);
    return box;
}

// The era boxes, rows Meiji .. user era.
inline std::array<YearBox*, kEraRowCount> eraYearBoxesIn(const QObject& root)
{
    return {yearBoxIn(root, "meijiYearBox"),  yearBoxIn(root, "taishoYearBox"), yearBoxIn(root, "showaYearBox"),
            yearBoxIn(root, "heiseiYearBox"), yearBoxIn(root, "reiwaYearBox"),  yearBoxIn(root, "userEraYearBox")};
}

// The eight boxes: the Western year, the era years, the years from now.
inline std::array<YearBox*, 8> yearBoxesIn(const QObject& root)
{
    const auto eras = eraYearBoxesIn(root);
    return {yearBoxIn(root, "westernYearBox"), eras[0], eras[1], eras[2], eras[3], eras[4], eras[5],
            yearBoxIn(root, "yearsFromNowBox")};
}

// Replaces the box's whole text by typing, as the user does.
inline void typeOver(YearBox* box, const QString& text)
{
    box->lineEdit()->setFocus();
    box->lineEdit()->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
    else
        QTest::keyClicks(box->lineEdit(), text);
}

} // namespace erakon
