// The installer archive on its own: the layout as written, what the reader
// takes back, and every way a crafted or damaged archive is refused.
#include "installer/unbalo/archive/ArchiveFormat.h"
#include "installer/unbalo/archive/ArchiveReader.h"
#include "installer/unbalo/archive/ItemName.h"
#include "installer/unbalo/archive/MemorySource.h"
#include "UnbaloFixture.h"

#include <gtest/gtest.h>

using namespace unbalo;
using unbalo::test::installerOf;
using unbalo::test::Item;

namespace {

const QByteArray Stub("MZ stub of the packer");

QByteArray crs(int count) { return QByteArray(count, '\r'); }

ArchiveIndex indexOf(const QByteArray& bytes) { return ArchiveReader::index(MemorySource(bytes)); }

// The items read back, top of the list first.
QList<Item> itemsOf(const QByteArray& bytes)
{
    const MemorySource source(bytes);
    const ArchiveIndex index = ArchiveReader::index(source);
    QList<Item> items;
    for (const ArchiveEntry& entry : index.entries)
        items.prepend(Item{entry.name, ArchiveReader::content(source, entry)});
    return items;
}

// The problem a crafted archive is refused with; "<sound>" when it is not.
QString refusal(const QByteArray& bytes)
{
    const ArchiveIndex index = indexOf(bytes);
    EXPECT_TRUE(index.installer);
    if (index.sound())
        return QStringLiteral("<sound>");
    EXPECT_TRUE(index.entries.isEmpty());
    return index.problem;
}

// One record made by hand: content, size field text, name field text.
QByteArray record(const QByteArray& content, const QByteArray& size, const QByteArray& name)
{
    return content + crs(10 - int(size.size())) + size + crs(259 - int(name.size())) + name;
}

}  // namespace

TEST(ArchiveFormatTest, OneItemIsTheStubItsRecordAndTheTrailer)
{
    const QByteArray lay("A-OBJ1,3,continuous,\r\n");
    const QByteArray bytes = installerOf(Stub, {{"Architecture.lay", lay}});
    EXPECT_EQ(bytes, Stub + lay + crs(8) + "22" + crs(243) + "Architecture.lay" + "101" + "UB13");

    // The worked example: 314 bytes behind 7 CRs, 27 items end in "127".
    EXPECT_EQ(ArchiveFormat::sizeField(314), crs(7) + "314");
    EXPECT_EQ(ArchiveFormat::trailer(27), "127UB13");
    // An empty item: nine CRs and "0".
    EXPECT_EQ(ArchiveFormat::sizeField(0), crs(9) + "0");
}

TEST(ArchiveFormatTest, ItemsReadBackWithoutKnowingTheStub)
{
    const QList<Item> items{{"Tarvo.exe", QByteArray(5000, 'T')}, {"Empty.txt", QByteArray()},
                            {QString(255, u'n'), "long name"}, {"Caf\u00e9 \u00c9t\u00e9.lay", "accents"}};
    for (const QByteArray& stub : {Stub, QByteArray(), QByteArray(70000, 'x') + "UB13" + "127"}) {
        const QByteArray bytes = installerOf(stub, items);
        EXPECT_EQ(itemsOf(bytes), items);
    }
    // The 255-character name leaves four CRs in front of it.
    const QByteArray bytes = installerOf(Stub, {{QString(255, u'n'), "x"}});
    EXPECT_EQ(bytes.mid(Stub.size() + 1 + 10, 5), crs(4) + "n");
    // The empty item is stored as no bytes and extracted as an empty file.
    const QByteArray empty = installerOf(Stub, {{"Empty.txt", QByteArray()}});
    EXPECT_EQ(empty, Stub + crs(9) + "0" + crs(250) + "Empty.txt" + "101UB13");
    EXPECT_EQ(itemsOf(empty).first().content, QByteArray(""));
}

