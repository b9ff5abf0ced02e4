#pragma once
// A numbered run-time error: the one way every platform and host call reports
// failure. Handlers trap it the way their routine is described; an untrapped one
// reaches the dispatch wrapper, which shows the runtime's default report.

#include <QString>
#include <cstdint>
#include <exception>
#include <string>

namespace runtime {

class Error : public std::exception {
public:
    // The description defaults to the runtime's own text for the number.
    explicit Error(int32_t number);
    Error(int32_t number, QString description);

    int32_t number() const noexcept { return number_; }
    const QString& description() const noexcept { return description_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    int32_t number_;
    QString description_;
    std::string what_;
};

[[noreturn]] void raise(int32_t number);
[[noreturn]] void raise(int32_t number, const QString& description);

// The runtime's usual description of a number; "Application-defined or
// object-defined error" for numbers it has no text for.
QString defaultDescription(int32_t number);

// Thrown to end the program. It unwinds to the dispatch wrapper (or main), which
// leaves the event loop; nothing calls exit() inside a handler.
struct ProgramEnd {
    int exitCode = 0;
};

// Error numbers the programs meet or test.
namespace err {
inline constexpr int32_t InvalidProcedureCall = 5;
inline constexpr int32_t Overflow = 6;
inline constexpr int32_t SubscriptOutOfRange = 9;
inline constexpr int32_t TypeMismatch = 13;
inline constexpr int32_t BadFileNameOrNumber = 52;
inline constexpr int32_t FileNotFound = 53;
inline constexpr int32_t DiskFull = 61;
inline constexpr int32_t DeviceUnavailable = 68;
inline constexpr int32_t PermissionDenied = 70;
inline constexpr int32_t PathFileAccessError = 75;
inline constexpr int32_t PathNotFound = 76;
inline constexpr int32_t ObjectVariableNotSet = 91;
inline constexpr int32_t CannotCreateObject = 429;
inline constexpr int32_t MemberNotSupported = 438;
}  // namespace err

}  // namespace runtime
