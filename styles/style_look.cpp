// SPDX-License-Identifier: MIT
#include "styles/style_look.h"
#include "styles/style_colour.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace erakon {

namespace {

bool isDark(const QColor& colour) { return colour.lightnessF() < 0.45; }

// Disabled controls: their text keeps a trace of the normal colour so it
// still reads as text, at about half its contrast.
struct DisabledColours {
    QColor windowText;
    QColor base;
    QColor text;
    QColor button;
    QColor buttonText;
};

DisabledColours disabledColours(const StyleDefinition& d)
{
    DisabledColours c;
    c.windowText = mixedColour(d.windowText, d.window, 0.5);
    c.base = mixedColour(d.base, d.window, 0.5);
    c.text = mixedColour(d.text, c.base, 0.5);
    // A disabled button sinks toward the window; its text follows whichever
    // of the two text colours stands out more there (a coloured button with
    // white text would otherwise fade into its own face).
    c.button = mixedColour(d.button, d.window, 0.6);
    const QColor& strongest = contrast(d.buttonText, c.button) >= contrast(d.windowText, c.button) ? d.buttonText
                                                                                                   : d.windowText;
    c.buttonText = mixedColour(strongest, c.button, 0.4);
    return c;
}

QPalette makePalette(const StyleDefinition& d)
{
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    const bool dark = isDark(d.window);

    QPalette palette;
    palette.setColor(QPalette::Window, d.window);
    palette.setColor(QPalette::WindowText, d.windowText);
    palette.setColor(QPalette::Base, d.base);
    palette.setColor(QPalette::AlternateBase, mixedColour(d.base, d.window, 0.5));
    palette.setColor(QPalette::Text, d.text);
    palette.setColor(QPalette::Button, d.button);
    palette.setColor(QPalette::ButtonText, d.buttonText);
    palette.setColor(QPalette::BrightText, dark ? white : black);
    palette.setColor(QPalette::Highlight, d.highlight);
    palette.setColor(QPalette::HighlightedText, d.highlightedText);
    palette.setColor(QPalette::ToolTipBase, d.toolTipBase);
    palette.setColor(QPalette::ToolTipText, d.toolTipText);
    palette.setColor(QPalette::Link, dark ? d.header : d.highlight);
    palette.setColor(QPalette::LinkVisited, mixedColour(dark ? d.header : d.highlight, d.text, 0.3));
    palette.setColor(QPalette::PlaceholderText, mixedColour(d.text, d.base, 0.45));
    palette.setColor(QPalette::Light, mixedColour(d.button, white, dark ? 0.25 : 0.6));
    palette.setColor(QPalette::Midlight, mixedColour(d.button, white, dark ? 0.12 : 0.3));
    palette.setColor(QPalette::Mid, d.border);
    palette.setColor(QPalette::Dark, mixedColour(d.border, black, 0.3));
    palette.setColor(QPalette::Shadow, mixedColour(d.border, black, 0.6));

    const DisabledColours disabled = disabledColours(d);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, disabled.windowText);
    palette.setColor(QPalette::Disabled, QPalette::Text, disabled.text);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, disabled.buttonText);
    palette.setColor(QPalette::Disabled, QPalette::Base, disabled.base);
    palette.setColor(QPalette::Disabled, QPalette::Button, disabled.button);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, mixedColour(d.highlight, d.window, 0.5));
    return palette;
}

QString linear(const QColor& top, const QColor& bottom)
{
    return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
        .arg(top.name(), bottom.name());
}

// The fill of a raised surface (buttons, tabs, the status bar) in colour c.
QString surfaceFill(StyleSurface surface, const QColor& c)
{
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    const bool dark = isDark(c);
    switch (surface) {
    case StyleSurface::Flat:
    case StyleSurface::Bevel: return c.name();
    case StyleSurface::Gradient:
    case StyleSurface::Glow:
        return linear(mixedColour(c, white, dark ? 0.08 : 0.35), mixedColour(c, black, dark ? 0.12 : 0.04));
    case StyleSurface::Glossy:
        return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, "
                              "stop:0.48 %2, stop:0.52 %3, stop:1 %4)")
            .arg(mixedColour(c, white, dark ? 0.14 : 0.6).name(), mixedColour(c, white, dark ? 0.06 : 0.25).name(),
                 c.name(), mixedColour(c, black, dark ? 0.1 : 0.06).name());
    }
    return c.name();
}

// Classic raised edges: light upper left, dark lower right (sunken swaps them).
QString bevelBorder(const QColor& face, bool sunken)
{
    const QColor light = mixedColour(face, Qt::white, 0.75);
    const QColor dark = mixedColour(face, Qt::black, 0.45);
    const QColor& topLeft = sunken ? dark : light;
    const QColor& bottomRight = sunken ? light : dark;
    return QStringLiteral("border-width: 2px; border-style: solid; border-color: %1 %2 %2 %1;")
        .arg(topLeft.name(), bottomRight.name());
}

