#pragma once
// What the programs' copies of the "Pick Files" window differ in, as plain
// data: one window class serves them all, and each program declares its own
// variant in its folder.

#include <QString>

namespace suite {

struct PickFilesVariant {
    // Where the window starts each time it is loaded.
    enum class Start {
        DriveP,         // drive P:'s current folder, else drive C:'s
        StoredFolder,   // the owner's stored start folder, else as CurrentFolder
        CurrentFolder,  // where the drive and folder lists start on their own
    };
    // What a right click on the file list pops up.
    enum class FileMenu { Add, Drive };

    QString formName;
    QString pattern;
    Start start = Start::DriveP;
    // The "P:\" item of the drive menu.
    bool hasMnup = true;
    // A right click on the folder list pops up the drive menu.
    bool dirPopsDriveMenu = true;
    FileMenu fileMenu = FileMenu::Add;
    // A double click on the file list hands the selected files over.
    bool doubleClickAdds = false;
    // The hint "Right Click For Menu:" above the lists.
    bool showMenuHint = false;
    // Accept gives the owner one picked file for its own use instead of
    // handing the selection over to a list.
    bool acceptTakesOne = false;

    bool hasDriveMenu() const { return dirPopsDriveMenu || fileMenu == FileMenu::Drive; }
    bool hasAddMenu() const { return fileMenu == FileMenu::Add; }
};

}  // namespace suite
