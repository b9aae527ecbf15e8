// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace erakon {

// The program's own small properties window for a file, shown when no file
// manager offers its properties sheet: name, folder, size, dates,
// permissions and version. Deletes itself when closed.
class FilePropertiesWindow final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FilePropertiesWindow)

public:
    explicit FilePropertiesWindow(const QString& path, QWidget* parent = nullptr);
};

} // namespace erakon
