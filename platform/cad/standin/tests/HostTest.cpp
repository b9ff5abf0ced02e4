#include "StandinFixture.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/CommandSink.h"
#include "platform/cad/standin/Journal.h"
#include "platform/testing/TestEnvironment.h"

#include <functional>

using namespace standin;
using namespace standin::test;

class HostBehaviour : public StandinTest {};

TEST_F(HostBehaviour, InjectedFailuresHitTheNamedMemberOnly)
{
    writeDrawing(QStringLiteral("C:\\Jobs\\a.dwg"));
    const std::shared_ptr<cad::Document> document = host->addDocument();
    host->failures().failNext(QStringLiteral("Document.Open"), cad::err::ExceptionOccurred);
    host->failures().failNext(QStringLiteral("Document.Open"), 70, QStringLiteral("Locked"));
    EXPECT_EQ(errorOf([&] { document->open(QStringLiteral("C:\\Jobs\\a.dwg")); }), cad::err::ExceptionOccurred);
    try {
        document->open(QStringLiteral("C:\\Jobs\\a.dwg"));
        ADD_FAILURE() << "second injected failure not raised";
    } catch (const runtime::Error& error) {
        EXPECT_EQ(error.number(), 70);
        EXPECT_EQ(error.description(), QStringLiteral("Locked"));
    }
    EXPECT_NO_THROW(document->open(QStringLiteral("C:\\Jobs\\a.dwg")));

    host->failures().failAlways(QStringLiteral("Application.ActiveDocument"), 429);
    EXPECT_EQ(errorOf([&] { host->activeDocument(); }), 429);
    EXPECT_EQ(errorOf([&] { host->activeDocument(); }), 429);
    EXPECT_NO_THROW(host->documents()->count());
    host->failures().clear(QStringLiteral("Application.ActiveDocument"));
    EXPECT_NO_THROW(host->activeDocument());

    host->failures().failAlways(QStringLiteral("Entity.Layer"), cad::err::InvalidInput);
    const auto line = document->modelSpace()->addLine(pt(0, 0), pt(1, 1));
    EXPECT_EQ(errorOf([&] { line->layer(); }), cad::err::InvalidInput);
    host->failures().clear();
    EXPECT_EQ(line->layer(), QStringLiteral("0"));
}

TEST_F(HostBehaviour, JournalKeepsActionsInOrderButNotReads)
{
    const std::shared_ptr<cad::Document> document = host->addDocument();
    document->setVariable(QStringLiteral("SDI"), 1);
    document->layers()->add(QStringLiteral("Walls"));
    document->getVariable(QStringLiteral("SDI"));
    document->layers()->count();
    host->zoomExtents();
    document->saveAs(QStringLiteral("C:\\Jobs\\a.dwg"));
    EXPECT_EQ(host->journal().entries(),
              (QStringList{"Document.SetVariable SDI 1", "Layers.Add Walls", "Application.ZoomExtents",
                           "Document.SaveAs C:\\Jobs\\a.dwg"}));
    EXPECT_EQ(host->journal().matching(QStringLiteral("Layers.")), QStringList{"Layers.Add Walls"});
}

TEST_F(HostBehaviour, BeginCommandReachesSubscribersUntilTheyUnsubscribe)
{
    const std::shared_ptr<cad::Document> document = host->addDocument();
    QStringList heard;
    const int id = host->subscribeBeginCommand([&](const QString& name) { heard.append(name); });
    host->subscribeBeginCommand([](const QString&) { runtime::raise(cad::err::KeyNotFound); });

    host->startCommand(QStringLiteral("LINE"));
    document->sendCommand(QStringLiteral("_.dtext\r"));
    document->sendCommand(QStringLiteral("XREF\r"));
    document->sendCommand(QStringLiteral("(load \"C:/Lisp/a.lsp\")\r"));
    host->unsubscribeBeginCommand(id);
    host->startCommand(QStringLiteral("CIRCLE"));

    EXPECT_EQ(heard, (QStringList{"LINE", "DTEXT", "XREF"}));
    EXPECT_TRUE(host->journal().contains(QStringLiteral("Document.SendCommand (load \"C:/Lisp/a.lsp\")\r")));
}

TEST_F(HostBehaviour, ACommandLineTakesWhatToolsSendAndSeesEveryAction)
{
    struct Recorder : CommandSink {
        void sendCommand(Document& document, const QString& text) override { sent.append(document.nameRaw() + u'|' + text); }
        QStringList sent;
    } commandLine;
    int actions = 0;
    host->context().setCommandSink(&commandLine);
    host->context().setActionObserver([&] { ++actions; });
    const std::shared_ptr<cad::Document> document = host->addDocument();
    QStringList heard;
    host->subscribeBeginCommand([&](const QString& name) { heard.append(name); });

    document->sendCommand(QStringLiteral("LINE 0,0 1,1 \r"));
    document->layers()->item(QStringLiteral("0"))->color();
    document->modelSpace()->addLine(pt(0, 0), pt(1, 1));

    // The command line, not the document, starts what the text names.
    EXPECT_TRUE(heard.isEmpty());
    EXPECT_EQ(commandLine.sent, QStringList{QStringLiteral("Drawing1.dwg|LINE 0,0 1,1 \r")});
    EXPECT_TRUE(host->journal().contains(QStringLiteral("Document.SendCommand LINE 0,0 1,1 \r")));
    // Reads are no actions.
    EXPECT_EQ(actions, 2);
    EXPECT_EQ(Host::commandNameOf(QStringLiteral("_.dtext")), QStringLiteral("DTEXT"));
}

