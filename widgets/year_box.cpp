// SPDX-License-Identifier: MIT
#include "widgets/year_box.h"

#include "core/expression.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <utility>

namespace erakon {
namespace {

constexpr double defaultMinValue = -9999;
constexpr double defaultMaxValue = 9999;
constexpr int firstRepeatDelayMs = 500;
constexpr int repeatIntervalMs = 100;
constexpr int wheelStepDelta = 120; // one notch of a standard wheel

bool isAcceptedCharacter(QChar c) { return (c >= u'0' && c <= u'9') || QStringView(u" ()*+-/").contains(c); }

bool isControlText(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

// Digits with at most one "-" in front; "-" alone is not a number.
std::optional<double> plainNumber(const QString& text)
{
    const QStringView digits = QStringView(text).mid(text.startsWith(u'-') ? 1 : 0);
    if (digits.isEmpty())
        return std::nullopt;
    if (!std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool ok = false;
    double value = text.toDouble(&ok);
    // Hundreds of digits overflow a double: still a number, just far beyond any range.
    if (!ok || !std::isfinite(value))
        value = text.startsWith(u'-') ? std::numeric_limits<double>::lowest() : std::numeric_limits<double>::max();
    return value == 0 ? 0.0 : value; // no "-0"
}

bool isPlainNumberOrEmpty(const QString& text) { return text.isEmpty() || plainNumber(text).has_value(); }

// Rounded to a whole number, halves to even, in plain decimal without grouping.
QString plainText(double value)
{
    double rounded = std::nearbyint(value);
    if (rounded == 0)
        rounded = 0; // no "-0"
    if (std::abs(rounded) < 1e15)
        return QString::number(static_cast<qint64>(rounded));
    return QString::number(rounded, 'f', 0);
}

// Blanks and control characters at either end do not make a text non-empty.
bool isBlank(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0x20; });
}

// Clipboard text less currency symbols, thousands separators and spaces.
QString cleanedPasteText(const QString& clipboardText, const QLocale& locale)
{
    const QString normalized = clipboardText.normalized(QString::NormalizationForm_KC);
    const QString groupSeparator = locale.groupSeparator();
    const QString currencySymbol = locale.currencySymbol();
    QString result = normalized;
    if (!currencySymbol.isEmpty())
        result.remove(currencySymbol);
    if (!groupSeparator.isEmpty())
        result.remove(groupSeparator);
    result.removeIf([](QChar c) { return c.isSpace() || c.category() == QChar::Symbol_Currency; });
    return result;
}

// Newer Qt names the actions of the standard menu; older Qt only shows the
// shortcut after a tab in the (translated) text.
bool isStandardAction(const QAction& action, QStringView name, QKeySequence::StandardKey key)
{
    if (action.objectName() == name)
        return true;
    const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
    return !shortcut.isEmpty() && action.text().endsWith(u'\t' + shortcut);
}

// What the line edit hands over to the box.
class EditorHost {
public:
    virtual bool handleKey(QKeyEvent* event) = 0; // true when the box consumed the key
    virtual void focusEntered() = 0;
    virtual void paste(QClipboard::Mode mode) = 0;
    virtual void cut() = 0;
    virtual void reject() = 0;
    virtual void wheel(int angleDelta) = 0;
    virtual void layoutSpinButtons() = 0;

protected:
    ~EditorHost() = default;
};

class Editor final : public QLineEdit {
public:
    Editor(EditorHost& host, QWidget* parent)
        : QLineEdit(parent)
        , host_(host)
    {
        setObjectName(QStringLiteral("yearBoxEdit"));
        setAlignment(Qt::AlignCenter);
        // Only dropped characters would bypass the key filter.
        setAcceptDrops(false);
        // Keys reach the filter one by one; an input method would commit around it.
        setAttribute(Qt::WA_InputMethodEnabled, false);
        setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!host_.handleKey(event))
            QLineEdit::keyPressEvent(event);
    }

    void focusInEvent(QFocusEvent* event) override
    {
        host_.focusEntered();
        QLineEdit::focusInEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        // The selection paste of X11 goes through the same rules as any paste.
        if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
            host_.paste(QClipboard::Selection);
            event->accept();
            return;
        }
        QLineEdit::mouseReleaseEvent(event);
    }

    void inputMethodEvent(QInputMethodEvent* event) override
    {
        const QString commit = event->commitString();
        if (!std::all_of(commit.cbegin(), commit.cend(), isAcceptedCharacter)) {
            host_.reject();
            event->accept();
            return;
        }
        QLineEdit::inputMethodEvent(event);
    }

