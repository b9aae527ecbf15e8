// SPDX-License-Identifier: MIT
#include "styles/style_definition.h"
#include "styles/style_colour.h"

#include <QIODevice>
#include <QStringList>

#include <array>
#include <utility>

namespace erakon {

namespace {

struct ColourKey {
    const char* key;
    QColor StyleDefinition::*member;
    bool required;
};

constexpr std::array kColourKeys{
    ColourKey{"window", &StyleDefinition::window, true},
    ColourKey{"window_text", &StyleDefinition::windowText, true},
    ColourKey{"base", &StyleDefinition::base, true},
    ColourKey{"text", &StyleDefinition::text, true},
    ColourKey{"button", &StyleDefinition::button, true},
    ColourKey{"button_text", &StyleDefinition::buttonText, true},
    ColourKey{"highlight", &StyleDefinition::highlight, true},
    ColourKey{"highlighted_text", &StyleDefinition::highlightedText, true},
    ColourKey{"border", &StyleDefinition::border, true},
    ColourKey{"accent", &StyleDefinition::accent, true},
    ColourKey{"header", &StyleDefinition::header, false},
    ColourKey{"tooltip_base", &StyleDefinition::toolTipBase, false},
    ColourKey{"tooltip_text", &StyleDefinition::toolTipText, false},
    ColourKey{"button_border", &StyleDefinition::buttonBorder, false},
    ColourKey{"hover", &StyleDefinition::hover, false},
    ColourKey{"pressed", &StyleDefinition::pressed, false},
    ColourKey{"status_bar", &StyleDefinition::statusBar, false},
    ColourKey{"status_text", &StyleDefinition::statusText, false},
};

struct NumberKey {
    const char* key;
    int StyleDefinition::*member;
    int min;
    int max;
};

constexpr std::array kNumberKeys{
    NumberKey{"radius", &StyleDefinition::radius, 0, 12},
    NumberKey{"border_width", &StyleDefinition::borderWidth, 1, 3},
    NumberKey{"padding", &StyleDefinition::padding, 2, 12},
};

constexpr std::array<std::pair<const char*, StyleSurface>, 5> kSurfaces{{
    {"flat", StyleSurface::Flat},
    {"gradient", StyleSurface::Gradient},
    {"glossy", StyleSurface::Glossy},
    {"glow", StyleSurface::Glow},
    {"bevel", StyleSurface::Bevel},
}};

// Splits "key = value"; false for a line that is neither that, blank nor a comment.
bool splitEntry(const QString& line, QString* key, QString* value)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals <= 0)
        return false;
    *key = line.left(equals).trimmed().toLower();
    *value = line.mid(equals + 1).trimmed();
    return !key->isEmpty();
}

bool setEntry(StyleDefinition& definition, const QString& key, const QString& value, QString* error)
{
    if (key == u"name") {
        definition.name = value;
        return true;
    }
    if (key == u"surface") {
        for (const auto& [text, surface] : kSurfaces) {
            if (value.compare(QLatin1String(text), Qt::CaseInsensitive) == 0) {
                definition.surface = surface;
                return true;
            }
        }
        *error = QStringLiteral("unknown surface '%1'").arg(value);
        return false;
    }
    for (const auto& entry : kNumberKeys) {
        if (key == QLatin1String(entry.key)) {
            bool ok = false;
            const int number = value.toInt(&ok);
            if (!ok || number < entry.min || number > entry.max) {
                *error = QStringLiteral("%1: '%2' is not a number from %3 to %4")
                             .arg(key, value)
                             .arg(entry.min)
                             .arg(entry.max);
                return false;
            }
            definition.*entry.member = number;
            return true;
        }
    }
    for (const auto& entry : kColourKeys) {
        if (key == QLatin1String(entry.key)) {
            const QColor colour = QColor::fromString(value);
            if (!colour.isValid()) {
                *error = QStringLiteral("%1: '%2' is not a colour").arg(key, value);
                return false;
            }
            definition.*entry.member = colour;
            return true;
        }
    }
    *error = QStringLiteral("unknown key '%1'").arg(key);
    return false;
}

void deriveMissingColours(StyleDefinition& d)
{
    const auto fill = [](QColor& colour, const QColor& from) {
        if (!colour.isValid())
            colour = from;
    };
    fill(d.header, d.windowText);
    fill(d.toolTipBase, d.button);
    fill(d.toolTipText, d.buttonText);
    fill(d.buttonBorder, d.border);
    fill(d.hover, mixedColour(d.button, d.accent, 0.18));
    fill(d.pressed, mixedColour(d.button, d.accent, 0.32));
    fill(d.statusBar, d.window);
    fill(d.statusText, d.windowText);
}

} // namespace

std::optional<StyleDefinition> parseStyleDefinition(const QString& text, QString* error)
{
    StyleDefinition definition;
    QString problem;
    int lineNumber = 0;
    for (const QString& rawLine : text.split(u'\n')) {
        ++lineNumber;
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        QString key;
        QString value;
        if (!splitEntry(line, &key, &value)) {
            problem = QStringLiteral("line %1: expected 'key = value'").arg(lineNumber);
            break;
        }
        if (!setEntry(definition, key, value, &problem)) {
            problem = QStringLiteral("line %1: %2").arg(lineNumber).arg(problem);
            break;
        }
    }
    if (problem.isEmpty() && definition.name.isEmpty())
        problem = QStringLiteral("no name");
    if (problem.isEmpty()) {
        for (const auto& entry : kColourKeys) {
            if (entry.required && !(definition.*entry.member).isValid()) {
                problem = QStringLiteral("missing colour '%1'").arg(QLatin1String(entry.key));
                break;
            }
        }
    }
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return std::nullopt;
    }
    deriveMissingColours(definition);
    return definition;
}

QString readStyleName(QIODevice& device)
{
    while (!device.atEnd()) {
        const QString line = QString::fromUtf8(device.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        QString key;
        QString value;
        if (splitEntry(line, &key, &value) && key == u"name")
            return value;
        return {};
    }
    return {};
}

} // namespace erakon
