#pragma once
// The host program's plot sink: every plot the host makes is written as a PDF
// into the plot folder, and every preview opens a preview window. The folder's
// plots can be listed for the host to show. A plot that cannot be written
// fails the tool's plot call with the host's general error (the job stays
// recorded) and is reported.

#include "platform/cad/hostview/PlotPreview.h"
#include "platform/cad/standin/PlotSink.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <functional>

namespace hostview {

class PlotOutput : public QObject, public standin::PlotSink {
    Q_OBJECT
public:
    explicit PlotOutput(QString folder, QObject* parent = nullptr);

    const QString& folder() const { return folder_; }
    // The time a plot's file is named after; the current time unless set.
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

    void plotted(const standin::PlotJob& job, const std::shared_ptr<standin::Document>& document) override;
    void previewed(const standin::PlotJob& job, const std::shared_ptr<standin::Document>& document) override;

    // The PDF files of the plot folder, the newest first.
    QStringList plots() const;

signals:
    void plotWritten(const QString& path);
    void plotFailed(const QString& problem);
    // A preview window was opened (it deletes itself when closed).
    void previewOpened(hostview::PlotPreview* preview);

private:
    QString folder_;
    std::function<QDateTime()> clock_;
};

}  // namespace hostview
