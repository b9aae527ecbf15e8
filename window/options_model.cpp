// SPDX-License-Identifier: MIT
#include "window/options_model.h"

#include <QtGlobal>

#include <cstdlib>

namespace erakon {

OptionsModel::OptionsModel(const OptionSettings& initial, QObject* parent)
    : QObject(parent)
    , m_values(initial)
{
    setObjectName(QStringLiteral("options"));
}

void OptionsModel::load(const OptionSettings& loaded)
{
    for (const OptionKey key : kOptionReadOrder)
        std::visit([&](auto field) { set(field, loaded.*field); }, optionEntry(key).field);
}

void OptionsModel::stopAtFieldWithoutRow()
{
    qFatal("OptionsModel: a field of OptionSettings has no row in kOptionTable");
    std::abort(); // qFatal does not return; said again for the compiler
}

} // namespace erakon
