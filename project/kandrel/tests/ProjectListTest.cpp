// The project list file on its own: reading every line, the order shown, and
// a list that could not be read is never written over.
#include "KandrelFixture.h"

#include "platform/runtime/Error.h"
#include "platform/testing/ErrorOf.h"

#include <QFile>

using namespace kandrel;
using namespace kandrel::test;
using testing_env::errorOf;

namespace {

using ProjectListTest = KandrelTest;

TEST_F(ProjectListTest, EveryLineIsAnEntryInAlphabeticalOrderWhateverTheLineEnds)
{
    writeList("b\nA\r\n\r\na\rB\r\n");
    ProjectList list(t.files(), ListFile);
    list.load();
    EXPECT_EQ(list.entries(), (QStringList{QString(), QStringLiteral("A"), QStringLiteral("a"), QStringLiteral("b"),
                                           QStringLiteral("B")}));
    EXPECT_EQ(list.placeOf(QStringLiteral("a")), 3);
    EXPECT_EQ(list.add(QStringLiteral("AB")), 3);
    EXPECT_EQ(listBytes(), QByteArray("\r\nA\r\na\r\nAB\r\nb\r\nB\r\n"));
}

TEST_F(ProjectListTest, AListThatCouldNotBeReadIsNeverWrittenOver)
{
    // Something that is there but cannot be read as the list: a folder.
    t.files().makeFolder(ListFile);
    ProjectList list(t.files(), ListFile);
    EXPECT_EQ(errorOf([&] { list.load(); }), runtime::err::PathFileAccessError);
    EXPECT_TRUE(list.entries().isEmpty());
    EXPECT_EQ(errorOf([&] { list.add(QStringLiteral("1234")); }), runtime::err::PermissionDenied);
    EXPECT_TRUE(list.entries().isEmpty());
    EXPECT_TRUE(t.files().folderExists(ListFile));
}

}  // namespace
