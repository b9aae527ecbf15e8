// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLineEdit;

namespace erakon {

class RadioGroup;
class YearBox;

// The page "設 定": display options, the minimise target and the closing options.
// The controls are the settings themselves; the window wires their handlers.
class SettingsPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsPage)

public:
    explicit SettingsPage(QWidget* parent = nullptr);

    QGroupBox* GroupBox3; // 表示
    QCheckBox* CheckBoxShowEto;
    QCheckBox* CheckBoxShowBold;
    QCheckBox* CheckBoxStatusBar;
    QCheckBox* CheckBoxStayOnTop;
    QCheckBox* CheckBoxAddItem;
    QLineEdit* Edit61;
    YearBox* NumberBox61;
    QCheckBox* CheckBoxShowHint;
    RadioGroup* RadioGroup1; // 最小化時
    QGroupBox* GroupBox1; // 終了時
    QCheckBox* CheckBoxCloseQuery;
    QCheckBox* CheckBoxSaveStatus;

private:
    QWidget* createViewGroup();
    QWidget* createMinimizeGroup();
    QWidget* createClosingGroup();
    QCheckBox* createCheckBox(const QString& name, const QString& caption, const QString& hint, QWidget* parent);
};

} // namespace erakon
