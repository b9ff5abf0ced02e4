#pragma once
// Text rules for Windows-style paths ("C:\Jobs\a.dwg"): joining, splitting and
// separator clean-up. Pure text: nothing here looks at the disk. "\" and "/"
// both count as separators on input; results use "\".

#include <QString>

namespace files {

class WinPath {
public:
    static bool isSeparator(QChar c) { return c == u'\\' || c == u'/'; }

    // True when the path starts with a drive letter and a colon ("C:", "c:\x").
    static bool hasDrive(const QString& path);

    // The folder, a single "\" and the name; no "\" is doubled when the folder
    // already ends with one or the name starts with one. An empty folder gives
    // the name alone.
    static QString join(const QString& folder, const QString& name);

    // The folder holding the path's last component: "C:\Jobs\a.dwg" -> "C:\Jobs",
    // "C:\Jobs" -> "C:\", "/opt/x" -> "/opt". A root ("C:\", "/") or a bare name
    // has no parent: empty.
    static QString parentFolder(const QString& path);

    // The last component: "C:\Jobs\a.dwg" -> "a.dwg"; empty for a root.
    static QString fileName(const QString& path);

    // The file name without its extension: "a.b.dwg" -> "a.b". A leading dot
    // does not start an extension (".profile" stays whole).
    static QString baseName(const QString& path);

    // The text after the file name's last dot, without the dot: "a.DWG" -> "DWG";
    // empty when there is none.
    static QString extension(const QString& path);

    // Every "/" turned into "\".
    static QString normalise(const QString& path);

private:
    static qsizetype lastSeparator(const QString& path);
    static qsizetype extensionDot(const QString& name);
};

}  // namespace files
