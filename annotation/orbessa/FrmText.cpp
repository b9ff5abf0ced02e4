#include "annotation/orbessa/FrmText.h"

#include "annotation/orbessa/Session.h"
#include "annotation/orbessa/TextJustification.h"
#include "annotation/orbessa/Variants.h"
#include "platform/cad/Entity.h"
#include "platform/env/Environment.h"
#include "platform/forms/Caption.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/Named.h"
#include "platform/runtime/EndProgram.h"
#include "shared/AcadProj.h"
#include "shared/SelectionLoop.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orbessa {

namespace {

using forms::named;

const std::array<const char*, 15> TextCaptions = {
    "Left",     "Center",      "Right",         "Aligned",      "Middle",
    "Fit",      "Top Left",    "Top Center",    "Top Right",    "Middle Left",
    "Middle Center", "Middle Right", "Bottom Left", "Bottom Center", "Bottom Right"};
const std::array<const char*, 9> MTextCaptions = {"TopLeft",    "TopCenter",    "TopRight",
                                                  "MiddleLeft", "MiddleCenter", "MiddleRight",
                                                  "BottomLeft", "BottomCenter", "BottomRight"};
const std::array<const char*, 2> AxisCaptions = {"Align X", "Align Y"};
const std::array<const char*, 2> Axes = {"X", "Y"};

template <size_t N>
void makeArray(std::array<QRadioButton*, N>& buttons, const std::array<const char*, N>& captions,
               const QString& name, QWidget* frame)
{
    for (size_t index = 0; index < N; ++index) {
        buttons[index] = new QRadioButton(QString::fromLatin1(captions[index]), frame);
        buttons[index]->setObjectName(name + u'(' + QString::number(index) + u')');
    }
}

template <size_t N>
QGridLayout* grid(const std::array<QRadioButton*, N>& buttons, int columns, QWidget* frame)
{
    auto* layout = new QGridLayout(frame);
    for (size_t index = 0; index < N; ++index)
        layout->addWidget(buttons[index], int(index) / columns, int(index) % columns);
    return layout;
}

}  // namespace

FrmText::FrmText(Session& session, QWidget* parent)
    : forms::Form(*session.env.dispatcher, parent),
      session_(session),
      FrmTextFrame(named(new QGroupBox(QStringLiteral("Text"), this), "FrmText")),
      FrmMtext(named(new QGroupBox(QStringLiteral("MText"), this), "FrmMtext")),
      FrmInsertionPoint(
          named(new QGroupBox(QStringLiteral("Align Insertion Points"), this), "FrmInsertionPoint")),
      CmdInsertion1(named(new QPushButton(QStringLiteral("Pick Text "), FrmInsertionPoint),
                          "CmdInsertion1")),
      CmdInsertion(named(new QPushButton(QStringLiteral("Align Text"), FrmInsertionPoint),
                         "CmdInsertion")),
      CmdSelect(named(new QPushButton(QStringLiteral("Select Text"), this), "CmdSelect")),
      CmdExit(named(new QPushButton(QStringLiteral("Exit"), this), "CmdExit"))
{
    setObjectName(QStringLiteral("FrmText"));
    setCaption(QStringLiteral("Text Alignment"));
    makeArray(Option1, TextCaptions, QStringLiteral("Option1"), FrmTextFrame);
    makeArray(Mtext, MTextCaptions, QStringLiteral("Mtext"), FrmMtext);
    makeArray(OptInsertion, AxisCaptions, QStringLiteral("OptInsertion"), FrmInsertionPoint);
    CmdInsertion->setEnabled(false);
    layOut();
    bind();
}

void FrmText::layOut()
{
    grid(Option1, 3, FrmTextFrame);
    grid(Mtext, 3, FrmMtext);
    auto* align = new QGridLayout(FrmInsertionPoint);
    align->addWidget(OptInsertion[0], 0, 0);
    align->addWidget(OptInsertion[1], 0, 1);
    align->addWidget(CmdInsertion1, 1, 0);
    align->addWidget(CmdInsertion, 1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmdSelect);
    buttons->addWidget(CmdExit);

    auto* window = new QVBoxLayout(this);
    window->addWidget(FrmTextFrame);
    window->addWidget(FrmMtext);
    window->addWidget(FrmInsertionPoint);
    window->addLayout(buttons);
    setMinimumWidth(forms::captionWidth(*this));
}