TEST(JournalLimit, KeepsTheLatestEntriesOnly)
{
    Journal journal;
    journal.setLimit(3);
    for (int i = 0; i < 20; ++i)
        journal.record(QString::number(i));
    EXPECT_GE(journal.entries().size(), 3);
    EXPECT_LT(journal.entries().size(), 6);
    EXPECT_EQ(journal.entries().mid(journal.entries().size() - 3), (QStringList{"17", "18", "19"}));
}

TEST_F(HostBehaviour, ViewportsAndScaledZoom)
{
    const std::shared_ptr<cad::Document> document = host->addDocument();
    EXPECT_EQ(errorOf([&] { document->activePViewport(); }), cad::err::InvalidInput);
    EXPECT_EQ(errorOf([&] { host->zoomScaled(1.0 / 48, cad::zoomScale::RelativeToPaperSpace); }),
              cad::err::InvalidInput);

    document->setActiveSpace(cad::space::Paper);
    EXPECT_EQ(errorOf([&] { document->setMSpace(true); }), cad::err::InvalidInput);
    const auto overall = document->activePViewport();
    EXPECT_EQ(document->paperSpace()->item(0)->entityName(), QStringLiteral("AcDbViewport"));
    EXPECT_EQ(errorOf([&] { document->setActivePViewport(overall); }), cad::err::InvalidInput);
    EXPECT_EQ(errorOf([&] { document->paperSpace()->item(0)->remove(); }), cad::err::InvalidInput);
    EXPECT_EQ(errorOf([&] { document->modelSpace()->addPViewport(pt(0, 0), 1, 1); }), 438);

    const auto first = document->paperSpace()->addPViewport(pt(3, 3), 4, 4);
    const auto second = document->paperSpace()->addPViewport(pt(8, 3), 4, 4);
    second->display(true);
    document->setMSpace(true);
    document->setActivePViewport(second);
    host->zoomScaled(1.0 / 48, cad::zoomScale::RelativeToPaperSpace);
    EXPECT_DOUBLE_EQ(document->activePViewport()->customScale(), 1.0 / 48);
    EXPECT_DOUBLE_EQ(first->customScale(), 1.0);
    EXPECT_TRUE(host->journal().contains(QStringLiteral("Application.ZoomScaled 0.0208333333333333 2")));

    second->display(false);
    EXPECT_FALSE(document->mSpace());
    EXPECT_EQ(errorOf([&] { document->setActivePViewport(second); }), cad::err::InvalidInput);
}

TEST_F(HostBehaviour, PreferencesAndProfile)
{
    const auto preferences = host->preferences();
    preferences->files()->setTemplateDwgPath(QStringLiteral("P:\\Projects\\1234\\DwgTemplates"));
    EXPECT_EQ(preferences->files()->templateDwgPath(), QStringLiteral("P:\\Projects\\1234\\DwgTemplates"));
    EXPECT_EQ(preferences->files()->supportPath(), QStringLiteral("C:\\Other;C:\\Support"));
    EXPECT_EQ(preferences->profiles()->activeProfile(), QStringLiteral("Default"));
    EXPECT_EQ(errorOf([&] { preferences->profiles()->setActiveProfile(QStringLiteral("Other")); }),
              cad::err::InvalidInput);
    host->failures().failNext(QStringLiteral("PreferencesFiles.SupportPath"), cad::err::ExceptionOccurred);
    EXPECT_EQ(errorOf([&] { preferences->files()->setSupportPath(QStringLiteral("x")); }), cad::err::ExceptionOccurred);
    EXPECT_EQ(preferences->files()->supportPath(), QStringLiteral("C:\\Other;C:\\Support"));
}

TEST_F(HostBehaviour, NoDrawingOpenMeansNoActiveDocument)
{
    EXPECT_EQ(errorOf([&] { host->activeDocument(); }), cad::err::ExceptionOccurred);
    const auto document = host->addDocument();
    host->closeDocument(document);
    EXPECT_EQ(errorOf([&] { document->name(); }), cad::err::ExceptionOccurred);
    EXPECT_EQ(errorOf([&] { host->activeDocument(); }), cad::err::ExceptionOccurred);
}

