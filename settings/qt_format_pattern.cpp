// SPDX-License-Identifier: MIT
#include "settings/qt_format_pattern.h"

#include <QList>

#include <algorithm>

namespace erakon {

namespace {

// One piece of a QLocale format: a field (letter and run length, "AP" as
// letter 'A') or literal text.
struct QtToken {
    char letter = 0; // 0 for literal text
    int count = 0;
    QString literal;
};

bool isAsciiLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

void appendLiteral(QList<QtToken>& tokens, const QString& text)
{
    if (!tokens.isEmpty() && tokens.back().letter == 0)
        tokens.back().literal += text;
    else
        tokens.append(QtToken{0, 0, text});
}

// Qt's rules: text in single quotes is literal, '' is one quote, an ASCII
// letter starts a field, anything else is literal.
QList<QtToken> tokenize(const QString& format)
{
    QList<QtToken> tokens;
    const qsizetype size = format.size();
    qsizetype i = 0;
    while (i < size) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            if (i + 1 < size && format.at(i + 1) == u'\'') {
                appendLiteral(tokens, QStringLiteral("'"));
                i += 2;
                continue;
            }
            QString text;
            ++i;
            while (i < size) {
                if (format.at(i) == u'\'') {
                    if (i + 1 < size && format.at(i + 1) == u'\'') {
                        text += u'\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += format.at(i++);
            }
            appendLiteral(tokens, text);
        } else if (isAsciiLetter(c)) {
            if ((c == u'a' || c == u'A') && i + 1 < size && (format.at(i + 1) == u'p' || format.at(i + 1) == u'P')) {
                tokens.append(QtToken{'A', 1, {}});
                i += 2;
                continue;
            }
            qsizetype end = i + 1;
            while (end < size && format.at(end) == c)
                ++end;
            tokens.append(QtToken{char(c.unicode()), int(end - i), {}});
            i = end;
        } else {
            appendLiteral(tokens, QString(c));
            ++i;
        }
    }
    return tokens;
}

// Literal text for the pattern language: quoted when it holds characters the
// formatter would read as letters, quotes or separators.
std::string quoted(const QString& text)
{
    const bool plain = std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        return isAsciiLetter(c) || c == u'"' || c == u'\'' || c == u':' || c == u'/';
    });
    if (plain)
        return text.toStdString();
    std::string out;
    const auto appendQuoted = [&out](const QString& piece, char quote) {
        out += quote;
        out += piece.toStdString();
        out += quote;
    };
    if (!text.contains(u'"')) {
        appendQuoted(text, '"');
    } else if (!text.contains(u'\'')) {
        appendQuoted(text, '\'');
    } else {
        for (const QChar c : text)
            appendQuoted(QString(c), c == u'"' ? '\'' : '"');
    }
    return out;
}

std::string repeated(char letter, int count) { return std::string(std::size_t(count), letter); }

bool hasLetter(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); });
}

} // namespace

QString separatorFromQt(const QString& qtFormat, const QString& fallback)
{
    const QList<QtToken> tokens = tokenize(qtFormat);
    for (qsizetype i = 1; i + 1 < tokens.size(); ++i) {
        if (tokens[i].letter != 0 || tokens[i - 1].letter == 0 || tokens[i + 1].letter == 0)
            continue;
        QString text = tokens[i].literal.trimmed();
        if (text.size() == 1 && !text.at(0).isLetter())
            return text;
        return fallback;
    }
    return fallback;
}

std::string datePatternFromQt(const QString& qtFormat, const QString& dateSeparator)
{
    std::string pattern;
    for (const QtToken& token : tokenize(qtFormat)) {
        switch (token.letter) {
        case 0: pattern += token.literal == dateSeparator ? std::string("/") : quoted(token.literal); break;
        case 'd':
            // Qt's ddd and dddd are day names, which this language writes with a.
            pattern += token.count <= 2 ? repeated('d', token.count) : repeated('a', std::min(token.count, 4));
            break;
        case 'M': pattern += repeated('m', std::min(token.count, 4)); break;
        case 'y': pattern += token.count == 2 ? "yy" : "yyyy"; break;
        default:
            // Qt writes letters it does not know as they are.
            pattern += quoted(QString(QChar(token.letter)).repeated(token.count));
            break;
        }
    }
    return pattern;
}

std::string timePatternFromQt(const QString& qtFormat, const QString& timeSeparator)
{
    struct Kept {
        std::string letters;
        bool isNumber;
        QString before; // literal text since the previous kept field
    };
    QList<Kept> kept;
    QString pending;
    for (const QtToken& token : tokenize(qtFormat)) {
        switch (token.letter) {
        case 0: pending += token.literal; continue;
        case 'h':
        case 'H': kept.append({repeated('h', std::min(token.count, 2)), true, pending}); break;
        case 'm': kept.append({repeated('n', std::min(token.count, 2)), true, pending}); break;
        case 's': kept.append({repeated('s', std::min(token.count, 2)), true, pending}); break;
        case 'A':
        case 'a': kept.append({"ampm", false, pending}); break;
        default:
            // The zone, milliseconds and anything unknown are left out, with
            // the literal text that led to them.
            break;
        }
        pending.clear();
    }

    std::string pattern;
    for (qsizetype i = 0; i < kept.size(); ++i) {
        if (i > 0) {
            const QString& between = kept[i].before;
            const bool bothNumbers = kept[i - 1].isNumber && kept[i].isNumber;
            if (bothNumbers && (between.isEmpty() || hasLetter(between)))
                pattern += ':';
            else if (hasLetter(between))
                pattern += ' ';
            else if (between == timeSeparator)
                pattern += ':';
            else
                pattern += quoted(between);
        }
        pattern += kept[i].letters;
    }
    return pattern;
}

} // namespace erakon
