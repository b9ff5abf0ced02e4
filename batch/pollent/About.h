#pragma once
// Pollent's About window: a credit line, a contact line and a button that
// closes it.

#include "platform/forms/Form.h"

class QLabel;
class QPushButton;

namespace forms { class Dispatcher; }

namespace pollent {

class About : public forms::Form {
public:
    explicit About(forms::Dispatcher& dispatcher);

    void Command1_Click();

private:
    QLabel* const Label1;
    QLabel* const Label2;
    QPushButton* const Command1;
};

}  // namespace pollent
