#pragma once
// The two modes of the window: the plan mode raises the plan panels from below the bottom edge
// and hides the notation behind the usul reference table; the usul mode lowers them again and
// shows the editor's usul, which the plan mode never changed. Also the help panel with the
// worked example.
#include <QPointer>
#include <QWidget>
#include <vector>

namespace ritmora {

class ArayüzKalıp;
class PlanPanel;

class RehearsalView {
  public:
    // The panels rise 33 steps of 5 pixels, one step every 25 ms.
    static constexpr int kSlideSteps = 33;
    static constexpr int kSlideStepPixels = 5;
    static constexpr int kSlideStepDelayMs = 25;

    RehearsalView(ArayüzKalıp& window, PlanPanel& panel) : window_(window), panel_(panel) {}

    void EnterPlanMode();   // Option4 chosen
    void LeavePlanMode();   // Option2 or Option3 chosen
    void Command2_Click();  // show the help panel
    void Image3_Click();    // close it

    // Top edge of Frame5 while the panels wait below the drawing area.
    int LoweredTop() const;
    bool IsRaised() const;
    // True while the plan mode is being entered: the first plan opens without a message.
    bool IsEntering() const { return entering_; }
    // Tests shorten the slide; the window keeps the default.
    void SetSlideStepDelayMs(int ms) { stepDelayMs_ = ms; }

  private:
    void Slide(int direction);  // -1 up, +1 down
    // The band's controls that stand under the panels go while the panels cover the band (their
    // edges would show beside the panels) and come back when the panels go down.
    void CoverBand();

    ArayüzKalıp& window_;
    PlanPanel& panel_;
    int stepDelayMs_ = kSlideStepDelayMs;
    bool sliding_ = false;
    bool entering_ = false;
    std::vector<QPointer<QWidget>> coveredBand_;
};

}  // namespace ritmora
