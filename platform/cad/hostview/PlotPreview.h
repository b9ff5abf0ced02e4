#pragma once
// The preview window of one plot: the sheet as the plot puts it on paper,
// drawn on a white page that fills the window (less a margin) on a grey
// ground. It holds the drawing, so it can be shown for as long as the person
// wants; Esc closes it.

#include "platform/cad/hostview/PlotSheet.h"
#include "platform/cad/standin/PlotJob.h"

#include <QWidget>
#include <memory>

namespace standin {
class Drawing;
}

namespace hostview {

class PlotPreview : public QWidget {
    Q_OBJECT
public:
    PlotPreview(const standin::PlotJob& job, std::shared_ptr<standin::Drawing> drawing, QWidget* parent = nullptr);

    const standin::PlotJob& job() const { return job_; }
    const PlotSheet& sheet() const { return sheet_; }
    // Where the page lies in the window.
    QRectF pageRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    standin::PlotJob job_;
    std::shared_ptr<standin::Drawing> drawing_;
    PlotSheet sheet_;
};

}  // namespace hostview
