#pragma once
// ImageList1 of the main window: the small icons of its two lists, image 1 for
// a drawing and image 2 for an operation, drawn here rather than loaded from
// files.

#include <QIcon>

namespace pollent {

class ImageList {
public:
    static constexpr int Drawing = 1;
    static constexpr int Operation = 2;
    static constexpr int Size = 16;

    ImageList();

    // 1-based, as the lists count their images.
    const QIcon& image(int index) const { return index == Drawing ? drawing_ : operation_; }

private:
    static QIcon drawDrawing();
    static QIcon drawOperation();

    QIcon drawing_;
    QIcon operation_;
};

}  // namespace pollent
