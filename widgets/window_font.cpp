// SPDX-License-Identifier: MIT
#include "widgets/window_font.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QVariant>
#include <QWidget>

namespace erakon {
namespace {

// A family the system lacks is not free to name: Qt searches fontconfig's
// fallbacks for it once per script of the text shown, several milliseconds at
// start. "Meiryo UI" is named only where it is installed; the fonts drawn are
// the same either way.
QStringList programFamilies()
{
    const QString meiryo = QStringLiteral("Meiryo UI");
    const QString noto = QStringLiteral("Noto Sans CJK JP");
    if (!QGuiApplication::instance())
        return {meiryo, noto};
    static const bool hasMeiryo = QFontDatabase::families().contains(meiryo, Qt::CaseInsensitive);
    return hasMeiryo ? QStringList{meiryo, noto} : QStringList{noto};
}

constexpr char kOwnFont[] = "erakonOwnFont";

// The widget and every control inside it, parents before children; windows
// inside it (menus, dialogs) keep to themselves.
template <typename Visit>
void forEachControl(QWidget* widget, const Visit& visit)
{
    visit(widget);
    for (QObject* child : widget->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control && !control->isWindow())
            forEachControl(control, visit);
    }
}

QFont ownFont(const QWidget* control)
{
    const QVariant recorded = control->property(kOwnFont);
    return recorded.isValid() ? recorded.value<QFont>() : control->font();
}

// Set in full, the font owes nothing to the parent's or the application's.
void setOwnFont(QWidget* control, QFont font)
{
    font.setResolveMask(QFont::AllPropertiesResolved);
    control->setProperty(kOwnFont, font);
    control->setFont(font);
}

} // namespace

QFont windowFont(int pixelSize)
{
    QFont font;
    font.setFamilies(programFamilies());
    font.setPixelSize(pixelSize);
    return font;
}

void keepFonts(QWidget* window)
{
    forEachControl(window, [](QWidget* control) { setOwnFont(control, control->font()); });
}

void keepFontsOfPart(QWidget* part)
{
    const auto keep = [](const auto& self, QWidget* control, const QFont& inherited) -> void {
        const QFont own = control->font().resolve(inherited);
        setOwnFont(control, own);
        for (QObject* child : control->children()) {
            auto* inner = qobject_cast<QWidget*>(child);
            if (inner && !inner->isWindow())
                self(self, inner, own);
        }
    };
    QWidget* parent = part->parentWidget();
    keep(keep, part, parent ? ownFont(parent) : part->font());
}

void restoreFonts(QWidget* window)
{
    forEachControl(window, [](QWidget* control) {
        const QVariant recorded = control->property(kOwnFont);
        if (recorded.isValid())
            control->setFont(recorded.value<QFont>());
    });
}

void setBold(QWidget* widget, bool bold)
{
    // The controls inside change with the widget, so the widget tells for all.
    if (widget->font().bold() == bold)
        return;
    forEachControl(widget, [bold](QWidget* control) {
        QFont font = ownFont(control);
        font.setBold(bold);
        setOwnFont(control, font);
    });
}

} // namespace erakon
