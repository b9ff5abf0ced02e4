#pragma once
// Gives texts a new height and, where asked, a new text style. Texts are the
// objects whose class is "AcDbText" or "AcDbMText"; everything else is left
// alone.

#include <QString>

namespace cad { class Block; class Document; class Entity; }

namespace pemmit {

class TextHeights {
public:
    static bool isText(const cad::Entity& object);
    static bool hasStyle(const cad::Document& doc, const QString& style);

    // Height, then the style when one is given, then a refresh.
    static void change(cad::Entity& text, double height, const QString& style);
    // Every text of the space; answers how many there were.
    static int changeAll(const cad::Block& space, double height, const QString& style);
};

}  // namespace pemmit
