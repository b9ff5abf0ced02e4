// Qt's message and input boxes as the programs show them, on the offscreen
// platform: a box is wide enough for its whole caption, however short its
// text, since the window manager cuts off a caption that does not fit.
#include "platform/files/DriveTable.h"
#include "platform/files/FileSystem.h"
#include "platform/forms/Caption.h"
#include "platform/forms/FilesPathMapper.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/QtInteraction.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>
#include <type_traits>

namespace mb = forms::msgbox;

namespace {

struct Shown {
    int width = 0;
    int needed = 0;
    QString title;
    // Where the box's text begins, from the box's left edge.
    int textLeft = -1;
};

// Once the modal box is up, notes its width and the width its caption needs,
// then leaves it through its first button (or by rejecting it).
template <typename Box>
void measureWhenShown(Shown& shown)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &shown] {
        auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        shown.width = box->width();
        shown.needed = forms::captionWidth(*box);
        shown.title = box->windowTitle();
        if (auto* text = box->template findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
            shown.textLeft = text->mapTo(box, QPoint(0, 0)).x();
        if constexpr (std::is_same_v<Box, QMessageBox>)
            box->buttons().first()->click();
        else
            box->reject();
        poll->deleteLater();
    });
    poll->start();
}

class QtInteractionBoxes : public ::testing::Test {
protected:
    files::DriveTable drives;
    files::FileSystem files{drives};
    forms::FilesPathMapper paths{files};
    forms::QtInteraction ui{QStringLiteral("A Program With A Long Title Of Its Own For Every Box"), paths};
};

}  // namespace

TEST_F(QtInteractionBoxes, AMessageBoxIsWideEnoughForItsCaption)
{
    const QString caption = QStringLiteral("Standard Layers - the caption of a box with a short text");
    for (const int style : {mb::OkOnly, mb::YesNo + mb::Question, mb::Critical}) {
        SCOPED_TRACE(style);
        Shown shown;
        measureWhenShown<QMessageBox>(shown);
        ui.msgBox(QStringLiteral("Done."), style, caption);
        EXPECT_EQ(shown.title, caption);
        EXPECT_GE(shown.width, shown.needed);
        // The room goes to the text: it still begins right after the icon.
        EXPECT_GE(shown.textLeft, 0);
        EXPECT_LT(shown.textLeft, shown.width / 4);
    }
    // The program's title stands in for a missing caption, and fits too.
    Shown shown;
    measureWhenShown<QMessageBox>(shown);
    ui.msgBox(QStringLiteral("Done."));
    EXPECT_EQ(shown.title, QStringLiteral("A Program With A Long Title Of Its Own For Every Box"));
    EXPECT_GE(shown.width, shown.needed);
}

TEST_F(QtInteractionBoxes, AnInputBoxIsWideEnoughForItsCaption)
{
    Shown shown;
    measureWhenShown<QInputDialog>(shown);
    EXPECT_EQ(ui.inputBox(QStringLiteral("Name:"), QStringLiteral("Save the current settings under a new name")),
              QString());
    EXPECT_EQ(shown.title, QStringLiteral("Save the current settings under a new name"));
    EXPECT_GE(shown.width, shown.needed);
    EXPECT_GT(shown.needed, 0);
}
