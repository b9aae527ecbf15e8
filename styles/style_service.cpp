// SPDX-License-Identifier: MIT
#include "styles/style_service.h"

#include "styles/carried_style.h"
#include "styles/style_definition.h"
#include "styles/style_look.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>

#include <vector>

namespace erakon {

namespace {

struct RegisteredStyle {
    QString name;
    QString path; // empty for the system style
};

QString notFound(const QString& name) { return QStringLiteral("スタイル '%1' が見つかりません").arg(name); }

} // namespace

struct StyleService::Private {
    QString styleFolder;
    std::vector<RegisteredStyle> styles; // [0] is the system style
    std::size_t active = 0;
    bool discovered = false;

    QString systemStyle;
    QPalette systemPalette;
    QString systemStyleSheet;
    QPointer<CarriedStyle> carriedStyle; // owned by the application while in use

    const RegisteredStyle* find(const QString& name) const
    {
        for (const RegisteredStyle& style : styles) {
            if (style.name.compare(name, Qt::CaseInsensitive) == 0)
                return &style;
        }
        return nullptr;
    }

    // Registers every definition in the folder not registered yet. Reads only
    // the name of each; the rest is parsed when the style is applied.
    void discover()
    {
        if (discovered)
            return;
        discovered = true;
        const QDir folder(styleFolder);
        // The suffix is compared here rather than by a name filter: a wildcard
        // filter compiles a regular expression, which at start costs more
        // than the listing itself and brings in the PCRE library.
        const QStringList files = folder.entryList(QDir::Files, QDir::Name);
        for (const QString& file : files) {
            if (!file.endsWith(QStringLiteral(".ini"), Qt::CaseInsensitive))
                continue;
            QFile definition(folder.filePath(file));
            if (!definition.open(QIODevice::ReadOnly))
                continue;
            const QString name = readStyleName(definition);
            if (!name.isEmpty() && !find(name))
                styles.push_back({name, definition.fileName()});
        }
    }

    void applySystemStyle()
    {
        qApp->setStyleSheet(systemStyleSheet);
        if (QStyle* style = QStyleFactory::create(systemStyle))
            QApplication::setStyle(style);
        QApplication::setPalette(systemPalette);
    }

    bool applyCarriedStyle(const RegisteredStyle& style, QString* error)
    {
        QFile file(style.path);
        QString problem;
        std::optional<StyleDefinition> definition;
        if (file.open(QIODevice::ReadOnly))
            definition = parseStyleDefinition(QString::fromUtf8(file.readAll()), &problem);
        else
            problem = file.errorString();
        if (!definition) {
            if (error)
                *error = QStringLiteral("スタイル '%1' を読み込めません: %2").arg(style.name, problem);
            return false;
        }
        const StyleLook look = makeStyleLook(*definition);
        if (!carriedStyle) {
            carriedStyle = new CarriedStyle;
            carriedStyle->setIndicatorShape(look.cornerRadius, look.indicatorSize);
            QApplication::setStyle(carriedStyle);
        } else {
            carriedStyle->setIndicatorShape(look.cornerRadius, look.indicatorSize);
        }
        QApplication::setPalette(look.palette);
        qApp->setStyleSheet(look.styleSheet);
        return true;
    }
};

QString StyleService::systemStyleName() { return QStringLiteral("Windows"); }

StyleService::StyleService(const QString& styleFolder)
    : d(std::make_unique<Private>())
{
    d->styleFolder = styleFolder;
    d->styles.push_back({systemStyleName(), QString()});
    d->systemStyle = QApplication::style()->name();
    if (d->systemStyle.isEmpty())
        d->systemStyle = QStringLiteral("Fusion");
    d->systemPalette = QApplication::palette();
    d->systemStyleSheet = qApp->styleSheet();
}

StyleService::~StyleService() = default;

QStringList StyleService::names()
{
    d->discover();
    QStringList result;
    result.reserve(static_cast<qsizetype>(d->styles.size()));
    for (const RegisteredStyle& style : d->styles)
        result.append(style.name);
    return result;
}

QString StyleService::activeName() const { return d->styles[d->active].name; }

void StyleService::rediscoverStyles() { d->discovered = false; }

bool StyleService::setActiveStyle(const QString& name, QString* error)
{
    d->discover();
    const RegisteredStyle* style = d->find(name);
    if (!style) {
        if (error)
            *error = notFound(name);
        return false;
    }
    const std::size_t index = static_cast<std::size_t>(style - d->styles.data());
    if (index == d->active)
        return true;
    if (index == 0)
        d->applySystemStyle();
    else if (!d->applyCarriedStyle(*style, error))
        return false;
    d->active = index;
    return true;
}

} // namespace erakon
