// SPDX-License-Identifier: MIT
#include "desktop/qt_messages.h"

#include "core/version.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace erakon {

namespace {

const QString kTitle = QString::fromUtf8(kApplicationTitle);

QWidget* owner() { return QApplication::activeWindow(); }

Messages::Answer toAnswer(int button)
{
    switch (button) {
    case QMessageBox::Yes: return Messages::Answer::Yes;
    case QMessageBox::No: return Messages::Answer::No;
    default: return Messages::Answer::Cancel;
    }
}

} // namespace

Messages::Answer QtMessages::askYesNo(const QString& text)
{
    // Without Escape a Yes/No box cannot be closed by Esc or its close box.
    QMessageBox box(QMessageBox::Question, kTitle, text, QMessageBox::Yes | QMessageBox::No, owner());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return toAnswer(box.exec());
}

Messages::Answer QtMessages::askYesNoCancel(const QString& text)
{
    QMessageBox box(QMessageBox::Question, kTitle, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    owner());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    return toAnswer(box.exec());
}

void QtMessages::report(const QString& text)
{
    // A plain report has no owner so that it centres on the screen.
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok);
    box.exec();
}

void QtMessages::showError(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, kTitle, text, QMessageBox::Ok, owner());
    box.exec();
}

} // namespace erakon
