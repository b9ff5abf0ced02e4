#pragma once
// Turns the Windows-style paths the programs use into host paths that a Qt
// dialog can show, and the host path the user picked back again.

#include <QString>

namespace forms {

class PathMapper {
public:
    virtual ~PathMapper() = default;

    virtual QString toHost(const QString& windowsPath) const = 0;
    virtual QString fromHost(const QString& hostPath) const = 0;
};

}  // namespace forms
