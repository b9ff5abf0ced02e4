#pragma once
// The launcher's "User Settings..." form: the programs its icon's left and
// middle double clicks start, the favourites folder and whether the palette
// starts with the launcher. It loads them from the settings each time it
// opens and writes them only when "Save Settings" is pressed.

#include "platform/forms/Form.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarvo {

struct Session;

class FrmPreferences : public forms::Form {
public:
    explicit FrmPreferences(Session& session, QWidget* parent = nullptr);

    // Handlers, entered through the dispatcher.
    void Form_Load() override;
    void CmdLeft_Click();
    void CmdMiddle_Click();
    void CmdFavorites_Click();
    void CmdSaveSettings_Click();

private:
    // The three text rows, in the order they are loaded and saved.
    enum Row { Left, Middle, Favorites, RowCount };

    void layOut();
    void bindEvents();
    void pickProgram(QLineEdit* row);
    // A row the load could not fill is saved only when the user typed into
    // it: a failed load must not turn into blank settings.
    bool keeps(Row row) const;

    Session& session_;
    // Which rows and whether the side bar choice the last load filled.
    std::array<bool, RowCount> loadedRows_{};
    bool sideBarLoaded_ = false;

    QGroupBox* const FrSetting;
    std::array<QLabel*, RowCount> Lbl;
    QLineEdit* const TxtLeft;
    QPushButton* const CmdLeft;
    QLineEdit* const TxtMiddle;
    QPushButton* const CmdMiddle;
    QLineEdit* const TxtFavorites;
    QPushButton* const CmdFavorites;
    QGroupBox* const FrSideBar;
    QRadioButton* const OptSidBar;
    QRadioButton* const OptSideBarOff;
    QPushButton* const CmdSaveSettings;
};

}  // namespace tarvo