TEST(ArchiveFormatTest, TwoItemsOfOneNameAreBothStoredAndTheLaterIsReadFirst)
{
    const QByteArray bytes = installerOf(Stub, {{"Project.txt", "top"}, {"Project.txt", "bottom"}});
    const ArchiveIndex index = indexOf(bytes);
    ASSERT_TRUE(index.sound());
    ASSERT_EQ(index.entries.size(), 2);
    EXPECT_EQ(index.entries[0].number, 2);
    EXPECT_EQ(ArchiveReader::content(MemorySource(bytes), index.entries[0]), "bottom");
    EXPECT_EQ(index.entries[1].number, 1);
    EXPECT_EQ(ArchiveReader::content(MemorySource(bytes), index.entries[1]), "top");
}

TEST(ArchiveFormatTest, AnEmptyListMakesAPackerAndTheMagicMustMatchExactly)
{
    QByteArray bytes;
    ArchiveWriter writer([&](const char* data, qint64 size) { bytes.append(data, size); }, 0);
    writer.writeStub(Stub);
    EXPECT_EQ(bytes, Stub);
    EXPECT_FALSE(ArchiveReader::isInstaller(MemorySource(bytes)));

    const QByteArray installer = installerOf(Stub, {{"a", "b"}});
    for (const QByteArray& magic : {QByteArray("ub13"), QByteArray("UB1"), QByteArray("Ub13"), QByteArray("UB14"),
                                    QByteArray("UB13 ")}) {
        const QByteArray other = installer.chopped(4) + magic;
        EXPECT_FALSE(ArchiveReader::isInstaller(MemorySource(other))) << magic.toStdString();
        EXPECT_FALSE(indexOf(other).installer);
    }
    EXPECT_FALSE(ArchiveReader::isInstaller(MemorySource("B13")));
    EXPECT_TRUE(ArchiveReader::isInstaller(MemorySource("UB13")));
}

TEST(ArchiveReaderTest, ACountOutsideOneToNinetyNineOrNotANumberIsRefused)
{
    const QByteArray record = ::record("abc", "3", "a.txt");
    EXPECT_EQ(refusal(Stub + record + "101UB13"), "<sound>");
    EXPECT_EQ(refusal(Stub + record + "100UB13"), "it claims 0 items, where an installer holds 1 to 99");
    EXPECT_EQ(refusal(Stub + record + "250UB13"), "it claims 150 items, where an installer holds 1 to 99");
    EXPECT_EQ(refusal(Stub + record + "099UB13"), "it claims -1 items, where an installer holds 1 to 99");
    EXPECT_EQ(refusal(Stub + record + "1 1UB13"), "its item count is not a number");
    EXPECT_EQ(refusal(Stub + record + "+01UB13"), "its item count is not a number");
    EXPECT_EQ(refusal("1UB13"), "the file ends before its item count");
    EXPECT_EQ(refusal("UB13"), "the file ends before its item count");
}

TEST(ArchiveReaderTest, SizesThatLieOrAreNoPlainNumberAreRefused)
{
    // More bytes than stand in front of the record, with and without a stub.
    EXPECT_EQ(refusal(record("abc", "4", "a.txt") + "101UB13"),
              "item 1 of 1 (a.txt) claims 4 bytes, but only 3 are left in front of it");
    EXPECT_EQ(refusal(Stub + record("abc", "9999999999", "a.txt") + "101UB13"),
              "item 1 of 1 (a.txt) claims 9999999999 bytes, more than an item may hold");
    EXPECT_EQ(refusal(Stub + record("abc", "2147483648", "a.txt") + "101UB13"),
              "item 1 of 1 (a.txt) claims 2147483648 bytes, more than an item may hold");
    for (const QByteArray& size : {QByteArray("-3"), QByteArray("+3"), QByteArray(" 3"), QByteArray("03"),
                                   QByteArray("3\r"), QByteArray("0x3"), QByteArray()}) {
        EXPECT_EQ(refusal(Stub + record("abc", size, "a.txt") + "101UB13"),
                  "the size field of item 1 of 1 (a.txt) is not a number")
            << size.toStdString();
    }
    // A byte other than CR inside the padding.
    QByteArray padded = Stub + record("abc", "3", "a.txt") + "101UB13";
    padded[Stub.size() + 3 + 2] = 'x';
    EXPECT_EQ(refusal(padded), "the size field of item 1 of 1 (a.txt) is not a number");
}

