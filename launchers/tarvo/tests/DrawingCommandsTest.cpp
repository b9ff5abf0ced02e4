#include "TarvoFixture.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Document.h"

namespace tarvo::test {

class DrawingCommandsTest : public TarvoTest {
protected:
    DrawingCommandsTest()
    {
        host = t.startHost();
        t.files().makeFolder(R"(C:\Jobs)");
        t.files().makeFolder(R"(C:\Jobs\Site 12)");
    }

    // A drawing file with one line, for attaching as an external reference.
    void writeDrawing(const QString& path)
    {
        const auto document = host->addDocument();
        document->modelSpace()->addLine({0, 0, 0}, {1, 1, 0});
        document->saveAs(path);
        host->closeDocument(document);
    }

    // The active drawing with the named xrefs and an ordinary block.
    std::shared_ptr<standin::Document> drawingWithXrefs(const QStringList& names)
    {
        for (const QString& name : names)
            writeDrawing(R"(C:\Jobs\)" + name + ".dwg");
        const auto document = host->addDocument();
        document->blocks()->add({0, 0, 0}, "Door")->addLine({0, 0, 0}, {1, 0, 0});
        for (const QString& name : names)
            document->modelSpace()->attachExternalReference(R"(C:\Jobs\)" + name + ".dwg", name, {0, 0, 0}, 1, 1,
                                                            1, 0, false);
        host->journal().clear();
        return document;
    }

    QStringList xrefs(const cad::Document& document) const
    {
        QStringList names;
        for (const auto& block : document.blocks()->items())
            if (block->isXRef())
                names.append(block->name());
        return names;
    }

    std::shared_ptr<standin::Host> host;
};

TEST_F(DrawingCommandsTest, ExploreDrawingPathShowsTheActiveDrawingsFolderWhole)
{
    const auto document = host->addDocument();
    document->saveAs(R"(C:\Jobs\Site 12\Plan, ground.dwg)");
    startWithoutSideBar();

    choose("Explore Drawing Path...");
    EXPECT_EQ(starts(), (QList<shell::ShellCall>{{Kind::StartProgram, R"(explorer.exe /e, C:\Jobs\Site 12)", 1}}));
    EXPECT_TRUE(t.ui().records().size() == 1);  // the menu only
}

TEST_F(DrawingCommandsTest, ExploreDrawingPathWithoutTheHostSaysSoTwice)
{
    t.stopHost();
    startWithoutSideBar();
    choose("Explore Drawing Path...", {"AutoCad Not Running", ""});

    expectBox(R"(\\Path Not Found...)", Critical);
    EXPECT_EQ(t.ui().records()[1].style, Critical);
    EXPECT_TRUE(starts().isEmpty());
}

TEST_F(DrawingCommandsTest, ExploreFavoritesTakesTheSettingAsItIsWithoutTheHost)
{
    t.stopHost();
    startWithoutSideBar();
    choose("Explore Favorites...");
    store(Session::Favorites.name, "");
    choose("Explore Favorites...");
    store(Session::Favorites.name, R"(D:\My Favourites, 2002)");
    choose("Explore Favorites...");

    const QList<shell::ShellCall> expected{
        {Kind::StartProgram, R"(explorer.exe /e, c:\)", 1},
        {Kind::StartProgram, "explorer.exe /e, ", 1},
        {Kind::StartProgram, R"(explorer.exe /e, D:\My Favourites, 2002)", 1},
    };
    EXPECT_EQ(starts(), expected);
    EXPECT_EQ(t.ui().records().size(), 3);  // the three menus, no box
}

TEST_F(DrawingCommandsTest, AFileManagerThatWillNotStartIsAPathNotFound)
{
    startWithoutSideBar();
    t.shell().failOn(Kind::StartProgram, 76);
    choose("Explore Favorites...", {""});
    expectBox(R"(\\Path Not Found...)", Critical);
}

TEST_F(DrawingCommandsTest, BindAllBindsEveryXrefWithItsNameAsPrefix)
{
    const auto document = drawingWithXrefs({"Site", "Grid"});
    startWithoutSideBar();
    choose("Bind All Xrefs...");

    EXPECT_TRUE(xrefs(*document).isEmpty());
    EXPECT_EQ(host->journal().matching("Block.Bind"), (QStringList{"Block.Bind Site True", "Block.Bind Grid True"}));
    EXPECT_EQ(t.ui().records().size(), 1);
}

TEST_F(DrawingCommandsTest, BindAllGoesOnPastAFailingXrefAndNamesItAtTheEnd)
{
    const auto document = drawingWithXrefs({"Site", "Grid", "Roof"});
    startWithoutSideBar();
    host->failures().failNext("Block.Bind", cad::err::ExceptionOccurred, "refused");
    choose("Bind All Xrefs...", {""});

    EXPECT_EQ(xrefs(*document), QStringList{"Site"});
    expectBox("Decription: Xrefs not bound: Site (refused)\r  Location: Mnu_Click", Critical,
              QString::number(cad::err::ExceptionOccurred));
}

TEST_F(DrawingCommandsTest, BindAllOnADrawingWithoutXrefsChangesAndSaysNothing)
{
    drawingWithXrefs({});
    startWithoutSideBar();
    choose("Bind All Xrefs...");
    EXPECT_TRUE(host->journal().matching("Block.Bind").isEmpty());
    EXPECT_EQ(t.ui().records().size(), 1);
}

TEST_F(DrawingCommandsTest, BindAndPurgeWithoutTheHostReportTheMissingObject)
{
    t.stopHost();
    startWithoutSideBar();
    for (const char* command : {"Bind All Xrefs...", "Purge All..."}) {
        choose(command, {"AutoCad Not Running", ""});
        expectBox("Decription: " + runtime::defaultDescription(91) + "\r  Location: Mnu_Click", Critical, "91");
    }
}

TEST_F(DrawingCommandsTest, PurgeAllPurgesTwiceOneSecondApart)
{
    host->addDocument();
    startWithoutSideBar();
    host->journal().clear();
    const qint64 before = t.clock().nowMs();
    choose("Purge All...");

    EXPECT_EQ(host->journal().matching("Document.PurgeAll").size(), 2);
    EXPECT_EQ(t.clock().nowMs() - before, 1000);
    EXPECT_EQ(t.ui().records().size(), 1);
}

TEST_F(DrawingCommandsTest, AFailingPurgeIsReportedAndTheSecondIsNotTried)
{
    host->addDocument();
    startWithoutSideBar();
    host->journal().clear();
    host->failures().failNext("Document.PurgeAll", cad::err::ExceptionOccurred, "busy");
    choose("Purge All...", {""});

    expectBox("Decription: busy\r  Location: Mnu_Click", Critical, QString::number(cad::err::ExceptionOccurred));
    EXPECT_TRUE(host->journal().matching("Document.PurgeAll").size() <= 1);
}

}  // namespace tarvo::test
