#include "WexmoorFixture.h"

#include "layers/wexmoor/EventClassModule.h"
#include "platform/runtime/EndProgram.h"

using namespace wexmoor;
using namespace wexmoor::test;

using CommandStartEvent = WexmoorTest;

TEST_F(CommandStartEvent, AProgramEndInTheHandlerStaysOutOfTheHostsCommand)
{
    MdlMain module(env);
    int asked = 0;
    EventClassModule events(dispatcher, module, [&](int) -> QString {
        ++asked;
        runtime::endProgram();
    });
    events.setApp(host);
    EXPECT_NO_THROW(host->startCommand(QStringLiteral("LINE")));
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_NO_THROW(host->startCommand(QStringLiteral("LINE")));
    EXPECT_EQ(asked, 1) << "nothing runs once the program has ended";
}

TEST_F(CommandStartEvent, BindingAnotherApplicationOrNoneUnbindsTheFirst)
{
    MdlMain module(env);
    module.connection().application = host;
    int asked = 0;
    auto events = std::make_unique<EventClassModule>(dispatcher, module, [&](int) {
        ++asked;
        return QString();
    });
    events->setApp(host);
    events->setApp(host);
    host->startCommand(QStringLiteral("LINE"));
    EXPECT_EQ(asked, 1);
    events->setApp(nullptr);
    host->startCommand(QStringLiteral("LINE"));
    events->setApp(host);
    events.reset();
    host->startCommand(QStringLiteral("LINE"));
    EXPECT_EQ(asked, 1);
}
