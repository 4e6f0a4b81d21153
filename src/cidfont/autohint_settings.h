// The autohinter's parameters as the options record holds them.
#pragma once

#include "cidfont/settings.h"
#include "outline/autohint_parameters.h"

namespace sorvella {

AutohintParameters autohintParameters(const Options& options);

}  // namespace sorvella
