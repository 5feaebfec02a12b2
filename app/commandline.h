// The program's command line. Without an option it starts, or shows the
// window of the one that runs already; --restore and --launch-host ask the
// running one to do what hot keys 2 and 1 do, for desktops that give the
// program no hot keys of its own but let a person bind a key to a command.
#pragma once

#include <QStringList>
#include <optional>

#include "session/startrequest.h"

namespace sorvanta {

// What the arguments (the program's name left out) ask for; nothing when
// they are not understood.
std::optional<CInstanceRequest> ParseCommandLine(const QStringList& arrArgs);

}  // namespace sorvanta
