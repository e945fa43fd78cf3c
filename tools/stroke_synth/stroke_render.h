// Renders one stroke from its recipe as floating-point samples (not yet normalised).
#pragma once

#include <vector>

#include "tools/stroke_synth/stroke_recipe.h"

namespace ritmora::strokes {

constexpr double kRateHz = 44100.0;

std::vector<double> render_stroke(const StrokeRecipe& recipe);

}  // namespace ritmora::strokes
