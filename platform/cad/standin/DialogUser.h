#pragma once
// The person at the keyboard during a real run with the stand-in host,
// asked through small dialogs.

#include "platform/cad/standin/User.h"

namespace standin {

class DialogUser : public User {
public:
    PointAnswer askPoint(const QString& prompt, const std::optional<cad::Point>& base) override;
    SelectionAnswer askSelection(const std::vector<std::shared_ptr<cad::Entity>>& candidates) override;
};

}  // namespace standin
