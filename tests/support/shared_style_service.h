// SPDX-License-Identifier: MIT
#pragma once

#include "styles/style_service.h"

namespace erakon {

// The program has one style service, made before anything changes the look;
// the window tests share one in the same way. Never destroyed: it outlives
// the application object.
inline StyleService& sharedStyleService()
{
    static auto* service = new StyleService;
    return *service;
}

} // namespace erakon
