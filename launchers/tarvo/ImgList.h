#pragma once
// The launcher window's image list: the small pictures its menu items carry,
// numbered from 1 as the menu asks for them ("Exit..." 1, "Explore
// Favorites..." 2, "Help..." 4).

#include <QIcon>
#include <QList>

namespace tarvo {

class ImgList {
public:
    static constexpr int Exit = 1;
    static constexpr int Favorites = 2;
    static constexpr int Drawing = 3;
    static constexpr int Help = 4;

    ImgList();

    // Image `number` (1 to 4); a null icon for any other number.
    QIcon image(int number) const;

private:
    QList<QIcon> images_;
};

}  // namespace tarvo
