#include "batch/pollent/About.h"

#include "platform/forms/Dispatcher.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pollent {

About::About(forms::Dispatcher& dispatcher)
    : forms::Form(dispatcher),
      Label1(new QLabel(QStringLiteral("Pollent Processor - drawing batch processing,\n"
                                       "part of the Tarvo drafting suite."),
                        this)),
      Label2(new QLabel(QStringLiteral("Questions and suggestions: ask your CAD support desk."), this)),
      Command1(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("About"));
    setCaption(QStringLiteral("About"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Command1->setObjectName(QStringLiteral("Command1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    layout->addLayout(buttons);
    setTwipsSize(5400, 2100);
    connect(Command1, &QPushButton::clicked, this, dispatcher.wrap(this, &About::Command1_Click));
}

void About::Command1_Click() { close(); }

}  // namespace pollent
