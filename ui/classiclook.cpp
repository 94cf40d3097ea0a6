// The classic desktop look the window designs were made for: style, palette, font and colours.
#include "classiclook.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
#include <QVariant>
#include <QWidget>

namespace {

// The classic desktop scheme's system colours, by number.
QColor systemColor(int number)
{
    switch (number) {
    case 1: return QColor(0, 128, 128);     // desktop
    case 5: return QColor(255, 255, 255);   // window background
    case 6: return QColor(0, 0, 0);         // window frame
    case 8: return QColor(0, 0, 0);         // window text
    case 10: return QColor(192, 192, 192);  // active border
    case 12: return QColor(128, 128, 128);  // application workspace
    case 15: return QColor(192, 192, 192);  // button face
    default: return QColor(0, 0, 0);
    }
}

// Design sizes are points at 96 pixels per inch; the window's geometry is in those pixels too,
// so the text is set in pixels and scales with the window.
int pixelsForPoints(double points)
{
    return qRound(points * 96.0 / 72.0);
}

void setForeColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, color);
    widget->setPalette(palette);
}

void applyDesignProperties(QWidget* widget)
{
    const QVariant points = widget->property("designPointSize");
    if (points.isValid()) {
        QFont font = widget->font();
        font.setPixelSize(pixelsForPoints(points.toDouble()));
        widget->setFont(font);
    }
    const QVariant back = widget->property("backColor");
    if (back.isValid())
        setBackColor(widget, oleColor(back.toString().toUInt(nullptr, 16)));
    const QVariant fore = widget->property("foreColor");
    if (fore.isValid())
        setForeColor(widget, oleColor(fore.toString().toUInt(nullptr, 16)));
}

} // namespace

QColor oleColor(quint32 color)
{
    if (color & 0x80000000u)
        return systemColor(int(color & 0xffu));
    return QColor(int(color & 0xffu), int((color >> 8) & 0xffu), int((color >> 16) & 0xffu));
}

void setBackColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    for (auto role : {QPalette::Base, QPalette::Window, QPalette::Button})
        palette.setColor(role, color);
    widget->setPalette(palette);
}

void applyClassicLook(QApplication& app)
{
    app.setStyle(QStyleFactory::create("Windows"));

    QPalette palette;
    const QColor face(192, 192, 192);
    palette.setColor(QPalette::Window, face);
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, face);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Midlight, QColor(223, 223, 223));
    palette.setColor(QPalette::Mid, QColor(160, 160, 160));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    app.setPalette(palette);

    // A free font with metrics close to the designs' small sans serif (8.25 points).
    QFont font("Liberation Sans");
    font.setPixelSize(pixelsForPoints(8.25));
    app.setFont(font);
}

void applyDesignLook(QWidget* window)
{
    applyDesignProperties(window);
    for (QWidget* child : window->findChildren<QWidget*>())
        applyDesignProperties(child);
}