    void contextMenuEvent(QContextMenuEvent* event) override
    {
        const QPointer<QMenu> menu = createStandardContextMenu();
        if (!menu)
            return;
        menu->setAttribute(Qt::WA_DeleteOnClose);
        // Cut and paste from the menu follow the same rules as their keys.
        for (QAction* action : menu->actions()) {
            if (isStandardAction(*action, u"edit-cut", QKeySequence::Cut)) {
                action->disconnect(this);
                connect(action, &QAction::triggered, this, [this] { host_.cut(); });
            } else if (isStandardAction(*action, u"edit-paste", QKeySequence::Paste)) {
                action->disconnect(this);
                connect(action, &QAction::triggered, this, [this] { host_.paste(QClipboard::Clipboard); });
            }
        }
        menu->popup(event->globalPos());
    }

    // Also reached from the spin buttons, whose wheel events come up here.
    void wheelEvent(QWheelEvent* event) override
    {
        host_.wheel(event->angleDelta().y());
        event->accept();
    }

    void resizeEvent(QResizeEvent* event) override
    {
        QLineEdit::resizeEvent(event);
        host_.layoutSpinButtons();
    }

private:
    EditorHost& host_;
};

// One of the two compact arrows. A quick click steps once on release; held
// down, it steps after 500 ms and then every 100 ms, and the release adds no
// further step.
class SpinButton final : public QAbstractButton {
public:
    SpinButton(bool up, QWidget* parent)
        : QAbstractButton(parent)
        , up_(up)
    {
        setObjectName(up ? QStringLiteral("spinUp") : QStringLiteral("spinDown"));
        setFocusPolicy(Qt::NoFocus);
        setCursor(Qt::ArrowCursor);
        setAttribute(Qt::WA_Hover);
        repeat_.setSingleShot(false);
        connect(&repeat_, &QTimer::timeout, this, [this] {
            repeated_ = true;
            repeat_.setInterval(repeatIntervalMs);
            step();
        });
        connect(this, &QAbstractButton::pressed, this, [this] {
            repeated_ = false;
            repeat_.start(firstRepeatDelayMs);
        });
        connect(this, &QAbstractButton::released, this, [this] { repeat_.stop(); });
        connect(this, &QAbstractButton::clicked, this, [this] {
            if (!repeated_)
                step();
        });
    }

    std::function<void(int)> onStep;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QStyleOption option;
        option.initFrom(this);
        if (isDown())
            option.state |= QStyle::State_Sunken;
        if (isDown() || underMouse()) {
            QStyleOption panel = option;
            panel.state |= QStyle::State_AutoRaise | (isDown() ? QStyle::State_Sunken : QStyle::State_Raised);
            style()->drawPrimitive(QStyle::PE_PanelButtonTool, &panel, &painter, this);
        }
        style()->drawPrimitive(up_ ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &option, &painter,
                               this);
    }

private:
    void step()
    {
        if (onStep)
            onStep(up_ ? 1 : -1);
    }

    bool up_;
    bool repeated_ = false;
    QTimer repeat_;
};

} // namespace

struct YearBox::Private final : EditorHost {
    explicit Private(YearBox& box)
        : q(box)
    {}

    YearBox& q;
    Editor* editor = nullptr;
    SpinButton* upButton = nullptr;
    SpinButton* downButton = nullptr;
    QMetaObject::Connection focusConnection;

    QString text = QStringLiteral("0");
    double value = 0;
    double minValue = defaultMinValue;
    double maxValue = defaultMaxValue;
    QString displayFormat = QStringLiteral("0");
    int wheelRemainder = 0;
    bool editing = false; // the box has the focus, as far as its window is concerned
    bool showingProgram = false; // the line edit is being written by the box itself

    double limited(double v) const
    {
        if (minValue == maxValue)
            return v;
        return std::clamp(v, minValue, maxValue);
    }

    QString shownText() const
    {
        if (editing || text.isEmpty())
            return text;
        const QString plain = plainText(value);
        return displayFormat.startsWith(u'+') && !plain.startsWith(u'-') ? u'+' + plain : plain;
    }

    // Switching between the typed text and the display form is no text change.
    void refreshShown()
    {
        const QString shown = shownText();
        if (editor->text() == shown)
            return;
        const QScopedValueRollback guard(showingProgram, true);
        editor->setText(shown);
    }

