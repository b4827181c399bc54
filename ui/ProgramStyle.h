// The style every window of the program is drawn in.
#pragma once

class QStyle;

// Fusion, drawing exactly as Fusion does. Only the menu bar's overflow arrow (shown when a menu bar is too
// narrow for its menus) is read from its picture when first drawn instead of when the menu bar is made: Qt
// reads that picture asking every image plug-in installed whether it can, which would load all of them, and
// Qt Svg with them, before the first window.
QStyle *MakeProgramStyle();
