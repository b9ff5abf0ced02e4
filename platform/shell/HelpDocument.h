#pragma once
// The suite's help files keep the old help file's name ("TARVOHELP.HLP") but
// are HTML documents of our own. A Linux desktop has no viewer for ".hlp", so
// the shell's default action shows a copy under an ".html" name, which every
// desktop opens in its web browser.

#include <QString>

namespace shell {

class HelpDocument {
public:
    // A path whose file name ends in ".hlp", in any case.
    static bool isHelpFile(const QString& path);

    // The copy of the help file to show: "<name>.html" in `folder` (made when
    // missing), written again whenever the help file changed since. "" when
    // the help file cannot be read or the copy cannot be written.
    static QString viewableCopy(const QString& hostPath, const QString& folder);
};

}  // namespace shell
