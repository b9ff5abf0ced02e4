#include "platform/cad/standin/DialogUser.h"

#include "platform/cad/standin/PointDialog.h"
#include "platform/cad/standin/SelectionDialog.h"

namespace standin {

PointAnswer DialogUser::askPoint(const QString& prompt, const std::optional<cad::Point>& base)
{
    PointDialog dialog(prompt, base);
    return dialog.ask();
}

SelectionAnswer DialogUser::askSelection(const std::vector<std::shared_ptr<cad::Entity>>& candidates)
{
    SelectionDialog dialog(candidates);
    return dialog.ask();
}

}  // namespace standin
