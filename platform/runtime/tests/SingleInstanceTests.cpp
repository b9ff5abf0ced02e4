// One copy of a program at a time: the claim, a second copy, a copy that died.
#include "platform/runtime/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using runtime::SingleInstance;

TEST(SingleInstance, TheFirstCopyClaimsAndASecondFindsItRunningUntilItEnds)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("locks"));
    auto first = std::make_unique<SingleInstance>(folder);
    EXPECT_TRUE(first->claim(QStringLiteral("Fentrow")));
    EXPECT_TRUE(first->claim(QStringLiteral("FENTROW")));  // its own claim, asked again

    SingleInstance second(folder);
    EXPECT_FALSE(second.claim(QStringLiteral("fentrow")));
    SingleInstance other(folder);
    EXPECT_TRUE(other.claim(QStringLiteral("Kandrel")));
    EXPECT_FALSE(other.claim(QStringLiteral("Stavrin")));

    first.reset();
    EXPECT_TRUE(second.claim(QStringLiteral("Fentrow")));
}

TEST(SingleInstance, ACopyThatDiedWithoutLettingGoDoesNotKeepTheNextOut)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("locks"));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The child claims and dies at once, leaving its lock file behind.
        SingleInstance dying(folder);
        _exit(dying.claim(QStringLiteral("Fentrow")) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFile::exists(folder + QStringLiteral("/fentrow.lock")));

    SingleInstance next(folder);
    EXPECT_TRUE(next.claim(QStringLiteral("Fentrow")));
}

TEST(SingleInstance, AFolderThatCannotBeUsedLetsTheProgramRun)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SingleInstance instances(dir.filePath(QStringLiteral("file/locks")));
    EXPECT_TRUE(instances.claim(QStringLiteral("Fentrow")));
}
