// SPDX-License-Identifier: MIT
#pragma once

#include "core/version.h"

#include <QString>

namespace erakon {

// The maker's lines shown in the About dialog and used for the web pages; the
// program's own name and version come from core/version.h.
// Absolute, ending with "/" so that page paths are appended directly.
inline const QString kSiteRoot = QStringLiteral("https://www.harunagi.example/");
inline const QString kDonationPage = QStringLiteral("software/index3.html");
// "Copyright (C) 2026 the Erakon authors. MIT License."
inline const QString kCopyrightLine = QString::fromUtf8(kCopyrightNotice) + QStringLiteral(". ")
    + QString::fromUtf8(kLicenceName) + u'.';
inline const QString kContactAddress = QStringLiteral("erakon@harunagi.example");

} // namespace erakon
