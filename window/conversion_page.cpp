// SPDX-License-Identifier: MIT
#include "window/conversion_page.h"

#include "core/era_table.h"
#include "widgets/control_hint.h"
#include "widgets/reset_button.h"
#include "widgets/window_font.h"
#include "widgets/year_box.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace erakon {
namespace {

constexpr int kCellMargin = 3;
constexpr int kBoxMargin = 8;

QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

YearBox* createYearBox(const QString& name, const QString& accessibleName, const QString& hint, QWidget* parent)
{
    auto* box = new YearBox(parent);
    box->setObjectName(name);
    box->setRange(kMinYear, kMaxYear);
    box->setDisplayFormat(QStringLiteral("0"));
    box->setAccessibleName(accessibleName);
    setHint(box, hint);
    box->lineEdit()->setAccessibleName(accessibleName);
    setHint(box->lineEdit(), hint);
    return box;
}

QLabel* createLabel(const QString& name, const QString& text, const QString& hint, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    setHint(label, hint);
    return label;
}

// Rows and columns share the space by the given percentages.
void setStretches(QGridLayout* grid, std::initializer_list<int> columns, std::initializer_list<int> rows)
{
    int i = 0;
    for (int stretch : columns)
        grid->setColumnStretch(i++, stretch);
    i = 0;
    for (int stretch : rows)
        grid->setRowStretch(i++, stretch);
}

} // namespace

ConversionPage::ConversionPage(QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout; // GridPanel1
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(createEraGroup(), 0, 0);
    grid->addWidget(createWesternGroup(), 0, 1);
    setStretches(grid, {75, 25}, {100});

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addLayout(grid, 1);
    page->addWidget(createCloseButton());
}

QWidget* ConversionPage::createEraGroup()
{
    GroupBox5 = new QGroupBox(QStringLiteral("和暦"), this);
    GroupBox5->setObjectName(QStringLiteral("GroupBox5"));
    GroupBox5->setFont(windowFont(13));
    setHint(GroupBox5, QStringLiteral("Japanese Era"));

    auto* grid = new QGridLayout(GroupBox5); // GridPanel0
    grid->setObjectName(QStringLiteral("GridPanel0"));
    grid->setContentsMargins(kBoxMargin, kCellMargin, kBoxMargin, kCellMargin);
    grid->setHorizontalSpacing(2 * kBoxMargin);
    grid->setVerticalSpacing(0);
    for (int row = 0; row < kEraRowCount; ++row) {
        const EraInfo& era = kEraTable[size_t(row)];
        const QString number = QString::number(row + 1);
        const QString hint = utf8(era.hint);
        eraLabels[size_t(row)] = createLabel(QStringLiteral("Label") + number, utf8(era.caption), hint, GroupBox5);
        eraBoxes[size_t(row)] = createYearBox(QStringLiteral("NumberBox") + number, utf8(era.caption), hint, GroupBox5);
        // Three eras a line: label row above box row.
        const int gridRow = (row / 3) * 2;
        const int column = row % 3;
        grid->addWidget(eraLabels[size_t(row)], gridRow, column);
        grid->addWidget(eraBoxes[size_t(row)], gridRow + 1, column);
    }
    eraLabels[5]->hide();
    setStretches(grid, {1, 1, 1}, {25, 25, 25, 25});
    return GroupBox5;
}

QWidget* ConversionPage::createWesternGroup()
{
    GroupBox4 = new QGroupBox(QStringLiteral("西暦"), this);
    GroupBox4->setObjectName(QStringLiteral("GroupBox4"));
    GroupBox4->setFont(windowFont(13));
    setHint(GroupBox4, QStringLiteral("Year"));

    ButtonReset = new ResetButton(GroupBox4);
    ButtonReset->setObjectName(QStringLiteral("ButtonReset"));
    ButtonReset->setAccessibleName(QStringLiteral("Reset to Now"));
    setHint(ButtonReset, QStringLiteral("Reset to Now"));
    ButtonReset->setFixedWidth(30);
    ButtonReset->setFocusPolicy(Qt::NoFocus);
    ButtonReset->setCursor(Qt::PointingHandCursor);
    ButtonReset->setEnabled(false);

    NumberBox0 = createYearBox(QStringLiteral("NumberBox0"), QStringLiteral("西暦"), QStringLiteral("A.D."), GroupBox4);

    Label7 = createLabel(QStringLiteral("Label7"), QStringLiteral("今から"), QStringLiteral("From Now"), GroupBox4);
    Label7->setFont(windowFont(12));

    NumberBox7 = createYearBox(QStringLiteral("NumberBox7"), QStringLiteral("今から"), QStringLiteral("From Now"),
                               GroupBox4);

    auto* grid = new QGridLayout(GroupBox4); // GridPanel6
    grid->setObjectName(QStringLiteral("GridPanel6"));
    grid->setContentsMargins(kBoxMargin, kCellMargin, kBoxMargin, kCellMargin);
    grid->setVerticalSpacing(0);
    grid->addWidget(ButtonReset, 0, 0, Qt::AlignRight);
    grid->addWidget(NumberBox0, 1, 0);
    grid->addWidget(Label7, 2, 0);
    grid->addWidget(NumberBox7, 3, 0);
    setStretches(grid, {1}, {25, 25, 25, 25});
    return GroupBox4;
}

QWidget* ConversionPage::createCloseButton()
{
    ButtonClose = new QPushButton(this);
    ButtonClose->setObjectName(QStringLiteral("ButtonClose"));
    setHint(ButtonClose, QStringLiteral("Close"));
    ButtonClose->setFixedHeight(33);
    ButtonClose->setFocusPolicy(Qt::NoFocus);
    ButtonClose->setCursor(Qt::PointingHandCursor);
    return ButtonClose;
}

} // namespace erakon
