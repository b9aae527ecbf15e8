// SPDX-License-Identifier: MIT
#include "desktop/file_properties_window.h"

#include "desktop/file_version.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace erakon {

namespace {

QString permissionsText(QFileDevice::Permissions permissions)
{
    const std::pair<QFileDevice::Permission, char> bits[] = {
        {QFileDevice::ReadOwner, 'r'}, {QFileDevice::WriteOwner, 'w'}, {QFileDevice::ExeOwner, 'x'},
        {QFileDevice::ReadGroup, 'r'}, {QFileDevice::WriteGroup, 'w'}, {QFileDevice::ExeGroup, 'x'},
        {QFileDevice::ReadOther, 'r'}, {QFileDevice::WriteOther, 'w'}, {QFileDevice::ExeOther, 'x'},
    };
    QString text;
    for (const auto& [bit, letter] : bits)
        text += permissions.testFlag(bit) ? QChar(letter) : QChar(u'-');
    return text;
}

QLabel* valueLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

FilePropertiesWindow::FilePropertiesWindow(const QString& path, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FilePropertiesWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QFileInfo file(path);
    setWindowTitle(file.fileName() + QStringLiteral(" のプロパティ"));

    const QLocale locale;
    const auto dateText = [&](const QDateTime& time) {
        return time.isValid() ? locale.toString(time, QLocale::LongFormat) : QStringLiteral("-");
    };

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("名前:"), valueLabel(file.fileName()));
    form->addRow(QStringLiteral("場所:"), valueLabel(file.absolutePath()));
    form->addRow(
        QStringLiteral("サイズ:"),
        valueLabel(
            QStringLiteral("%1 (%2 バイト)").arg(locale.formattedDataSize(file.size()), locale.toString(file.size()))));
    form->addRow(QStringLiteral("作成日時:"), valueLabel(dateText(file.birthTime())));
    form->addRow(QStringLiteral("更新日時:"), valueLabel(dateText(file.lastModified())));
    form->addRow(QStringLiteral("アクセス権:"), valueLabel(permissionsText(file.permissions())));
    const QString version = FileVersionText(path);
    form->addRow(QStringLiteral("バージョン:"), valueLabel(version.isEmpty() ? QStringLiteral("-") : version));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

} // namespace erakon
