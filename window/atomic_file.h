#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <optional>

namespace erakon {

// Replaces the file at path with content, whole or not at all: the data goes
// to a temporary file beside it that takes the file's place only once every
// byte is written. permissions, when given, are set on the new file. Returns
// the reason when the file could not be written; the old file is then as it was.
std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& content,
                                           std::optional<QFileDevice::Permissions> permissions = std::nullopt);

} // namespace erakon