    void setValue(double v)
    {
        if (std::isnan(v))
            return;
        const double newValue = limited(v);
        if (newValue == value && !isBlank(text))
            return;
        if (!std::isfinite(newValue))
            return; // only reachable without a range
        value = newValue;
        const QString newText = plainText(value);
        if (newText != text)
            changeText(newText, /*fromValue=*/true);
        else
            refreshShown();
    }

    void changeText(const QString& newText, bool fromValue)
    {
        text = newText;
        if (!fromValue)
            readValueFromText();
        refreshShown();
        emit q.changed();
    }

    void readValueFromText()
    {
        if (text.isEmpty()) {
            value = 0;
            return;
        }
        const std::optional<double> number = plainNumber(text);
        if (!number)
            return;
        value = *number;
        if (editing)
            return; // a value beyond the range is kept while the user types
        const double bounded = limited(value);
        if (bounded != value) {
            value = bounded;
            changeText(plainText(value), /*fromValue=*/true);
        }
    }

    void userEdited(const QString& newText)
    {
        if (showingProgram)
            return;
        changeText(newText, /*fromValue=*/false);
    }

    void step(int delta) { setValue(value + delta); }

    void evaluate()
    {
        const ExpressionResult result = evaluateExpression(text.toStdString());
        if (!result) {
            reject();
            return;
        }
        const QString before = text;
        setValue(result.value);
        // The held value can equal the result ("1994+0" on 1994): the text still
        // becomes the plain result.
        const QString plain = plainText(value);
        if (text != plain)
            changeText(plain, /*fromValue=*/true);
        if (text != before)
            editor->selectAll();
    }

    void leave()
    {
        editing = false;
        setValue(value);
        const QString plain = plainText(value);
        if (text != plain)
            changeText(plain, /*fromValue=*/true);
        else
            refreshShown();
    }

    // EditorHost

    bool handleKey(QKeyEvent* event) override
    {
        switch (event->key()) {
        case Qt::Key_Up: step(1); return true;
        case Qt::Key_Down: step(-1); return true;
        case Qt::Key_PageUp: step(10); return true;
        case Qt::Key_PageDown: step(-10); return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: evaluate(); return false; // the line edit passes Enter on, as it always does
        default: break;
        }
        if (event->matches(QKeySequence::Paste)) {
            paste(QClipboard::Clipboard);
            return true;
        }
        if (event->matches(QKeySequence::Cut)) {
            cut();
            return true;
        }
        const QString typed = event->text();
        if (typed.isEmpty() || isControlText(typed))
            return false; // editing keys, Tab, Esc and shortcuts
        const Qt::KeyboardModifiers chord = event->modifiers()
            & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (chord == Qt::ControlModifier)
            return false; // the line edit's shortcuts; it types no character with Ctrl
        if (chord != Qt::NoModifier) {
            event->ignore(); // Alt and Meta chords belong to the window, never type a character
            return true;
        }
        if (std::all_of(typed.cbegin(), typed.cend(), isAcceptedCharacter))
            return false;
        reject();
        return true;
    }

    void focusEntered() override
    {
        editing = true;
        refreshShown();
    }

    void paste(QClipboard::Mode mode) override
    {
        if (editor->isReadOnly())
            return;
        const QString inserted = cleanedPasteText(QGuiApplication::clipboard()->text(mode), editor->locale());
        const QString current = editor->text();
        const int start = editor->hasSelectedText() ? editor->selectionStart() : editor->cursorPosition();
        const qsizetype length = editor->hasSelectedText() ? editor->selectedText().size() : 0;
        if (!isPlainNumberOrEmpty(QString(current).replace(start, length, inserted))) {
            reject();
            return;
        }
        editor->insert(inserted); // one undoable step, replacing the selection
    }

    void cut() override
    {
        if (!editor->hasSelectedText())
            return;
        const QString rest = QString(editor->text()).remove(editor->selectionStart(), editor->selectedText().size());
        editor->copy();
        if (editor->isReadOnly() || !isPlainNumberOrEmpty(rest)) {
            reject();
            return;
        }
        editor->del();
    }

    void reject() override
    {
        QApplication::beep();
        emit q.inputRejected();
    }

    // High-resolution wheels send fractions of a notch; they add up.
    void wheel(int angleDelta) override
    {
        wheelRemainder += angleDelta;
        const int steps = wheelRemainder / wheelStepDelta;
        wheelRemainder -= steps * wheelStepDelta;
        if (steps != 0)
            step(steps);
    }

