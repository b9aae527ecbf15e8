// SPDX-License-Identifier: MIT
#pragma once

#include "settings/text_encoding.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

namespace erakon {

// The whole settings file in memory, for the rewrite at close. Sections the
// program does not know keep their place and their lines.
//
// Loading: each line is trimmed of blanks (codes 0-32); empty lines and lines
// starting with ";" are dropped. "[name]" opens a section (name trimmed); a
// name seen before drops the lines up to the next section line. A line with
// "=" is a key (name right-trimmed, value left-trimmed); other lines stay as
// they are. Lines before the first section are dropped.
//
// Names match without regard to case. Lookups go through hash indexes, so
// files with thousands of sections load and save in linear time.
class IniDocument final {
public:
    // An empty document, written as UTF-8 without a byte-order mark.
    IniDocument() = default;
    static IniDocument fromText(QString text, TextEncoding encoding = TextEncoding::Utf8);
    static IniDocument fromBytes(QByteArrayView bytes);

    TextEncoding encoding() const { return m_encoding; }
    // False when the loaded bytes are in no encoding known for certain
    // (text_decoding.h): writing the document would change them.
    bool encodingRecognised() const { return m_encodingRecognised; }

    // Removes the section's header and lines; an unknown name does nothing.
    void removeSection(QStringView name);
    // Replaces the key's value where it stands, else adds the key at the end of
    // its section, adding the section at the end of the document when needed.
    // Control characters are taken out of key and value, so a value can never
    // open a line, a key or a section of its own; raw bytes become U+FFFD.
    void writeValue(QStringView section, QStringView key, QStringView value);

    // The first value of the key, if the section holds it.
    std::optional<QString> value(QStringView section, QStringView key) const;
    QStringList sectionNames() const;

    // Each section as its header, its lines and an empty line; every line ends with CR LF.
    QString toText() const;
    // toText() in the document's encoding, with its byte-order mark.
    QByteArray toBytes() const;

private:
    // Lines point into the loaded text or into their own written text; both are
    // shared, never changed buffers, so the views survive copies and moves.
    struct Line {
        QStringView key; // a key line's name
        QStringView text; // a key line's value, else the whole line
        bool isKey = false;
        QString written; // backs key and text of a line written by writeValue
    };
    struct Section {
        QString name;
        std::vector<Line> lines;
        // Case-folded key name -> index of its first line; built when first needed.
        QHash<QString, qsizetype> keyIndex;
        bool keyIndexBuilt = false;
        bool removed = false;
    };

    Section* findSection(QStringView name);
    const Section* findSection(QStringView name) const;
    Section& appendSection(QStringView name, const QString& foldedName);
    static const QHash<QString, qsizetype>& keyIndex(Section& section);

    QString m_source; // the loaded text the lines point into
    std::vector<Section> m_sections; // in file order; removed ones stay as tombstones
    QHash<QString, qsizetype> m_sectionIndex; // case-folded name -> index in m_sections
    TextEncoding m_encoding = TextEncoding::Utf8;
    bool m_encodingRecognised = true;
};

} // namespace erakon
