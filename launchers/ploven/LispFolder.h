#pragma once
// The folder Ploven lists and the AutoLISP files in it. The folder setting
// comes in two spellings: as typed (single backslashes, as the default "c:\")
// or as the folder picker writes it, every backslash doubled for AutoLISP.
// Both name the same folder, with or without the closing backslash.

#include <QString>
#include <QStringList>

namespace files { class FileSystem; }

namespace ploven {

class LispFolder {
public:
    // The most names one listing takes.
    static constexpr int MaxNames = 32767;

    struct Listing {
        QStringList lispFiles;  // in the order the folder gives them
        bool anyFile = false;   // the folder holds at least one ordinary file
    };

    // The folder as a path: a doubled spelling (every run of backslashes of
    // even length) halved, and a closing backslash added where missing.
    static QString folderOf(const QString& location);

    // A name whose last three characters are exactly "lsp" or "LSP".
    static bool isLispFile(const QString& name);

    // The AutoLISP files among the first `limit` ordinary files of the folder
    // the location names. Raises the files layer's error for a folder that
    // is not there.
    static Listing list(const files::FileSystem& files, const QString& location, int limit = MaxNames);
};

}  // namespace ploven
