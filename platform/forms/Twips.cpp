#include "platform/forms/Twips.h"

#include <QWidget>

namespace forms {

void placeTwips(QWidget* widget, int left, int top, int width, int height)
{
    if (widget)
        widget->setGeometry(twipsRect(left, top, width, height));
}

}  // namespace forms
