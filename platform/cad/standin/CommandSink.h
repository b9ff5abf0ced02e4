#pragma once
// Whoever runs the text a tool sends to the host's command line (SendCommand)
// the way the person's typing runs. The host program's command line is one;
// without one (the tests' host) the host only starts the command the text
// names, telling the command-start event's subscribers.

#include <QString>

namespace standin {

class Document;

class CommandSink {
public:
    virtual ~CommandSink() = default;
    // Called after the call was journalled and checked; may raise the host's
    // errors back to the tool.
    virtual void sendCommand(Document& document, const QString& text) = 0;
};

}  // namespace standin
