#include "launchers/fly/FrmFly.h"

#include "launchers/fly/FrmSettings.h"
#include "launchers/fly/SlideRule.h"
#include "platform/env/Environment.h"
#include "platform/forms/ClickLabel.h"
#include "platform/forms/Desktop.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/WindowPlacement.h"
#include "platform/forms/Timer.h"
#include "platform/forms/TopMost.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/PassOver.h"
#include "platform/shell/Shell.h"

#include <QPalette>
#include <QToolButton>

namespace fly {

namespace {

constexpr int TimerInterval = 1;
constexpr int ButtonSize = 495;
constexpr int ButtonPitch = 480;
constexpr int IconPixels = 32;
const QColor SettingsColour(0x00, 0x00, 0xFF);
const QColor ExitColour(0xFF, 0x00, 0x00);

std::array<QToolButton*, Session::ButtonCount> pictureBoxes(QWidget* form)
{
    std::array<QToolButton*, Session::ButtonCount> boxes{};
    for (int index = 0; index < Session::ButtonCount; ++index) {
        boxes[size_t(index)] = new QToolButton(form);
        boxes[size_t(index)]->setObjectName(QStringLiteral("Pic(%1)").arg(index));
    }
    return boxes;
}

void colour(QWidget* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

}  // namespace

FrmFly::FrmFly(Session& session, QWidget* parent)
    : forms::Form(*session.env.dispatcher, parent),
      session_(session),
      Pic(pictureBoxes(this)),
      LblSettings(new forms::ClickLabel(QStringLiteral("Opt"), this)),
      LblExit(new forms::ClickLabel(QStringLiteral("Exit"), this)),
      Timer1(new forms::Timer(dispatcher(), this)),
      settings_(new FrmSettings(session, *this, this))
{
    setObjectName(QStringLiteral("FrmFly"));
    setCaption(QStringLiteral("fly"));
    // Borderless, and no task-bar entry: the strip is all there is of it.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    LblSettings->setObjectName(QStringLiteral("LblSettings"));
    LblExit->setObjectName(QStringLiteral("LblExit"));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setEnabled(false);
    Timer1->setInterval(TimerInterval);
    layOut();
    bindEvents();
}

// The strip's geometry is what the slide rule works on, so it stays in twips.
void FrmFly::layOut()
{
    setTwipsSize(StripWidth, StripHeight);
    for (int index = 0; index < Session::ButtonCount; ++index) {
        QToolButton* picture = Pic[size_t(index)];
        forms::placeTwips(picture, 0, ButtonPitch * index, ButtonSize, ButtonSize);
        picture->setAutoRaise(true);
        picture->setIconSize(QSize(IconPixels, IconPixels));
        picture->setToolTip(QStringLiteral("Click"));
    }
    forms::placeTwips(LblSettings, 120, 4920, 375, 255);
    forms::placeTwips(LblExit, 120, 5280, 615, 255);
}

void FrmFly::bindEvents()
{
    forms::Dispatcher& d = dispatcher();
    for (int index = 0; index < Session::ButtonCount; ++index)
        connect(Pic[size_t(index)], &QToolButton::clicked, this, d.wrap([this, index] { Pic_Click(index); }));
    connect(LblSettings, &forms::ClickLabel::clicked, this, d.wrap(this, &FrmFly::LblSettings_Click));
    connect(LblExit, &forms::ClickLabel::clicked, this, d.wrap(this, &FrmFly::LblExit_Click));
    Timer1->setHandler([this] { Timer1_Timer(); });
}

int FrmFly::screenWidth() const
{
    return session_.env.desktop->screenSize().width() * SlideRule::TwipsPerPixel;
}

void FrmFly::place(int left, int top)
{
    const QPoint wanted(forms::twipsToPixels(left), forms::twipsToPixels(top));
    // Most ticks leave the strip where it is; a move then would only flicker.
    if (pos() != wanted)
        move(wanted);
}

void FrmFly::Form_Load()
{
    suite::runProcedure(session_.MdlError.at(QStringLiteral("FrmFly_Load")), [&](suite::StepRunner& step) {
        step([&] {
            colour(LblSettings, SettingsColour);
            colour(LblExit, ExitColour);
        });
        // One pixel of the strip stays on screen.
        step([&] { place(screenWidth() - SlideRule::TwipsPerPixel, SlideRule::BandTop); });
        step([&] { GetIcons(); });
    });
    Timer1->setEnabled(true);
}

void FrmFly::GetIcons()
{
    suite::runProcedure(session_.MdlError.at(QStringLiteral("GetIcons")), [&](suite::StepRunner& step) {
        for (int index = 0; index < Session::ButtonCount; ++index) {
            QString path;
            step([&] { path = session_.programPath(index); });
            step([&] { DrawProgramIcon(Pic[size_t(index)], path, index); });
        }
    });
}

void FrmFly::DrawProgramIcon(QToolButton* picture, const QString& path, int index)
{
    Pic[size_t(index)]->setToolTip(path);
    picture->setIcon(QIcon());
    // A program without an icon, or none at all, leaves the button blank.
    runtime::passOver([&] { picture->setIcon(session_.env.shell->programIcon(path)); });
}

void FrmFly::Pic_Click(int index)
{
    suite::runProcedure(session_.MdlError.at(QStringLiteral("Pic_Click")), [&](suite::StepRunner& step) {
        step([&] {
            session_.env.shell->startProgram(Pic[size_t(index)]->toolTip(), shell::WindowStyle::NormalFocus);
        });
    });
}

void FrmFly::LblSettings_Click()
{
    forms::showInFront(settings_);
}

// At once: an open settings window goes without saving.
void FrmFly::LblExit_Click() { runtime::endProgram(); }

void FrmFly::Timer1_Timer()
{
    // A tick that fails is passed over; the next one tries again.
    runtime::passOver([&] {
        const SlideRule::Strip strip{pos().x() * SlideRule::TwipsPerPixel, pos().y() * SlideRule::TwipsPerPixel,
                                     width() * SlideRule::TwipsPerPixel, width() * SlideRule::TwipsPerPixel,
                                     height() * SlideRule::TwipsPerPixel};
        const SlideRule::Placement placement = SlideRule::tick(
            session_.env.desktop->pointerPosition(), session_.env.desktop->screenSize(), strip);
        place(placement.left, placement.top);
        if (placement.topMost)
            forms::setTopMost(this);
    });
}

}  // namespace fly
