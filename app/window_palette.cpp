#include "app/window_palette.h"

#include <QStyleOption>

namespace ritmora {
namespace {

// Halfway: plainly fainter than the enabled text, still readable on every background.
constexpr double kDisabledFade = 0.5;

QColor Mix(const QColor& from, const QColor& to, double share) {
    auto channel = [share](int a, int b) { return static_cast<int>(a + (b - a) * share + 0.5); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

}  // namespace

QColor InkOn(const QColor& background) {
    const int luminance =
        (299 * background.red() + 587 * background.green() + 114 * background.blue()) / 1000;
    return luminance >= 128 ? QColor(Qt::black) : QColor(Qt::white);
}

QPalette BackgroundPalette(const QPalette& base, const QColor& background) {
    QPalette palette = base;
    const QColor ink = InkOn(background);
    palette.setColor(QPalette::Window, background);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, ink);
    }
    palette.setColor(QPalette::Disabled, QPalette::WindowText, Mix(ink, background, kDisabledFade));
    return palette;
}

int FrameTitleStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                               QStyleHintReturn* returnData) const {
    if (hint == SH_GroupBox_TextLabelColor && option != nullptr) {
        return static_cast<int>(option->palette.color(QPalette::WindowText).rgba());
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QRect FrameTitleStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                      SubControl part, const QWidget* widget) const {
    QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
    if (control == CC_GroupBox && part == SC_GroupBoxLabel && rect.left() < kTitleIndent) {
        rect.translate(kTitleIndent - rect.left(), 0);
    }
    return rect;
}

}  // namespace ritmora
