// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <memory>

class QLineEdit;

namespace erakon {

// A whole-number box with expression input and compact spin buttons.
// Public API used by the window; the behaviour is that of the program's
// year boxes (setting value and text, the change event on every text change,
// Enter evaluating an expression, leaving the box, keys, display formats).
//
// The inner line edit takes the tooltip set on the box at any time, and the
// accessible name and description set on the box before it is shown; set
// them on lineEdit() to change them later.
class YearBox final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(YearBox)

public:
    explicit YearBox(QWidget* parent = nullptr);
    ~YearBox() override;

    double value() const;
    void setValue(double value); // limited to the range; quiet when nothing changes
    int intValue() const; // value rounded to nearest, halves to even

    QString text() const; // the text as typed (not the display form)
    void setText(const QString& text); // quiet when the text is the same

    void setRange(double minValue, double maxValue);
    double minValue() const;
    double maxValue() const;

    // "0", "+###0" or "###0": how the value is shown while the box has no focus.
    void setDisplayFormat(const QString& format);
    QString displayFormat() const;

    QLineEdit* lineEdit() const;

    // Wide enough for a four-digit year with its sign, the spin buttons beside
    // it, in the box's font: a layout squeezed to its minimum keeps it readable.
    QSize minimumSizeHint() const override;

signals:
    // Every change of the text, by the user or by the program.
    void changed();
    // The box refused a key, a paste, a cut or an expression (after the beep).
    void inputRejected();

protected:
    bool event(QEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace erakon