void FrmText::bind()
{
    forms::Dispatcher& d = dispatcher();
    for (int index = 0; index < int(Option1.size()); ++index)
        connect(Option1[index], &QRadioButton::clicked, this, d.wrap([this, index] { Option1_Click(index); }));
    for (int index = 0; index < int(Mtext.size()); ++index)
        connect(Mtext[index], &QRadioButton::clicked, this, d.wrap([this, index] { Mtext_Click(index); }));
    for (int index = 0; index < int(OptInsertion.size()); ++index)
        connect(OptInsertion[index], &QRadioButton::clicked, this,
                d.wrap([this, index] { OptInsertion_Click(index); }));
    connect(CmdSelect, &QPushButton::clicked, this, d.wrap(this, &FrmText::CmdSelect_Click));
    connect(CmdInsertion1, &QPushButton::clicked, this, d.wrap(this, &FrmText::CmdInsertion1_Click));
    connect(CmdInsertion, &QPushButton::clicked, this, d.wrap(this, &FrmText::CmdInsertion_Click));
    connect(CmdExit, &QPushButton::clicked, this, d.wrap(this, &FrmText::CmdExit_Click));
}

bool FrmText::test() { return suite::acadProj(session_.env, session_.connection, AttachVariant); }

void FrmText::Form_Load() { test(); }

void FrmText::Option1_Click(int index) { session_.TextState = QString::number(index); }

void FrmText::Mtext_Click(int index) { session_.MTextState = QString::number(index + 1); }

void FrmText::OptInsertion_Click(int index) { session_.AlignState = QString::fromLatin1(Axes[size_t(index)]); }

void FrmText::CmdSelect_Click()
{
    suite::SelectionTool tool = selectionTool(true);
    tool.work = [this](cad::Entity& object) {
        if (TextJustification::isText(object)) {
            if (session_.TextState.isEmpty())
                session_.TextState = QStringLiteral("0");
            TextJustification::justify(object, session_.TextState.toInt());
            object.update();
        } else if (TextJustification::isParagraph(object)) {
            if (session_.MTextState.isEmpty())
                session_.MTextState = QStringLiteral("1");
            TextJustification::attach(object, session_.MTextState.toInt());
            object.update();
        }
        return suite::Walk::Next;
    };
    suite::selectOnScreen(*session_.env.ui, session_.connection, this, tool);
}

void FrmText::CmdInsertion1_Click()
{
    suite::SelectionTool tool = selectionTool(false);
    tool.work = [this](cad::Entity& object) {
        if (TextJustification::isText(object) || TextJustification::isParagraph(object)) {
            session_.reference = object.insertionPoint();
            CmdInsertion->setEnabled(true);
            object.update();
        }
        return suite::Walk::Next;
    };
    suite::selectOnScreen(*session_.env.ui, session_.connection, this, tool);
}

void FrmText::CmdInsertion_Click()
{
    suite::SelectionTool tool = selectionTool(false);
    // Without an axis there is nothing to line up on: said before the user
    // picks anything.
    tool.precondition = [this] {
        if (!session_.reference)
            return false;
        if (!session_.AlignState.isEmpty())
            return true;
        session_.env.ui->msgBox(QStringLiteral("Please choose Align X or Align Y first."), forms::msgbox::OkOnly);
        return false;
    };
    tool.work = [this](cad::Entity& object) {
        if (TextJustification::isText(object) || TextJustification::isParagraph(object)) {
            TextJustification::alignTo(object, *session_.reference, session_.AlignState);
            object.update();
        }
        return suite::Walk::Next;
    };
    suite::selectOnScreen(*session_.env.ui, session_.connection, this, tool);
}

void FrmText::CmdExit_Click() { close(); }

void FrmText::Form_Unload(bool&) { runtime::endProgram(); }

}  // namespace orbessa
