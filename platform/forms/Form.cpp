#include "platform/forms/Form.h"

#include "platform/forms/Dispatcher.h"
#include "platform/forms/Twips.h"

#include <QCloseEvent>

namespace forms {

Form::Form(Dispatcher& dispatcher, QWidget* parent) : QWidget(parent, Qt::Window), dispatcher_(dispatcher)
{
    dispatcher_.addForm(this);
}

Form::~Form() { dispatcher_.removeForm(this); }

void Form::setTwipsSize(int width, int height) { resize(twipsToPixels(width), twipsToPixels(height)); }

void Form::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    Form_Load();
}

bool Form::unload() { return close(); }

void Form::setVisible(bool visible)
{
    if (visible)
        load();
    QWidget::setVisible(visible);
}

void Form::closeEvent(QCloseEvent* event)
{
    // Once the program has ended a form closes without asking.
    bool cancel = false;
    dispatcher_.run([&] { Form_Unload(cancel); });
    // A handler that ended the program has its form closed whatever it set.
    if (cancel && !dispatcher_.ended()) {
        event->ignore();
        return;
    }
    event->accept();
    loaded_ = false;
    dispatcher_.formUnloaded();
}

void Form::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (loaded_)
        dispatcher_.run([this] { Form_Resize(); });
}

void Form::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && loaded_)
        dispatcher_.run([this] { Form_Resize(); });
}

}  // namespace forms
