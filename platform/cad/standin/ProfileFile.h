#pragma once
// Keeps the host's profile and application-wide settings between
// program starts, so what one tool writes (the template path, the
// single-document mode) the next one reads. One "Key=Value" line each.

#include <QString>

namespace standin {

class HostContext;

class ProfileFile {
public:
    static const QString FileName;

    // Leaves the context as it is when the file is missing; a file that does
    // not parse is ignored whole (with a warning), never half applied.
    static void load(HostContext& context, const QString& path);
    static void save(HostContext& context, const QString& path);
};

}  // namespace standin
