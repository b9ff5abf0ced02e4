#pragma once
// The browser's preview box: a drawing's thumbnail painted 5 pixels in from
// the box's top left corner, or the words "No Preview" at its top left in the
// box's own font, or nothing after it was cleared.

#include <QImage>
#include <QWidget>

namespace fentrow {

class PreviewBox : public QWidget {
public:
    static constexpr int Inset = 5;
    static const QString NoPreview;

    explicit PreviewBox(QWidget* parent = nullptr);

    void clear();
    void showImage(const QImage& image);
    void showNoPreview();

    const QImage& image() const { return image_; }
    // The words shown in place of an image; empty when there are none.
    const QString& text() const { return text_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    QString text_;
};

}  // namespace fentrow