TEST_F(HostBehaviour, WalksAreSnapshotsSoDeletingDuringAWalkIsSafe)
{
    const std::shared_ptr<cad::Document> document = host->addDocument();
    for (int i = 0; i < 4; ++i)
        document->modelSpace()->addLine(pt(i, 0), pt(i, 1));
    for (const auto& entity : document->modelSpace()->items())
        entity->remove();
    EXPECT_EQ(document->modelSpace()->count(), 0);

    int calls = 0;
    int id = 0;
    id = host->subscribeBeginCommand([&](const QString&) {
        ++calls;
        host->unsubscribeBeginCommand(id);
    });
    host->startCommand(QStringLiteral("LINE"));
    host->startCommand(QStringLiteral("LINE"));
    EXPECT_EQ(calls, 1);
}

TEST_F(HostBehaviour, PromptsWithNoUserFailInsteadOfWaiting)
{
    host->setUser(nullptr);
    const std::shared_ptr<cad::Document> document = host->addDocument();
    EXPECT_EQ(errorOf([&] { document->utility()->getPoint(std::nullopt, QStringLiteral("Pick:")); }),
              cad::err::ExceptionOccurred);
    EXPECT_EQ(errorOf([&] { document->selectionSets()->add(QStringLiteral("s"))->selectOnScreen(); }),
              cad::err::ExceptionOccurred);
    host->setUser(&user);
}

TEST_F(HostBehaviour, AHostShutDownIsGoneForEveryObjectStillHeld)
{
    const std::shared_ptr<cad::Application> application = host;
    const std::shared_ptr<cad::Document> document = host->addDocument();
    const auto line = document->modelSpace()->addLine(pt(0, 0), pt(1, 1));
    const auto space = document->modelSpace();
    const auto layers = document->layers();
    const auto layer = layers->item(0);
    const auto layout = document->activeLayout();
    const auto sets = document->selectionSets();
    const auto set = sets->add(QStringLiteral("s"));
    const auto plot = document->plot();
    const auto utility = document->utility();
    const auto documents = application->documents();
    const auto files = application->preferences()->files();
    const auto closed = host->addDocument();  // a closed document is as gone
    host->closeDocument(closed);
    const qsizetype journalled = host->journal().entries().size();

    host->shutDown();
    EXPECT_FALSE(host->isRunning());
    const std::vector<std::function<void()>> calls = {
        [&] { application->activeDocument(); },
        [&] { application->zoomExtents(); },
        [&] { application->subscribeBeginCommand([](const QString&) {}); },
        [&] { documents->count(); },
        [&] { files->supportPath(); },
        [&] { document->name(); },
        [&] { document->setVariable(QStringLiteral("SDI"), 1); },
        [&] { closed->name(); },
        [&] { space->addLine(pt(0, 0), pt(2, 2)); },
        [&] { line->layer(); },
        [&] { line->setEndPoint(pt(3, 3)); },
        [&] { layers->count(); },
        [&] { layer->setColor(3); },
        [&] { layout->plotType(); },
        [&] { sets->count(); },
        [&] { set->clear(); },
        [&] { plot->plotToDevice(); },
        [&] { utility->getPoint(std::nullopt, QStringLiteral("Pick")); },
    };
    for (size_t i = 0; i < calls.size(); ++i)
        EXPECT_EQ(errorOf(calls[i]), cad::err::RpcServerUnavailable) << "call " << i;
    // None of them reached the host.
    EXPECT_EQ(host->journal().entries().size(), journalled + 1);
    EXPECT_EQ(host->journal().entries().last(), QStringLiteral("User.ShutDown"));
    try {
        line->layer();
    } catch (const runtime::Error& error) {
        EXPECT_EQ(error.number(), -2147023174);
        EXPECT_EQ(error.description(), QStringLiteral("The RPC server is unavailable."));
    }
}

TEST(TestEnvironmentHost, StoppingTheHostEndsItForWhatAToolHolds)
{
    testing_env::TestEnvironment t;
    const std::shared_ptr<Host> host = t.startHost();
    const std::shared_ptr<cad::Application> application = t.hosts().getObject(cad::HostClassName);
    const std::shared_ptr<cad::Document> document = host->addDocument();
    const auto text = document->modelSpace()->addText(QStringLiteral("A"), pt(0, 0), 1);

    t.stopHost();
    EXPECT_EQ(errorOf([&] { t.hosts().getObject(cad::HostClassName); }), cad::err::CannotCreateObject);
    EXPECT_EQ(errorOf([&] { application->activeDocument(); }), cad::err::RpcServerUnavailable);
    EXPECT_EQ(errorOf([&] { document->modelSpace(); }), cad::err::RpcServerUnavailable);
    EXPECT_EQ(errorOf([&] { text->setHeight(2); }), cad::err::RpcServerUnavailable);

    // Starting again starts another host.
    const std::shared_ptr<Host> again = t.startHost();
    EXPECT_NE(again, host);
    EXPECT_EQ(t.hosts().getObject(cad::HostClassName), again);
}
