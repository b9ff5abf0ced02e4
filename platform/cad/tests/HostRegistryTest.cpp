#include "platform/cad/HostRegistry.h"
#include "platform/cad/AttributeReference.h"
#include "platform/cad/CadErrors.h"
#include "platform/runtime/Error.h"
#include "platform/testing/ErrorOf.h"

#include <gtest/gtest.h>

using testing_env::errorOf;

namespace {

// An application that does nothing; the registry only hands it around.
class IdleApplication : public cad::Application {
public:
    std::shared_ptr<cad::Document> activeDocument() const override { return nullptr; }
    std::shared_ptr<cad::Documents> documents() const override { return nullptr; }
    std::shared_ptr<cad::Preferences> preferences() const override { return nullptr; }
    void zoomExtents() override {}
    void zoomScaled(double, int) override {}
    int subscribeBeginCommand(BeginCommandHandler) override { return 0; }
    void unsubscribeBeginCommand(int) override {}
};

// An entity kind that has nothing of its own.
class BareEntity : public cad::Entity {};

}  // namespace

TEST(HostRegistry, NothingRunningGives429)
{
    cad::HostRegistry registry;
    EXPECT_EQ(errorOf([&] { registry.getObject(cad::HostClassName); }), cad::err::CannotCreateObject);
    EXPECT_EQ(errorOf([&] { registry.createObject(cad::HostClassName); }), cad::err::CannotCreateObject);
    EXPECT_FALSE(registry.isRunning(cad::HostClassName));
}

TEST(HostRegistry, RunningHostIsFoundWithoutRegardToCase)
{
    cad::HostRegistry registry;
    auto application = std::make_shared<IdleApplication>();
    registry.registerRunning(QStringLiteral("AutoCAD.Application"), application);
    EXPECT_EQ(registry.getObject(QStringLiteral("autocad.application")), application);
    EXPECT_EQ(registry.getObject(QStringLiteral("AUTOCAD.APPLICATION")), application);
    EXPECT_EQ(errorOf([&] { registry.getObject(QStringLiteral("other.application")); }), 429);

    registry.unregisterRunning(QStringLiteral("autocad.application"));
    EXPECT_EQ(errorOf([&] { registry.getObject(cad::HostClassName); }), 429);
}

TEST(HostRegistry, CreatedHostBecomesTheRunningOne)
{
    cad::HostRegistry registry;
    int starts = 0;
    registry.registerFactory(cad::HostClassName, [&] {
        ++starts;
        return std::make_shared<IdleApplication>();
    });
    const auto created = registry.createObject(QStringLiteral("AutoCAD.Application"));
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(registry.getObject(cad::HostClassName), created);
}

TEST(HostRegistry, FactoryThatFailsGives429)
{
    cad::HostRegistry registry;
    registry.registerFactory(cad::HostClassName, []() -> std::shared_ptr<cad::Application> {
        runtime::raise(cad::err::ExceptionOccurred);
    });
    EXPECT_EQ(errorOf([&] { registry.createObject(cad::HostClassName); }), 429);
    registry.registerFactory(cad::HostClassName, [] { return std::shared_ptr<cad::Application>(); });
    EXPECT_EQ(errorOf([&] { registry.createObject(cad::HostClassName); }), 429);
    EXPECT_FALSE(registry.isRunning(cad::HostClassName));
}

TEST(HostRegistry, LocatorIsAskedOnEveryLookUpAndARegisteredHostComesFirst)
{
    cad::HostRegistry registry;
    auto remote = std::make_shared<IdleApplication>();
    bool hostRuns = true;
    int asked = 0;
    registry.registerLocator(cad::HostClassName, [&]() -> std::shared_ptr<cad::Application> {
        ++asked;
        if (!hostRuns)
            runtime::raise(cad::err::RpcServerUnavailable);
        return remote;
    });
    EXPECT_EQ(registry.getObject(QStringLiteral("AutoCAD.Application")), remote);
    EXPECT_TRUE(registry.isRunning(cad::HostClassName));

    // The host ends: the locator no longer finds it, and nothing kept it.
    hostRuns = false;
    EXPECT_EQ(errorOf([&] { registry.getObject(cad::HostClassName); }), 429);
    EXPECT_FALSE(registry.isRunning(cad::HostClassName));

    auto local = std::make_shared<IdleApplication>();
    registry.registerRunning(cad::HostClassName, local);
    const int before = asked;
    EXPECT_EQ(registry.getObject(cad::HostClassName), local);
    EXPECT_EQ(asked, before);
}

TEST(HostRegistry, HostCreatedBesideALocatorIsLeftToTheLocator)
{
    cad::HostRegistry registry;
    std::shared_ptr<cad::Application> started;
    registry.registerLocator(cad::HostClassName, [&] { return started; });
    registry.registerFactory(cad::HostClassName, [&] {
        started = std::make_shared<IdleApplication>();
        return started;
    });
    EXPECT_EQ(errorOf([&] { registry.getObject(cad::HostClassName); }), 429);
    const auto created = registry.createObject(cad::HostClassName);
    EXPECT_EQ(registry.getObject(cad::HostClassName), created);
    // Once the started host is gone, it is not handed out from the table.
    started.reset();
    EXPECT_EQ(errorOf([&] { registry.getObject(cad::HostClassName); }), 429);
}

TEST(Entity, EveryMemberAnEntityLacksRaises438)
{
    BareEntity entity;
    EXPECT_EQ(errorOf([&] { entity.height(); }), 438);
    EXPECT_EQ(errorOf([&] { entity.setHeight(1.0); }), 438);
    EXPECT_EQ(errorOf([&] { entity.setTextSuffix(QStringLiteral(" TYP")); }), 438);
    EXPECT_EQ(errorOf([&] { entity.getAttributes(); }), 438);
    EXPECT_EQ(errorOf([&] { entity.setPath(QStringLiteral("a.dwg")); }), 438);
    EXPECT_EQ(errorOf([&] { entity.remove(); }), 438);
    EXPECT_EQ(errorOf([&] { entity.radius(); }), 438);
    EXPECT_EQ(errorOf([&] { entity.setCoordinates({0, 0, 1, 1}); }), 438);
    EXPECT_EQ(errorOf([&] { entity.appendOuterLoop({}); }), 438);
    EXPECT_EQ(errorOf([&] { entity.measurement(); }), 438);
}

TEST(CadErrors, HostNumbersMatchTheirHexadecimalCodes)
{
    EXPECT_EQ(cad::err::NoPointGiven, -2145320928);
    EXPECT_EQ(cad::err::ExceptionOccurred, -2147352567);
    EXPECT_EQ(cad::err::DrawingReadOnly, -2145320861);
    EXPECT_EQ(cad::err::PlotStyleRefused, -2145386493);
    EXPECT_EQ(cad::err::DuplicateRecordName, -2145386426);
    EXPECT_EQ(cad::err::RpcServerUnavailable, -2147023174);
    EXPECT_EQ(cad::hostDescription(cad::err::RpcServerUnavailable), QStringLiteral("The RPC server is unavailable."));
    try {
        cad::raise(cad::err::DuplicateRecordName, QStringLiteral("block A"));
    } catch (const runtime::Error& error) {
        EXPECT_EQ(error.description(), QStringLiteral("Duplicate record name: block A"));
    }
}
