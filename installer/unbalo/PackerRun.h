#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace files { class AtomicWriter; class FileSystem; }

namespace unbalo {

class ArchiveWriter;
class ProgressDisplay;

// Builds an installer from the packer's own program (the stub) and the files
// of the item list, in list order. Everything that can be checked is checked
// before the first byte is written (names, sizes, readable files, a
// destination that is not one of the items nor the packer itself), and the
// installer is built in a new file that takes the destination's place only
// when it is whole: a run that fails leaves no half-built installer and the
// destination as it was.
class PackerRun {
public:
    PackerRun(files::FileSystem& files, ProgressDisplay& display);
    ~PackerRun();

    // What is wrong with the first item that cannot be packed, as a sentence:
    // its name refused, 2 GiB or more, or not a file that can be read.
    std::optional<QString> checkItems(const QStringList& paths) const;
    // What is wrong with the destination: it is one of the items, or the
    // packer's own file.
    std::optional<QString> checkDestination(const QString& destination, const QStringList& paths,
                                            const QString& ownFile) const;

    // Starts the installer beside the destination with the stub: the whole
    // of the packer's own program file. Raises the host's error when the
    // program cannot be read or the file cannot be made or written.
    void begin(const QString& destination, const QString& stubFile, int itemCount);
    // Appends every item, showing the progress before each, then puts the
    // installer in the destination's place. What went wrong, as a sentence,
    // when an item cannot be read or the installer cannot be written; the
    // destination is then left as it was.
    std::optional<QString> finish(const QStringList& paths);

private:
    files::FileSystem& files_;
    ProgressDisplay& display_;
    QString destination_;
    std::unique_ptr<files::AtomicWriter> file_;
    std::unique_ptr<ArchiveWriter> archive_;
};

}  // namespace unbalo
