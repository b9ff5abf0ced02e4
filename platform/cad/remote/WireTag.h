#pragma once
// The one-byte tags that open each encoded value of a call's body. Numbers are
// little-endian; a string is its UTF-8 length (32 bits) and bytes; a list its
// element count (32 bits) and elements; an object its handle (64 bits) and the
// name of its interface; a callback its id (64 bits).

namespace remote::tag {

inline constexpr char Null = 'N';
inline constexpr char Bool = 'b';
inline constexpr char Int = 'i';
inline constexpr char Double = 'd';
inline constexpr char String = 's';
inline constexpr char Point = 'p';
inline constexpr char Point2 = 'q';
inline constexpr char List = 'l';
inline constexpr char Object = 'o';
inline constexpr char Callback = 'f';

}  // namespace remote::tag
