// The run window as the run's log: lines of any length stay readable, the log
// follows the run a few times a second, and its button returns to the main
// window.
#include "PollentFixture.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace pollent::test {
namespace {

class RunWindowTest : public PollentTest {
protected:
    RunWindowTest()
    {
        load();
        form->frmCancel().showRunWindow();
        QApplication::processEvents();
    }

    RunLog& sink() { return form->frmCancel(); }

    // Whether the row lies within the list's visible area, wholly.
    bool rowShown(int row) const
    {
        QListWidget& list = logList();
        return list.viewport()->rect().contains(list.visualItemRect(list.item(row)));
    }
};

TEST_F(RunWindowTest, ALongLineStaysWhole)
{
    const QString error = QStringLiteral("Error...          Insert Block C:\\Pollent\\Standard Blocks\\North Arrow And "
                                         "Stamp.dwg Failed = C:\\Pollent\\Issued\\A101.dwg    Exception occurred.: "
                                         "cannot find the drawing: C:\\Pollent\\Standard Blocks\\North Arrow And Stamp.dwg");
    sink().addLine(QStringLiteral("Opened = C:\\Pollent\\A101.dwg        Successful..."));
    sink().addLine(error);
    // Shorter lines after it: the long one must not be cut to their width.
    sink().addLine(QString());
    sink().addLine(QStringLiteral("Opened = C:\\Pollent\\A102.dwg        Successful..."));
    sink().drawingDone();
    QApplication::processEvents();

    QListWidget& list = logList();
    const int needed = list.fontMetrics().horizontalAdvance(error);
    EXPECT_GE(list.visualItemRect(list.item(1)).width(), needed);
    EXPECT_GE(list.horizontalScrollBar()->maximum() + list.viewport()->width(), needed);
    // Every row is one line high.
    EXPECT_EQ(list.visualItemRect(list.item(1)).height(), list.visualItemRect(list.item(0)).height());
    EXPECT_EQ(form->frmCancel().lines().size(), 4);
}

TEST_F(RunWindowTest, TheLogLooksAsTheListsOwnDrawingWouldShowIt)
{
    for (const char* line : {"Opened = C:\\Pollent\\A101.dwg        Successful...", "",
                             "Error...          File is Read only", "Purge All =              Successful..."})
        sink().addLine(QString::fromLatin1(line));
    sink().drawingDone();
    QListWidget& list = logList();
    const auto shown = [&] {
        QApplication::processEvents();
        return list.viewport()->grab().toImage();
    };
    const QImage ours = shown();
    QStyledItemDelegate stock;
    QAbstractItemDelegate* own = list.itemDelegate();
    list.setItemDelegate(&stock);
    const QImage plain = shown();
    list.setItemDelegate(own);
    EXPECT_EQ(ours, plain);

    // A line the user picks shows picked, as in the list's own drawing.
    list.setCurrentRow(2);
    const QImage picked = shown();
    list.setItemDelegate(&stock);
    const QImage pickedPlain = shown();
    list.setItemDelegate(own);
    const QRect row = list.visualItemRect(list.item(2));
    const QPoint beyondText(row.right() - 2, row.center().y());
    EXPECT_EQ(picked.pixelColor(beyondText), pickedPlain.pixelColor(beyondText));
    EXPECT_NE(picked.pixelColor(beyondText), ours.pixelColor(beyondText));
    EXPECT_EQ(picked.copy(0, 0, picked.width(), row.top()), plain.copy(0, 0, plain.width(), row.top()));
}

TEST_F(RunWindowTest, TheLogFollowsTheRunAtMostOncePerDrawingAndTenTimesASecond)
{
    QListWidget& list = logList();
    int scrolls = 0;
    QObject::connect(list.verticalScrollBar(), &QScrollBar::valueChanged, [&] { ++scrolls; });
    qint64 caughtUp = t.clock().nowMs();
    for (int drawing = 1; drawing <= 40; ++drawing) {
        for (int line = 0; line < 5; ++line)
            sink().addLine(QStringLiteral("Drawing %1 line %2").arg(drawing).arg(line));
        t.clock().sleepMs(30);  // a drawing's work
        sink().drawingDone();
        QApplication::processEvents();
        if (rowShown(list.count() - 1))
            caughtUp = t.clock().nowMs();
        // The log is never more than a tenth of a second behind the run.
        EXPECT_LT(t.clock().nowMs() - caughtUp, 100) << drawing;
    }
    // 1.2 seconds of drawings: about a dozen moves, not one per drawing.
    EXPECT_GE(scrolls, 7);
    EXPECT_LE(scrolls, 13);
    EXPECT_FALSE(rowShown(0));

    // At the end of the run the whole log is there to read, down to its end.
    sink().addLine(QStringLiteral("Saved Drawing = C:\\Pollent\\A101.dwg           Successful..."));
    form->frmCancel().hideRunWindow();
    form->frmCancel().showFinishedLog();
    QApplication::processEvents();
    EXPECT_TRUE(rowShown(list.count() - 1));
    EXPECT_TRUE(list.updatesEnabled());
    EXPECT_TRUE(list.viewport()->updatesEnabled());

    // The button clears the log, returns to the main window and asks the run
    // to stop.
    cancelButton().click();
    EXPECT_TRUE(form->session().CancelRequested);
    EXPECT_EQ(list.count(), 0);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->frmCancel().isVisible());
}

}  // namespace
}  // namespace pollent::test
