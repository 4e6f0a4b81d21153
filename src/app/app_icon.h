// The program's window icon, drawn at every size the icon is asked for, as the installed
// scalable icon (desktop/sorvella.svg) shows it.
#pragma once

#include <QIcon>

namespace sorvella {

QIcon applicationIcon();

}  // namespace sorvella
