#pragma once
// The colours of the window on the user's background colour. One palette, set on the drawing
// area and inherited by every control on it, gives each text that stands on the background a
// colour that reads on it (dark on light, light on dark) and a disabled colour derived from that
// same pair, so that every greyed control looks alike whatever the background.
#include <QColor>
#include <QPalette>
#include <QProxyStyle>

namespace ritmora {

// Black on a light background, white on a dark one.
QColor InkOn(const QColor& background);

// `base` (the application's palette) with `background` as the window colour, the ink that reads
// on it as the text of labels, options and frame titles, and that ink faded halfway towards the
// background for their disabled look. Buttons, boxes and lists keep their own colours.
QPalette BackgroundPalette(const QPalette& base, const QColor& background);

// A frame's title is drawn in the frame's window text colour, like every other text that
// stands on the background (styles take it from the colour of text in boxes otherwise), and a
// little in from the frame's left edge, clear of a picture that reaches just over that edge
// (the metronome grid).
class FrameTitleStyle : public QProxyStyle {
  public:
    static constexpr int kTitleIndent = 6;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget = nullptr) const override;
};

}  // namespace ritmora
