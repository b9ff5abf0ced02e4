#include "DrosselFixture.h"

#include "examples/ExampleProject.h"

#include <QComboBox>

using namespace drossel;
using namespace drossel::test;

using ExampleSheets = DrosselTest;

TEST_F(ExampleSheets, EverySheetPlotsInEitherSpaceAndAfterASwitchToPaperSpace)
{
    const QString folder = QStringLiteral("C:\\Pollent");
    examples::ExampleProject(files, folder).write();
    host->closeDocument(document);
    for (const QString& sheet : examples::ExampleProject::sheets()) {
        const auto drawing = host->openDocument(folder + QLatin1Char('\\') + sheet);
        for (int space : {cad::space::Paper, cad::space::Model}) {
            drawing->setActiveSpace(space);
            EXPECT_EQ(drawing->activeLayout()->styleSheet(), QStringLiteral("monochrome.ctb"))
                << qPrintable(sheet) << " space " << space;
        }
        host->closeDocument(drawing);
    }

    // A sheet switched to its paper layout, as a scale change leaves it.
    document = host->openDocument(folder + QStringLiteral("\\A101.dwg"));
    document->setActiveSpace(cad::space::Paper);
    setUpButton(0, Laser, Letter);
    saveSetting(DrosselSettings::CloseExit, DrosselSettings::False);
    start();
    EXPECT_EQ(control<QComboBox>(*form, "PenStyles").currentText(), QStringLiteral("monochrome.ctb"));
    press(0);
    ASSERT_EQ(host->plotJobs().size(), 1u);
    EXPECT_EQ(host->plotJobs()[0].styleSheet, QStringLiteral("monochrome.ctb"));
}
