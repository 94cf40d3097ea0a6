// The classic desktop look the window designs were made for: style, palette, font and colours.
#pragma once

#include "colors.h"

#include <QColor>

class QApplication;
class QWidget;

// A colour as the game gives it.
QColor qColorOf(game::OleColor color);

// Sets the widget's background colour (the text box's, list's or panel's fill).
void setBackColor(QWidget* widget, const QColor& color);

// The classic 3-D widget style and its palette, whatever the desktop's theme.
void applyClassicLook(QApplication& app);

// Applies the font sizes that the stored designs keep as the dynamic property
// "designPointSize" (points at 96 pixels per inch).
void applyDesignLook(QWidget* window);

// Gives the main window's controls the colours of its design.
void applyControlColors(QWidget* window);
