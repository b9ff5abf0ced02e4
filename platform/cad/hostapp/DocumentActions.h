#pragma once
// What the person does to whole drawings from the host's window: open, save,
// save under another name, close, and the question before changes would be
// lost ("Save changes to A101.dwg?" with Yes, No and Cancel), asked for each
// changed drawing at a close and at the host's end. Nothing is saved unless
// the person says so. Failures are shown in a box; the drawing stays open.

#include <QString>
#include <memory>

namespace forms {
class Interaction;
}
namespace standin {
class Document;
class Host;
}

namespace hostapp {

class DocumentActions {
public:
    DocumentActions(standin::Host& host, forms::Interaction& ui, QString workingFolder);

    void open();
    // False when nothing was saved (cancelled or failed).
    bool save(const std::shared_ptr<standin::Document>& document);
    bool saveAs(const std::shared_ptr<standin::Document>& document);
    // False when the person kept the drawing open.
    bool close(const std::shared_ptr<standin::Document>& document);
    // Asks about the document's unsaved changes; false when the person
    // cancels (or a save they asked for failed).
    bool askToSave(const std::shared_ptr<standin::Document>& document);
    // Asks about every changed drawing; false when the host is to go on.
    bool confirmEnd();

private:
    void report(const QString& text);

    standin::Host& host_;
    forms::Interaction& ui_;
    QString workingFolder_;
};

}  // namespace hostapp
