#pragma once
// What the host's command line makes of an AutoLISP expression. The stand-in
// host evaluates no AutoLISP; it knows the one expression the tools send,
// (load "file"): it finds the file as the host would (the name as given, with
// ".lsp" added when it has no extension; a name without a folder in the
// working folder and then along the support path) and answers the line the
// command line shows: the file it loads, or the load's error. Any other
// function is one it has no definition of.

#include <QString>
#include <QStringList>

namespace files {
class FileSystem;
}

namespace hostapp {

class LispExpression {
public:
    // `searchFolders`: the working folder, then the support path's folders.
    static QString evaluate(const QString& expression, const files::FileSystem& files, const QStringList& searchFolders);

    // The file (load "name") finds; empty when there is none.
    static QString findFile(const QString& name, const files::FileSystem& files, const QStringList& searchFolders);
};

}  // namespace hostapp
