#pragma once
// The numbered errors the CAD host raises, as named constants, and the one way
// host objects raise them. Numbers are the host's own 32-bit codes, written as
// their hexadecimal form so they can be compared with the host's documentation
// of each call.

#include <QString>
#include <cstdint>

namespace cad {

namespace err {
// A point or selection prompt answered without a point (Enter, or a keyword).
inline constexpr int32_t NoPointGiven = static_cast<int32_t>(0x80210020u);
// The call raised an exception inside the host; also the answer to Esc at a
// point prompt and to most refusals that have no code of their own.
inline constexpr int32_t ExceptionOccurred = static_cast<int32_t>(0x80020009u);
// Save of a drawing that is read-only.
inline constexpr int32_t DrawingReadOnly = static_cast<int32_t>(0x80210063u);
// A value the host does not accept: an unknown plot style table, device or
// paper, an out-of-range property, a name that breaks the naming rules.
inline constexpr int32_t InvalidInput = static_cast<int32_t>(0x80200003u);
inline constexpr int32_t PlotStyleRefused = InvalidInput;
// A name already taken in its table (a block for a new xref, a selection set).
inline constexpr int32_t DuplicateRecordName = static_cast<int32_t>(0x80200046u);
// A name looked up in a collection that does not hold it.
inline constexpr int32_t KeyNotFound = static_cast<int32_t>(0x80200014u);
// An index outside a collection.
inline constexpr int32_t InvalidArgument = static_cast<int32_t>(0x80070057u);
// The object lacks the property or method.
inline constexpr int32_t MemberNotSupported = 438;
// A call through an object of a host that has ended, or whose link broke:
// every call through an object obtained from it fails with this from then on.
inline constexpr int32_t RpcServerUnavailable = static_cast<int32_t>(0x800706BAu);
// No host registered under the class name (nothing running, or no factory).
inline constexpr int32_t CannotCreateObject = 429;
}  // namespace err

// The host's description of a number: its own texts for the host codes above,
// the runtime's text for every other number.
QString hostDescription(int32_t number);

[[noreturn]] void raise(int32_t number);
// The description is the host's text followed by the detail, so a report shows
// what was refused.
[[noreturn]] void raise(int32_t number, const QString& detail);

}  // namespace cad
