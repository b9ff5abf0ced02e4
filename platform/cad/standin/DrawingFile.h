#pragma once
// Drawings on disk: finding the file a drawing name stands for, reading and
// writing it through the program's file system. Failures of the file system
// reach the caller as the host's errors, not the runtime's.

#include <QString>
#include <memory>

namespace files {
class FileSystem;
}

namespace standin {

class Drawing;
class HostContext;

class DrawingFile {
public:
    // Assumption: the host opens a name without an extension as the ".dwg"
    // file of that name when no file has the bare name.
    // The path of the file, or empty when there is none.
    static QString locate(const files::FileSystem& files, const QString& path);
    // Assumption: the host saves under a name without an extension as that
    // name with ".dwg" added.
    static QString withExtension(const QString& path);

    // Raises ExceptionOccurred when the file is missing, unreadable or
    // damaged.
    static std::shared_ptr<Drawing> load(const std::shared_ptr<HostContext>& context, const QString& path);
    // Writes the whole file or nothing, with the thumbnail of the host's
    // thumbnail maker when it has one; raises ExceptionOccurred on failure.
    static void save(const Drawing& drawing, const QString& path);
};

}  // namespace standin
