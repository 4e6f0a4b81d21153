// The program's file dialog filters ("Caption (*.ext)|*.ext;*.x|...||", pairs of a caption and
// its patterns) as Qt's name filters ("Caption (*.ext *.x)").
#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

namespace sorvella {

// One name filter per pair, in order; the list ends at the first pair with an empty caption
// or empty patterns. A caption that already ends with its own patterns in parentheses is kept
// as it is, any other gets them appended.
QStringList qtNameFilters(std::string_view filter);

// The extension that a name filter's first pattern names ("Fonts (*.sqf *.x)" gives "sqf");
// empty when that pattern is no plain "*.ext" ("*.*", "*", "a*.t?t").
QString nameFilterSuffix(const QString& nameFilter);

}  // namespace sorvella
