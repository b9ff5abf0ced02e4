#include "platform/runtime/Error.h"

namespace runtime {

namespace {
std::string makeWhat(int32_t number, const QString& description)
{
    return "Run-time error '" + std::to_string(number) + "': " + description.toStdString();
}
}  // namespace

Error::Error(int32_t number) : Error(number, defaultDescription(number)) {}

Error::Error(int32_t number, QString description)
    : number_(number), description_(std::move(description)), what_(makeWhat(number_, description_))
{
}

void raise(int32_t number) { throw Error(number); }

void raise(int32_t number, const QString& description) { throw Error(number, description); }

QString defaultDescription(int32_t number)
{
    switch (number) {
    case 3: return QStringLiteral("Return without GoSub");
    case 5: return QStringLiteral("Invalid procedure call or argument");
    case 6: return QStringLiteral("Overflow");
    case 7: return QStringLiteral("Out of memory");
    case 9: return QStringLiteral("Subscript out of range");
    case 11: return QStringLiteral("Division by zero");
    case 13: return QStringLiteral("Type mismatch");
    case 52: return QStringLiteral("Bad file name or number");
    case 53: return QStringLiteral("File not found");
    case 55: return QStringLiteral("File already open");
    case 57: return QStringLiteral("Device I/O error");
    case 58: return QStringLiteral("File already exists");
    case 61: return QStringLiteral("Disk full");
    case 62: return QStringLiteral("Input past end of file");
    case 67: return QStringLiteral("Too many files");
    case 68: return QStringLiteral("Device unavailable");
    case 70: return QStringLiteral("Permission denied");
    case 71: return QStringLiteral("Disk not ready");
    case 75: return QStringLiteral("Path/File access error");
    case 76: return QStringLiteral("Path not found");
    case 91: return QStringLiteral("Object variable or With block variable not set");
    case 94: return QStringLiteral("Invalid use of Null");
    case 380: return QStringLiteral("Invalid property value");
    case 424: return QStringLiteral("Object required");
    case 429: return QStringLiteral("ActiveX component can't create object");
    case 438: return QStringLiteral("Object doesn't support this property or method");
    case 440: return QStringLiteral("Automation error");
    case 462: return QStringLiteral("The remote server machine does not exist or is unavailable");
    case -2145320928: return QStringLiteral("User input is a keyword");
    case -2147352567: return QStringLiteral("Exception occurred.");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

}  // namespace runtime
