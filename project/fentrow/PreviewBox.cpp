#include "project/fentrow/PreviewBox.h"

#include <QPainter>

namespace fentrow {

const QString PreviewBox::NoPreview = QStringLiteral("No Preview");

PreviewBox::PreviewBox(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void PreviewBox::clear()
{
    image_ = QImage();
    text_.clear();
    update();
}

void PreviewBox::showImage(const QImage& image)
{
    image_ = image;
    text_.clear();
    update();
}

void PreviewBox::showNoPreview()
{
    image_ = QImage();
    text_ = NoPreview;
    update();
}

QSize PreviewBox::sizeHint() const { return QSize(190 + 2 * Inset, 160 + 2 * Inset); }

void PreviewBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!image_.isNull())
        painter.drawImage(QPoint(Inset, Inset), image_);
    else if (!text_.isEmpty())
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop, text_);
}

}  // namespace fentrow
