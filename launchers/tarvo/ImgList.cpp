#include "launchers/tarvo/ImgList.h"

#include <QApplication>
#include <QStyle>

namespace tarvo {

ImgList::ImgList()
{
    QStyle* style = QApplication::style();
    images_ = {style->standardIcon(QStyle::SP_DialogCloseButton), style->standardIcon(QStyle::SP_DirIcon),
               style->standardIcon(QStyle::SP_FileIcon), style->standardIcon(QStyle::SP_DialogHelpButton)};
}

QIcon ImgList::image(int number) const
{
    return number >= 1 && number <= images_.size() ? images_[number - 1] : QIcon();
}

}  // namespace tarvo
