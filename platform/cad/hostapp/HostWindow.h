#pragma once
// The host program's window: a tab per open drawing, each with its drawing
// view, the command line under them, the list of plots written beside them,
// the current layer and the coordinates of the pointer in the status bar,
// the File menu (Open, Save, Save As, Close, Exit) and the View menu (Zoom
// Extents, and model space or the layout shown). The tabs follow the host's
// documents, however they were opened or closed (by the person or by a
// tool), and the active tab is the host's active document.

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QTabWidget;
class QTimer;

namespace forms {
class Dispatcher;
}
namespace hostview {
class DrawingView;
}
namespace shell {
class Shell;
}
namespace standin {
class Document;
class Host;
}

namespace hostapp {

class CommandLine;
class DocumentActions;
class PlotList;

class HostWindow : public QMainWindow {
    Q_OBJECT

public:
    static const QString Title;  // "CAD Host"

    // `plotFolder`: the plot folder's host path, shown as `plotCaption`.
    HostWindow(standin::Host& host, DocumentActions& actions, forms::Dispatcher& dispatcher, const QString& plotFolder,
               const QString& plotCaption, shell::Shell& shell, QWidget* parent = nullptr);
    ~HostWindow() override;

    CommandLine& commandLine() const { return *commandLine_; }
    PlotList& plotList() const { return *plotList_; }

    // What Exit and the close box do (the host's end, when the person agrees).
    void setExitHandler(std::function<void()> handler) { exitHandler_ = std::move(handler); }

    // The view of the active drawing, once the tabs show the host's
    // documents; null with no drawing open.
    hostview::DrawingView* activeView();
    hostview::DrawingView* viewOf(const standin::Document* document) const;
    int tabCount() const;

    // Brings the tabs, their titles and views in line with the host's
    // documents: now, or soon after a tool's call (many calls, one update).
    void syncDocuments();
    void scheduleSync();

    // The menu commands.
    void openDrawing();
    void saveDrawing();
    void saveDrawingAs();
    void closeDrawing();
    void zoomExtents();
    // Shows the active drawing's model space or its layout (paper space).
    void showModel();
    void showLayout();
    void exitHost();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int SyncDelayMs = 50;

    void buildMenus();
    void tabChosen(int index);
    void showCursor(double x, double y);
    void showSpace(int space);
    // The current layer and the space shown, of the active drawing.
    void showDrawingState(const std::shared_ptr<standin::Document>& active);
    std::shared_ptr<standin::Document> activeDocument() const;
    hostview::DrawingView* addView(const std::shared_ptr<standin::Document>& document);

    standin::Host& host_;
    DocumentActions& actions_;
    forms::Dispatcher& dispatcher_;
    QTabWidget* const tabs_;
    CommandLine* const commandLine_;
    PlotList* const plotList_;
    QLabel* const layer_;
    QLabel* const coordinates_;
    QAction* modelAction_ = nullptr;
    QAction* layoutAction_ = nullptr;
    QTimer* const syncTimer_;
    std::function<void()> exitHandler_;
    bool syncing_ = false;
    bool shown_ = false;
};

}  // namespace hostapp
