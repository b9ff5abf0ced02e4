#pragma once
// The open documents of the application.

#include "platform/cad/Collection.h"
#include "platform/cad/Document.h"

namespace cad {

class Documents : public Collection<Document> {
public:
    // A new document from a template (empty: the default drawing), made active.
    virtual std::shared_ptr<Document> add(const QString& templatePath = QString()) = 0;
};

}  // namespace cad
