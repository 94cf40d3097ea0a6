#include "classiclook.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
#include <QVariant>
#include <QWidget>

namespace {

QColor systemQColor(game::SystemColor number)
{
    return qColorOf(game::systemColor(number));
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

void applyDesignPointSize(QWidget* widget)
{
    const QVariant points = widget->property("designPointSize");
    if (!points.isValid())
        return;
    QFont font = widget->font();
    font.setPixelSize(pixelsForPoints(points.toDouble()));
    widget->setFont(font);
}

} // namespace

QColor qColorOf(game::OleColor color)
{
    const game::Rgb rgb = game::rgbOf(color);
    return QColor(rgb.red, rgb.green, rgb.blue);
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

    using namespace game;
    QPalette palette;
    const auto set = [&palette](QPalette::ColorRole role, SystemColor number) {
        palette.setColor(role, systemQColor(number));
    };
    set(QPalette::Window, ButtonFace);
    set(QPalette::Button, ButtonFace);
    set(QPalette::AlternateBase, ButtonFace);
    set(QPalette::Base, WindowBackground);
    set(QPalette::WindowText, WindowText);
    set(QPalette::Text, WindowText);
    set(QPalette::ButtonText, ButtonText);
    set(QPalette::Light, ButtonHighlight);
    set(QPalette::Midlight, ButtonLight);
    set(QPalette::Dark, ButtonShadow);
    set(QPalette::Shadow, ButtonDarkShadow);
    set(QPalette::Highlight, Highlight);
    set(QPalette::HighlightedText, HighlightText);
    set(QPalette::ToolTipBase, InfoBackground);
    set(QPalette::ToolTipText, InfoText);
    // Between the face and its shadow, as the classic style draws its sunken parts.
    palette.setColor(QPalette::Mid, QColor(160, 160, 160));
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, systemQColor(GrayText));
    app.setPalette(palette);

    // A free font with metrics close to the designs' small sans serif (8.25 points).
    QFont font("Liberation Sans");
    font.setPixelSize(pixelsForPoints(8.25));
    app.setFont(font);
}

void applyDesignLook(QWidget* window)
{
    applyDesignPointSize(window);
    for (QWidget* child : window->findChildren<QWidget*>())
        applyDesignPointSize(child);
}

void applyControlColors(QWidget* window)
{
    for (const game::ControlColors& colors : game::kControlColors) {
        auto* control = window->findChild<QWidget*>(QString::fromUtf8(colors.control));
        setBackColor(control, qColorOf(colors.back));
        setForeColor(control, qColorOf(colors.fore));
    }
}
