// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLineEdit;

namespace erakon {

class OptionsModel;
class RadioGroup;
class YearBox;

// The page "設 定": the display options, where minimising goes and the
// closing options. Every control is bound to its option in the model; the
// user era's name and origin can be edited while its check box is checked.
class SettingsPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsPage)

public:
    explicit SettingsPage(OptionsModel& options, QWidget* parent = nullptr);

    // Where the compositor decides what stays on top (Wayland): the check box
    // is shown disabled, its hint saying why; the option keeps its value.
    void disableStayOnTop(const QString& why);
    // The hint of "最小化時", where minimising works differently.
    void setMinimizeTargetHint(const QString& hint);

private:
    QWidget* createViewGroup();
    QWidget* createMinimizeTargetGroup();
    QWidget* createClosingGroup();
    QCheckBox* createCheck(const QString& name, const QString& caption, const QString& hint, QWidget* parent);
    void bindToOptions(OptionsModel& options);
    void bindUserEraEdits();

    QGroupBox* m_viewGroup = nullptr;
    QCheckBox* m_showZodiacCheck = nullptr;
    QCheckBox* m_emphasizeErasCheck = nullptr;
    QCheckBox* m_showStatusBarCheck = nullptr;
    QCheckBox* m_stayOnTopCheck = nullptr;
    QCheckBox* m_showUserEraCheck = nullptr;
    QLineEdit* m_userEraNameEdit = nullptr;
    YearBox* m_userEraOriginBox = nullptr;
    QCheckBox* m_showHintsCheck = nullptr;
    RadioGroup* m_minimizeTargetGroup = nullptr;
    QGroupBox* m_closingGroup = nullptr;
    QCheckBox* m_askBeforeClosingCheck = nullptr;
    QCheckBox* m_saveSettingsCheck = nullptr;
};

} // namespace erakon
