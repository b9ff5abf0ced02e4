#pragma once
// The named-object tables whose names entities and table entries refer to.

namespace standin {

enum class SymbolKind { Layer = 0, Linetype, TextStyle, DimStyle, Block };
inline constexpr int SymbolKindCount = 5;

}  // namespace standin
