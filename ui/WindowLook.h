// What every window of the program shares: the icon, the fixed frame without minimise and maximise buttons,
// fractional point sizes, and opening in the middle of the screen.
#pragma once

#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QString>

class QLabel;
class QWidget;

// The program icon in all the sizes it is drawn in.
QIcon ProgramIcon();

// Registers the narrow stand-ins for the forms' Verdana where it is missing. Each form calls it before its
// controls are set up, so that no font is resolved before the stand-ins are known.
void PreferNarrowStandIns();

// The face the chart wheel and the reading card are drawn in, at `pixelSize`: Arial, which every Windows has,
// or where it is missing its metric twin Liberation Sans, so that the labels take the same room on Linux as on
// Windows; the sign glyphs, which neither has, come from Segoe UI Symbol on Windows and DejaVu Sans elsewhere.
QFont DrawingFont(int pixelSize, bool bold = false);

// Gives `window` the shared look: the program's title, title-bar buttons, icon, fonts at the fractional point
// sizes recorded in the form (dynamic property "fontPointSize"), a fixed size and a place in the middle of
// its screen. In a language other than English the form grows to fit its longer texts.
void PrepareWindow(QWidget *window);

// `palette` with every colour of every group set, so that no container's palette changes any of them.
QPalette CompletePalette(QPalette palette);

// Gives every control of `window` that has a palette of its own the program's shared copy of that palette, so
// that a window made again draws with the palettes the last one drew with. Call it once the form is set up.
void ShareControlPalettes(QWidget *window);

// Gives a label the width of its text; a centred label keeps its centre, any other its left edge.
void SizeLabelToText(QLabel *label);

// Moves `window` to the middle of the available area of its screen.
void CentreOnScreen(QWidget *window);

// The program's name and version as every window's title shows it.
QString ProgramTitleText();

// The red advert for the maker's discussion board, naming its address.
QString BoardAdvertText();
