#include "FilesFixture.h"

#include "platform/files/IniFile.h"

using files::IniFile;
using namespace files::test;
using namespace runtime::err;

class IniFiles : public FilesTest {
protected:
    QString read(const QString& section, const QString& key, const QString& fallback = "<default>")
    {
        return IniFile::getProfileString(fs, "C:\\Fentrow.ini", section, key, fallback);
    }
    void write(const QString& section, const QString& key, const QString& value)
    {
        IniFile::writeProfileString(fs, "C:\\Fentrow.ini", section, key, value);
    }
};

TEST_F(IniFiles, SectionsAndKeysMatchWithoutCaseAndBlanksDoNotCount)
{
    put("fentrow.ini", "; standard blocks\r\n"
                       "[ProjectPath]\r\n"
                       "  Path =  P:\\Blocks  \r\n"
                       "[ Other ]\r\n"
                       "path=elsewhere\r\n");
    EXPECT_EQ(read("projectpath", "PATH"), "P:\\Blocks");
    EXPECT_EQ(read("PROJECTPATH", " path "), "P:\\Blocks");
    EXPECT_EQ(read("other", "Path"), "elsewhere");
}

TEST_F(IniFiles, MissingFileSectionOrKeyGivesTheDefault)
{
    EXPECT_EQ(read("ProjectPath", "Path", ""), "");
    EXPECT_EQ(read("ProjectPath", "Path"), "<default>");
    put("fentrow.ini", "[ProjectPath]\r\n");
    EXPECT_EQ(read("ProjectPath", "Path"), "<default>");
    EXPECT_EQ(read("Nothing", "Path"), "<default>");
    put("fentrow.ini", "Path=before any section\r\n[ProjectPath]\r\n;Path=commented\r\nPath\r\n");
    EXPECT_EQ(read("ProjectPath", "Path"), "<default>");
    EXPECT_EQ(errorOf([&] { IniFile::getProfileString(fs, "Q:\\x.ini", "a", "b", ""); }), DeviceUnavailable);
}

TEST_F(IniFiles, ValuesLoseOnePairOfQuotes)
{
    put("fentrow.ini", "[s]\r\n"
                       "double=\"  spaced  \"\r\n"
                       "single='P:\\Blocks'\r\n"
                       "mixed=\"half'\r\n"
                       "twice=\"\"inner\"\"\r\n"
                       "empty=\r\n"
                       "equals=a=b\r\n"
                       "first=1\r\n"
                       "FIRST=2\r\n");
    EXPECT_EQ(read("s", "double"), "  spaced  ");
    EXPECT_EQ(read("s", "single"), "P:\\Blocks");
    EXPECT_EQ(read("s", "mixed"), "\"half'");
    EXPECT_EQ(read("s", "twice"), "\"inner\"");
    EXPECT_EQ(read("s", "empty"), "");  // present but empty is not missing
    EXPECT_EQ(read("s", "equals"), "a=b");
    EXPECT_EQ(read("s", "first"), "1");

    const auto entries = IniFile::getProfileSection(fs, "C:\\Fentrow.ini", "S");
    ASSERT_EQ(entries.size(), 7);
    EXPECT_EQ(entries[0], (QPair<QString, QString>{"double", "  spaced  "}));
    EXPECT_EQ(entries[6], (QPair<QString, QString>{"first", "1"}));
}

TEST_F(IniFiles, WriteToTheInstalledFileAddsTheKey)
{
    put("Fentrow.ini", "[ProjectPath]\r\n");
    write("projectpath", "Path", "C:\\Blocks");
    EXPECT_EQ(bytesOf("Fentrow.ini"), "[ProjectPath]\r\nPath=C:\\Blocks\r\n");
    write("ProjectPath", "PATH", "P:\\");
    EXPECT_EQ(bytesOf("Fentrow.ini"), "[ProjectPath]\r\nPath=P:\\\r\n");
    EXPECT_EQ(read("ProjectPath", "Path"), "P:\\");
}

