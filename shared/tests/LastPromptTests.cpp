#include "HostFixture.h"

#include "platform/cad/CadErrors.h"
#include "shared/LastPrompt.h"

using suite::promptCancelled;

namespace {

class LastPromptTest : public suite::test::HostFixture {
protected:
    void say(const QString& prompt) { host->context().setAppVariable(QStringLiteral("LASTPROMPT"), prompt); }
    std::shared_ptr<standin::Document> drawing = host->addDocument();
};

}  // namespace

TEST_F(LastPromptTest, ACancelCountsInAnyCaseAndAnywhereInThePrompt)
{
    for (const char* text : {"*Cancel*", "Command: *CANCEL*", "*cancel*"}) {
        say(QLatin1String(text));
        EXPECT_TRUE(promptCancelled(*drawing)) << text;
    }
    for (const char* text : {"", "Cancel", "Select objects:", "Click the lower-left of the window."}) {
        say(QLatin1String(text));
        EXPECT_FALSE(promptCancelled(*drawing)) << text;
    }
}

TEST_F(LastPromptTest, APromptThatCannotBeReadIsNoCancel)
{
    say(QStringLiteral("*Cancel*"));
    host->failures().failNext(QStringLiteral("Document.GetVariable"), cad::err::ExceptionOccurred);
    EXPECT_FALSE(promptCancelled(*drawing));
}