// One template for every carried style; {key} marks a value from the definition.
// Menus are left to the palette: a QMenu rule would make the style sheet draw
// the items itself, losing the greyed disabled items and the check boxes.
constexpr auto kTemplate = R"(
QPushButton {
  color: {button_text}; background: {button_fill}; {button_border}
  border-radius: {radius}px; padding: {pad_v}px {pad_h}px;
}
/* A least height only for the buttons of dialogs: the window's buttons keep
   the sizes its pages give them. A style sheet's least height replaces a fixed
   one, and the engine clears it again when the style goes, also the sentence
   button's 33 pixels. */
QDialog QPushButton { min-height: {min_height}px; }
/* The reset button is one glyph wide: side padding would cover the glyph. */
QPushButton#backToNowButton { padding-left: 0px; padding-right: 0px; }
QPushButton:hover { background: {hover_fill}; {hover_border} }
QPushButton:pressed, QPushButton:checked { background: {pressed}; {pressed_border} }
QPushButton:disabled { color: {disabled_button_text}; background: {disabled_button}; {disabled_border} }
QTabWidget::pane {
  background: {window}; {pane_border} border-radius: {pane_radius}px; top: -{bw}px;
}
QTabBar::tab {
  color: {button_text}; background: {tab_fill}; {tab_border}
  border-top-left-radius: {radius}px; border-top-right-radius: {radius}px;
  padding: {tab_pad_v}px {tab_pad_h}px; margin-right: 1px;
}
QTabBar::tab:!selected { margin-top: 2px; }
QTabBar::tab:hover:!selected { background: {hover}; }
QTabBar::tab:selected { color: {window_text}; background: {window}; border-bottom-color: {window}; {tab_selected} }
QTabBar::tab:disabled { color: {disabled_button_text}; }
QGroupBox {
  border: {group_border}; border-radius: {radius}px; margin-top: 0.75em; padding-top: 0.25em;
}
QGroupBox::title {
  subcontrol-origin: margin; subcontrol-position: top left; left: 8px; padding: 0 3px; color: {header};
}
QGroupBox::title:disabled { color: {disabled_window_text}; }
QCheckBox, QRadioButton { color: {window_text}; spacing: 5px; }
QCheckBox:disabled, QRadioButton:disabled { color: {disabled_window_text}; }
QLineEdit, QPlainTextEdit, QTextEdit, QAbstractItemView {
  color: {text}; background: {base}; {edit_border}
  selection-color: {highlighted_text}; selection-background-color: {highlight};
}
QLineEdit { border-radius: {edit_radius}px; padding: 1px 3px; }
QLineEdit:focus, QPlainTextEdit:focus, QTextEdit:focus, QAbstractItemView:focus { {focus_border} }
QLineEdit:disabled, QPlainTextEdit:disabled, QTextEdit:disabled, QAbstractItemView:disabled {
  color: {disabled_text}; background: {disabled_base};
}
QAbstractItemView::item:hover:!selected { background: {hover_base}; color: {text}; }
QAbstractItemView::item:selected { background: {highlight}; color: {highlighted_text}; }
QStatusBar { background: {status_fill}; color: {status_text}; border-top: 1px solid {border}; }
QStatusBar QLabel { color: {status_text}; }
QStatusBar::item { border: none; }
QToolTip {
  color: {tooltip_text}; background-color: {tooltip_base}; border: 1px solid {tooltip_border}; padding: 2px 4px;
}
)";