TEST_F(IniFiles, WriteChangesOnlyItsOwnLine)
{
    const QByteArray before = "; kept comment\r\n"
                              "[First]\r\n"
                              "Key = old value\r\n"
                              "other=unix line\n"
                              "\r\n"
                              "[Second]\r\n"
                              "key=second";
    put("fentrow.ini", before);

    write("first", "KEY", "new");
    QByteArray expected = before;
    expected.replace("Key = old value", "Key=new");
    EXPECT_EQ(bytesOf("fentrow.ini"), expected);

    // A new key goes after the section's last entry, before its blank line.
    write("First", "Added", "1");
    expected.replace("other=unix line\n", "other=unix line\nAdded=1\r\n");
    EXPECT_EQ(bytesOf("fentrow.ini"), expected);

    // The last line had no ending; it gets one before the new key follows.
    write("Second", "more", "2");
    expected += "\r\nmore=2\r\n";
    EXPECT_EQ(bytesOf("fentrow.ini"), expected);

    write("Third", "k", "v");
    expected += "[Third]\r\nk=v\r\n";
    EXPECT_EQ(bytesOf("fentrow.ini"), expected);
}

TEST_F(IniFiles, WriteCreatesTheFileAndRoundTripsValues)
{
    write("ProjectPath", "Path", "C:\\Standard Blocks");
    EXPECT_EQ(bytesOf("Fentrow.ini"), "[ProjectPath]\r\nPath=C:\\Standard Blocks\r\n");
    write("s", "quoted", "\"  kept blanks  \"");
    EXPECT_EQ(read("S", "Quoted"), "  kept blanks  ");
    write("s", "unicode", "Ärger");
    EXPECT_EQ(read("s", "unicode"), "Ärger");
    EXPECT_EQ(read("projectpath", "path"), "C:\\Standard Blocks");

    EXPECT_EQ(errorOf([&] { IniFile::writeProfileString(fs, "C:\\Gone\\x.ini", "s", "k", "v"); }), PathNotFound);
}

TEST_F(IniFiles, WriteRefusesTextThatWouldBreakTheFile)
{
    put("fentrow.ini", "[s]\r\nk=v\r\n");
    EXPECT_EQ(errorOf([&] { write("s", "k", "two\r\n[lines]"); }), InvalidProcedureCall);
    EXPECT_EQ(errorOf([&] { write("s", "a=b", "v"); }), InvalidProcedureCall);
    EXPECT_EQ(errorOf([&] { write("s", " ", "v"); }), InvalidProcedureCall);
    EXPECT_EQ(errorOf([&] { write("s]", "k", "v"); }), InvalidProcedureCall);
    EXPECT_EQ(errorOf([&] { write("", "k", "v"); }), InvalidProcedureCall);
    EXPECT_EQ(bytesOf("fentrow.ini"), "[s]\r\nk=v\r\n");
}

TEST_F(IniFiles, Latin1FileStaysLatin1)
{
    put("fentrow.ini", "[s]\r\nname=caf\xE9\r\nk=v\r\n");
    EXPECT_EQ(read("s", "name"), "café");
    write("s", "k", "naïve");
    EXPECT_EQ(bytesOf("fentrow.ini"), "[s]\r\nname=caf\xE9\r\nk=na\xEFve\r\n");
    // A character Latin-1 cannot hold turns the whole file into UTF-8 rather
    // than losing it; the other lines keep their text.
    write("s", "k", "€");
    EXPECT_EQ(bytesOf("fentrow.ini"), "[s]\r\nname=caf\xC3\xA9\r\nk=\xE2\x82\xAC\r\n");
    EXPECT_EQ(read("s", "name"), "café");
}

TEST_F(IniFiles, ReadOnlyFileIsNotRewritten)
{
    put("fentrow.ini", "[s]\r\nk=v\r\n");
    fs.setReadOnly("C:\\Fentrow.ini", true);
    EXPECT_EQ(errorOf([&] { write("s", "k", "changed"); }), PathFileAccessError);
    EXPECT_EQ(read("s", "k"), "v");
}
