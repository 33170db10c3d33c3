// What one piece of a column rule yields; the numbers are those the rules' choices map onto.
#pragma once

enum class ComponentKind { None = 0, Fixed = 1, Serial = 2, QsoData = 3 };
