#include "shared/SingleDocumentMode.h"

#include "platform/cad/Application.h"
#include "platform/cad/Document.h"
#include "platform/cad/Documents.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/Convert.h"
#include "platform/runtime/PassOver.h"
#include "shared/AcadConnection.h"

#include <QVariant>

namespace suite {

namespace {

const QString Sdi = QStringLiteral("SDI");

// An Integer from whatever the host hands back: numbers round half to even,
// text must hold a number.
int16_t toInteger(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return runtime::toInt16(value.toDouble());
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return runtime::toInt16(double(value.toLongLong()));
    default:
        return runtime::toInt16(value.toString());
    }
}

}  // namespace

int16_t SingleDocumentMode::current() const { return toInteger(connection_.doc().getVariable(Sdi)); }

int16_t SingleDocumentMode::save()
{
    saved_ = current();
    return *saved_;
}

bool SingleDocumentMode::switchOn(forms::Interaction& ui, const QString& closeThem)
{
    return !saved_ || switchOn(ui, closeThem, *saved_);
}

bool SingleDocumentMode::switchOn(forms::Interaction& ui, const QString& closeThem, int16_t current)
{
    if (current != 0)
        return true;
    cad::Document& document = connection_.doc();
    if (document.application()->documents()->count() >= 2) {
        ui.msgBox(closeThem, forms::msgbox::Information);
        return false;
    }
    document.setVariable(Sdi, QVariant::fromValue<qint16>(1));
    return true;
}

void SingleDocumentMode::putBack()
{
    if (saved_)
        connection_.doc().setVariable(Sdi, QVariant::fromValue<qint16>(*saved_));
}

void SingleDocumentMode::putBackPassingOver()
{
    runtime::passOver([this] { putBack(); });
}

}  // namespace suite