    void layoutSpinButtons() override
    {
        const int frame = editor->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, editor);
        const QRect inner = editor->rect().adjusted(frame, frame, -frame, -frame);
        const int width = std::clamp(inner.height() * 3 / 4, 9, 16);
        const int upHeight = inner.height() / 2;
        upButton->setGeometry(inner.right() + 1 - width, inner.top(), width, upHeight);
        downButton->setGeometry(inner.right() + 1 - width, inner.top() + upHeight, width, inner.height() - upHeight);
        // The same margin on both sides keeps the text centred on the box.
        editor->setTextMargins(width, 0, width, 0);
    }

    void syncAccessibility()
    {
        if (editor->accessibleName().isEmpty())
            editor->setAccessibleName(q.accessibleName());
        if (editor->accessibleDescription().isEmpty())
            editor->setAccessibleDescription(q.accessibleDescription());
    }
};

YearBox::YearBox(QWidget* parent)
    : QWidget(parent)
    , d(std::make_unique<Private>(*this))
{
    d->editor = new Editor(*d, this);
    d->upButton = new SpinButton(true, d->editor);
    d->downButton = new SpinButton(false, d->editor);
    for (SpinButton* button : {d->upButton, d->downButton}) {
        button->onStep = [this](int delta) { d->step(delta); };
        connect(button, &QAbstractButton::pressed, d->editor, [this] { d->editor->setFocus(Qt::MouseFocusReason); });
    }

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->editor);
    setFocusProxy(d->editor);
    setFocusPolicy(d->editor->focusPolicy());
    setSizePolicy(d->editor->sizePolicy());

    d->editor->setText(d->text);
    connect(d->editor, &QLineEdit::textChanged, this, [this](const QString& text) { d->userEdited(text); });
    // Leaving means the focus went to another control of the same window;
    // switching to another window or opening a message box is no leaving.
    d->focusConnection = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (d->editing && now && now != d->editor && now->window() == window())
            d->leave();
    });
}

YearBox::~YearBox()
{
    disconnect(d->focusConnection);
    delete d->editor;
}

QSize YearBox::minimumSizeHint() const
{
    const QSize editorHint = d->editor->minimumSizeHint();
    const QFontMetrics metrics(d->editor->font());
    const int text = std::max(metrics.horizontalAdvance(QStringLiteral("-9999")),
                              metrics.horizontalAdvance(QStringLiteral("+9999")));
    const int frame = d->editor->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, d->editor);
    // As layoutSpinButtons() sizes them, from the height the box gets.
    const int innerHeight = std::max(editorHint.height(), d->editor->sizeHint().height()) - 2 * frame;
    const int buttons = 2 * std::clamp(innerHeight * 3 / 4, 9, 16);
    // A line edit keeps 2 pixels beside its text, and one for the caret.
    constexpr int kLineEditTextSpace = 2 * 2 + 1;
    return {std::max(editorHint.width(), text + buttons + 2 * frame + kLineEditTextSpace), editorHint.height()};
}

double YearBox::value() const { return d->value; }

void YearBox::setValue(double value) { d->setValue(value); }

int YearBox::intValue() const
{
    const double rounded = std::nearbyint(d->value);
    return static_cast<int>(
        std::clamp(rounded, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max())));
}

QString YearBox::text() const { return d->text; }

void YearBox::setText(const QString& text)
{
    if (text == d->text)
        return;
    d->changeText(text, /*fromValue=*/false);
}

void YearBox::setRange(double minValue, double maxValue)
{
    if (std::isnan(minValue) || std::isnan(maxValue))
        return;
    if (minValue > maxValue)
        std::swap(minValue, maxValue);
    d->minValue = minValue;
    d->maxValue = maxValue;
    if (d->limited(d->value) != d->value)
        d->setValue(d->value);
}

double YearBox::minValue() const { return d->minValue; }

double YearBox::maxValue() const { return d->maxValue; }

void YearBox::setDisplayFormat(const QString& format)
{
    d->displayFormat = format;
    d->refreshShown();
}

QString YearBox::displayFormat() const { return d->displayFormat; }

QLineEdit* YearBox::lineEdit() const { return d->editor; }

bool YearBox::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTipChange:
        d->editor->setToolTip(toolTip());
        d->upButton->setToolTip(toolTip());
        d->downButton->setToolTip(toolTip());
        break;
    case QEvent::Polish:
    case QEvent::Show: d->syncAccessibility(); break;
    default: break;
    }
    return QWidget::event(event);
}

} // namespace erakon
