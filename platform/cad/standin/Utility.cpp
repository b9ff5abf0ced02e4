#include "platform/cad/standin/Utility.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/HostContext.h"
#include "platform/cad/standin/User.h"

#include <cmath>

namespace standin {

Utility::Utility(std::weak_ptr<Document> document, std::shared_ptr<HostContext> context)
    : document_(std::move(document)), context_(std::move(context))
{
}

cad::Point Utility::getPoint(const std::optional<cad::Point>& base, const QString& prompt)
{
    const std::shared_ptr<Document> document = Document::lockOpen(document_);
    context_->act(QStringLiteral("Utility.GetPoint"), prompt);
    User* user = context_->user();
    if (!user)
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("no one answers the prompt"));
    context_->setAppVariable(QStringLiteral("LASTPROMPT"), prompt);
    const PointAnswer answer = user->askPoint(prompt, base);
    switch (answer.kind) {
    case PointAnswer::Kind::Enter:
        cad::raise(cad::err::NoPointGiven);
    case PointAnswer::Kind::Cancel:
        // Assumption: Esc at a point prompt fails the call with the host's
        // general exception error, and the command line shows "*Cancel*".
        context_->setAppVariable(QStringLiteral("LASTPROMPT"), CancelPrompt);
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("the prompt was cancelled"));
    case PointAnswer::Kind::Point:
        break;
    }
    cad::Point point = answer.point;
    // Assumption: with ortho mode on, a point picked against a base point is
    // moved onto the horizontal or vertical through the base, whichever is
    // nearer to it. Typed coordinates are not moved.
    if (base && !answer.typed && document->drawing()->variable(QStringLiteral("ORTHOMODE")).toInt() == 1) {
        if (std::abs(point.x - base->x) >= std::abs(point.y - base->y))
            point.y = base->y;
        else
            point.x = base->x;
    }
    return point;
}

}  // namespace standin
