#include "platform/shell/ShellCall.h"

#include <ostream>

namespace shell {

const char* kindName(ShellCall::Kind kind)
{
    using K = ShellCall::Kind;
    switch (kind) {
    case K::StartProgram: return "StartProgram";
    case K::OpenDocument: return "OpenDocument";
    case K::Explore: return "Explore";
    case K::ShowHelp: return "ShowHelp";
    case K::ProgramIcon: return "ProgramIcon";
    case K::KnownFolder: return "KnownFolder";
    case K::AddRecentDocument: return "AddRecentDocument";
    case K::MakeLink: return "MakeLink";
    case K::ClearClipboard: return "ClearClipboard";
    case K::SetClipboardText: return "SetClipboardText";
    case K::ClipboardText: return "ClipboardText";
    case K::Rnd: return "Rnd";
    case K::Sleep: return "Sleep";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& out, const ShellCall& call)
{
    return out << kindName(call.kind) << "(\"" << call.text.toStdString() << "\", " << call.number
               << ")";
}

}  // namespace shell
