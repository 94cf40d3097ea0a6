// The classic desktop look the window designs were made for: style, palette, font and colours.
#pragma once

#include <QColor>

class QApplication;
class QWidget;

// A colour as the designs write it: 0x800000nn is system colour nn, anything else 0x00BBGGRR.
QColor oleColor(quint32 color);

// Sets the widget's background colour (the text box's, list's or panel's fill).
void setBackColor(QWidget* widget, const QColor& color);

// The classic 3-D widget style and its palette, whatever the desktop's theme.
void applyClassicLook(QApplication& app);

// Applies what the stored designs keep as dynamic properties: "designPointSize" (points at
// 96 pixels per inch), "backColor" and "foreColor" (as colours the designs write them).
void applyDesignLook(QWidget* window);
