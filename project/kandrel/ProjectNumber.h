#pragma once
// What may stand as a project number. A number becomes part of a folder that
// is written into the host's support path, a list separated by ";", and a line
// of the project list: a ";" would split it into two folders there, and a
// control character (a line break among them) would break the list file.

#include <QString>

namespace kandrel {

class ProjectNumber {
public:
    // The warning shown for a number that is refused.
    static const QString Refused;

    static bool acceptable(const QString& number);
};

}  // namespace kandrel
