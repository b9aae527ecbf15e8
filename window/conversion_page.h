// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace erakon {

class YearBox;

// The page "変換": the era boxes with their labels, the Western year box, the
// distance box, the reset button and the sentence button. The page only lays
// the controls out; the window wires them.
class ConversionPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ConversionPage)

public:
    explicit ConversionPage(QWidget* parent = nullptr);

    QGroupBox* GroupBox5; // 和暦
    QGroupBox* GroupBox4; // 西暦
    std::array<QLabel*, 6> eraLabels; // Label1 .. Label6
    std::array<YearBox*, 6> eraBoxes; // NumberBox1 .. NumberBox6
    QLabel* Label7;
    YearBox* NumberBox0;
    YearBox* NumberBox7;
    QPushButton* ButtonReset;
    QPushButton* ButtonClose;

private:
    QWidget* createEraGroup();
    QWidget* createWesternGroup();
    QWidget* createCloseButton();
};

} // namespace erakon
