#pragma once
// The palette: a borderless strip of ten program buttons that waits beyond
// the right screen edge and slides in while the pointer is at that edge or
// over it. Each button shows its program's icon and starts it; "Opt" opens the
// button settings and "Exit" ends the palette. The button's tooltip is the
// one record of the program it starts.

#include "launchers/fly/Session.h"
#include "platform/forms/Form.h"

#include <array>

class QToolButton;

namespace forms { class ClickLabel; class Timer; }

namespace fly {

class FrmSettings;

class FrmFly : public forms::Form {
public:
    // The strip's size in twips.
    static constexpr int StripWidth = 600;
    static constexpr int StripHeight = 5565;

    explicit FrmFly(Session& session, QWidget* parent = nullptr);

    // Handlers, entered through the dispatcher.
    void Form_Load() override;
    void Pic_Click(int index);
    void LblSettings_Click();
    void LblExit_Click();
    void Timer1_Timer();

    // Reads the ten settings and draws the ten buttons; the settings window
    // calls it when it closes.
    void GetIcons();
    void DrawProgramIcon(QToolButton* picture, const QString& path, int index);

private:
    void layOut();
    void bindEvents();
    // Left and Top in twips, the palette's fixed 15 to the pixel.
    void place(int left, int top);
    int screenWidth() const;

    Session& session_;
    std::array<QToolButton*, Session::ButtonCount> Pic;
    forms::ClickLabel* const LblSettings;
    forms::ClickLabel* const LblExit;
    forms::Timer* const Timer1;
    // A window of its own, kept with the palette.
    FrmSettings* const settings_;
};

}  // namespace fly
