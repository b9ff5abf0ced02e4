#pragma once
// The Pollent option set: which operations a batch run performs and with which
// parameters. It lives for as long as the program runs and is not stored
// between starts; the options form edits it, the run and the operations read it.

#include <QString>
#include <cstdint>

namespace pollent {

struct OptionSet {
    bool DoBindAll = false;
    bool DoPurge = false;
    bool DoArchive = false;
    bool DoAttributes = false;
    bool DoInsertBlock = false;
    bool DoInsertXref = false;
    bool DoDeleteXref = false;
    bool DoDeleteBlock = false;
    bool UseModelSpace = false;
    bool UsePaperSpace = false;

    QString ArchiveLocation;
    QString ArchiveName;
    // Kept as typed; the insert operations convert it when they run.
    QString InsertScale;
    int16_t InsertX = 0;
    int16_t InsertY = 0;
    int16_t InsertZ = 0;
    QString InsertPath;
    QString DeleteName;

    friend bool operator==(const OptionSet&, const OptionSet&) = default;
};

}  // namespace pollent