QString makeStyleSheet(const StyleDefinition& d)
{
    const bool bevel = d.surface == StyleSurface::Bevel;
    const bool glow = d.surface == StyleSurface::Glow;
    const bool underlinedTabs = d.surface == StyleSurface::Flat || glow;
    const QString bw = QString::number(d.borderWidth);
    const QString solid = QStringLiteral("%1px solid %2").arg(bw);
    const DisabledColours disabled = disabledColours(d);
    const QColor& disabledButton = disabled.button;

    QHash<QString, QString> values{
        {QStringLiteral("window"), d.window.name()},
        {QStringLiteral("window_text"), d.windowText.name()},
        {QStringLiteral("base"), d.base.name()},
        {QStringLiteral("text"), d.text.name()},
        {QStringLiteral("button_text"), d.buttonText.name()},
        {QStringLiteral("highlight"), d.highlight.name()},
        {QStringLiteral("highlighted_text"), d.highlightedText.name()},
        {QStringLiteral("border"), d.border.name()},
        {QStringLiteral("header"), d.header.name()},
        {QStringLiteral("hover"), d.hover.name()},
        {QStringLiteral("pressed"), d.pressed.name()},
        {QStringLiteral("tooltip_base"), d.toolTipBase.name()},
        {QStringLiteral("tooltip_text"), d.toolTipText.name()},
        {QStringLiteral("tooltip_border"), mixedColour(d.toolTipText, d.toolTipBase, 0.5).name()},
        {QStringLiteral("status_text"), d.statusText.name()},
        {QStringLiteral("status_fill"), surfaceFill(d.surface, d.statusBar)},
        {QStringLiteral("button_fill"), surfaceFill(d.surface, d.button)},
        {QStringLiteral("tab_fill"), surfaceFill(d.surface, d.button)},
        {QStringLiteral("hover_fill"),
         glow ? QStringLiteral("qradialgradient(cx:0.5, cy:1, radius:1, fx:0.5, fy:1, "
                               "stop:0 %1, stop:1 %2)")
                    .arg(mixedColour(d.hover, d.accent, 0.2).name(), d.hover.name())
              : d.hover.name()},
        {QStringLiteral("disabled_button"), disabledButton.name()},
        {QStringLiteral("disabled_button_text"), disabled.buttonText.name()},
        {QStringLiteral("disabled_window_text"), disabled.windowText.name()},
        {QStringLiteral("disabled_text"), disabled.text.name()},
        {QStringLiteral("disabled_base"), disabled.base.name()},
        {QStringLiteral("hover_base"), mixedColour(d.base, d.highlight, 0.12).name()},
        {QStringLiteral("bw"), bw},
        {QStringLiteral("radius"), QString::number(d.radius)},
        {QStringLiteral("pane_radius"), QString::number(qMin(d.radius, 3))},
        {QStringLiteral("edit_radius"), QString::number(qMin(d.radius, 4))},
        {QStringLiteral("pad_v"), QString::number(d.padding / 2)},
        {QStringLiteral("pad_h"), QString::number(d.padding + 4)},
        {QStringLiteral("tab_pad_v"), QString::number(d.padding / 2 + 1)},
        {QStringLiteral("tab_pad_h"), QString::number(d.padding + 2)},
        {QStringLiteral("min_height"), QString::number(d.padding * 2 + 8)},
    };
    if (bevel) {
        values[QStringLiteral("button_border")] = bevelBorder(d.button, false);
        values[QStringLiteral("hover_border")] = QString();
        values[QStringLiteral("pressed_border")] = bevelBorder(d.button, true);
        values[QStringLiteral("disabled_border")] = bevelBorder(disabledButton, false);
        values[QStringLiteral("group_border")] =
            QStringLiteral("2px groove %1").arg(mixedColour(d.window, Qt::black, 0.2).name());
        values[QStringLiteral("edit_border")] = bevelBorder(d.window, true);
        values[QStringLiteral("focus_border")] = QString();
        values[QStringLiteral("pane_border")] = bevelBorder(d.window, false);
        values[QStringLiteral("tab_border")] = bevelBorder(d.button, false);
    } else {
        values[QStringLiteral("button_border")] = QStringLiteral("border: %1;").arg(solid.arg(d.buttonBorder.name()));
        values[QStringLiteral("hover_border")] = QStringLiteral("border-color: %1;").arg(d.accent.name());
        values[QStringLiteral("pressed_border")] = values[QStringLiteral("hover_border")];
        values[QStringLiteral("disabled_border")] =
            QStringLiteral("border-color: %1;").arg(mixedColour(d.border, d.window, 0.5).name());
        values[QStringLiteral("group_border")] = solid.arg(d.border.name());
        values[QStringLiteral("edit_border")] = QStringLiteral("border: %1;").arg(solid.arg(d.border.name()));
        values[QStringLiteral("focus_border")] = QStringLiteral("border-color: %1;").arg(d.accent.name());
        values[QStringLiteral("pane_border")] = QStringLiteral("border: %1;").arg(solid.arg(d.border.name()));
        values[QStringLiteral("tab_border")] = values[QStringLiteral("pane_border")];
    }
    values[QStringLiteral("tab_selected")] = underlinedTabs
        ? QStringLiteral("border-top: 2px solid %1;").arg(d.accent.name())
        : QString();

    QString sheet = QString::fromUtf8(kTemplate);
    static const QRegularExpression placeholder(QStringLiteral("\\{([a-z_]+)\\}"));
    QString result;
    result.reserve(sheet.size() * 2);
    qsizetype last = 0;
    for (auto it = placeholder.globalMatch(sheet); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        result += QStringView(sheet).mid(last, match.capturedStart() - last);
        result += values.value(match.captured(1));
        last = match.capturedEnd();
    }
    result += QStringView(sheet).mid(last);
    return result;
}

} // namespace

StyleLook makeStyleLook(const StyleDefinition& definition)
{
    StyleLook look;
    look.palette = makePalette(definition);
    look.styleSheet = makeStyleSheet(definition);
    look.cornerRadius = qMin(definition.radius, 3);
    look.indicatorSize = definition.padding >= 8 ? 18 : 14;
    return look;
}

} // namespace erakon