TEST(ArchiveReaderTest, ATruncatedArchiveIsRefusedWhereverItIsCut)
{
    const QByteArray whole = installerOf(Stub, {{"Tarvo.exe", QByteArray(300, 'T')}, {"Fly.exe", "fly"}});
    ASSERT_TRUE(indexOf(whole).sound());
    // Cut at the front (a stub lost with part of the first item's bytes): the
    // first item's size cannot be right any more.
    EXPECT_EQ(refusal(whole.mid(Stub.size() + 100)),
              "item 1 of 2 (Tarvo.exe) claims 300 bytes, but only 200 are left in front of it");
    // Cut further in, into or past the first record: it is cut off.
    for (qsizetype cut = 1; cut < 300 + 269 + 3 + 269; cut += 37) {
        const QByteArray damaged = whole.mid(Stub.size() + cut);
        EXPECT_NE(refusal(damaged), "<sound>") << cut;
    }
    // A trailer without records at all.
    EXPECT_EQ(refusal("127UB13"), "item 27 of 27 is cut off before its name and size");
    // The end lost: no longer an installer at all.
    EXPECT_FALSE(indexOf(whole.chopped(1)).installer);
}

// A name that would leave the install folder, or that the folder cannot hold,
// is refused for the whole archive: nothing of it is handed out.
TEST(ArchiveReaderTest, NamesThatWouldEscapeTheInstallFolderAreRefused)
{
    const QList<QByteArray> names{"..", ".", "..\\tarvo.exe", "../../.bashrc", "/etc/passwd", "c:tarvo.exe",
                                  "C:\\autoexec.bat", "a\\b", "a/b", QByteArray("tar\0vo", 6), "tar\tvo",
                                  "tar\x7fvo", "tar\x85vo", "tar\x1bvo"};
    for (const QByteArray& name : names) {
        const QByteArray bytes = installerOf(Stub, {{"good.txt", "good"}}).chopped(7)
                                 + record("evil", "4", name) + "102UB13";
        EXPECT_NE(refusal(bytes), "<sound>") << name.toStdString();
        EXPECT_TRUE(refusal(bytes).startsWith("the name of item 2 of 2")) << refusal(bytes).toStdString();
    }
    // A field of padding only names nothing; a field without padding names
    // more than 255 characters; bytes inside the padding are damage.
    EXPECT_EQ(refusal(Stub + "x" + crs(9) + "1" + crs(259) + "101UB13"),
              "the name of item 1 of 1 (\"\") is refused: it is empty");
    EXPECT_EQ(refusal(Stub + "x" + crs(9) + "1" + QByteArray(259, 'n') + "101UB13"),
              "the name of item 1 of 1 is longer than 255 characters");
    EXPECT_EQ(refusal(Stub + "x" + crs(9) + "1" + crs(2) + QByteArray(257, 'n') + "101UB13"),
              "the name of item 1 of 1 is longer than 255 characters");
    EXPECT_EQ(refusal(Stub + "x" + crs(9) + "1" + "n" + crs(250) + "abcdefgh" + "101UB13"),
              "the name field of item 1 of 1 is damaged");
}

TEST(ItemNameTest, ThePackerRefusesWhatTheReaderWouldRefuse)
{
    EXPECT_EQ(ItemName::problem("Tarvo.exe"), "");
    EXPECT_EQ(ItemName::problem("Caf\u00e9.lay"), "");
    EXPECT_EQ(ItemName::problem(""), "it is empty");
    EXPECT_EQ(ItemName::problem(".."), "it names a folder, not a file");
    EXPECT_EQ(ItemName::problem("a:b"), "it holds a drive colon");
    EXPECT_EQ(ItemName::problem("a\rb"), "it holds a control character");
    EXPECT_EQ(ItemName::problem(QString::fromUtf8("\u041f\u0440\u043e\u0435\u043a\u0442.txt")),
              "it holds a character outside the single-byte code page");
    EXPECT_EQ(ItemName::problem(QString(256, u'n')), "it is longer than 255 characters");
    EXPECT_EQ(ItemName::ofPath(R"(C:\Jobs\Tarvo.exe)"), "Tarvo.exe");
    EXPECT_EQ(ItemName::ofPath("/opt/tarvo/fly"), "fly");
    EXPECT_EQ(ItemName::ofPath(R"(C:\Jobs\)"), "");
}
