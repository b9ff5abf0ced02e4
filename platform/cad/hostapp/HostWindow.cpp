#include "platform/cad/hostapp/HostWindow.h"

#include "platform/cad/hostapp/CommandLine.h"
#include "platform/cad/hostapp/DocumentActions.h"
#include "platform/cad/hostapp/PlotList.h"
#include "platform/cad/hostview/DrawingView.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/Host.h"
#include "platform/cad/standin/Layout.h"
#include "platform/forms/Dispatcher.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

namespace hostapp {

const QString HostWindow::Title = QStringLiteral("CAD Host");

HostWindow::HostWindow(standin::Host& host, DocumentActions& actions, forms::Dispatcher& dispatcher,
                       const QString& plotFolder, const QString& plotCaption, shell::Shell& shell, QWidget* parent)
    : QMainWindow(parent), host_(host), actions_(actions), dispatcher_(dispatcher), tabs_(new QTabWidget),
      commandLine_(new CommandLine), plotList_(new PlotList(plotFolder, plotCaption, shell)), layer_(new QLabel),
      coordinates_(new QLabel),
      syncTimer_(new QTimer(this))
{
    setObjectName(QStringLiteral("HostWindow"));
    setWindowTitle(Title);
    tabs_->setObjectName(QStringLiteral("Drawings"));
    tabs_->setDocumentMode(true);
    layer_->setObjectName(QStringLiteral("CurrentLayer"));
    coordinates_->setObjectName(QStringLiteral("Coordinates"));

    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(tabs_);
    split->addWidget(commandLine_);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 0);
    split->setCollapsible(0, false);
    split->setCollapsible(1, false);
    setCentralWidget(split);

    auto* dock = new QDockWidget(QStringLiteral("Plots"), this);
    dock->setObjectName(QStringLiteral("PlotsDock"));
    dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    dock->setWidget(plotList_);
    addDockWidget(Qt::RightDockWidgetArea, dock);

    statusBar()->addPermanentWidget(layer_);
    statusBar()->addPermanentWidget(coordinates_);
    buildMenus();

    syncTimer_->setSingleShot(true);
    connect(syncTimer_, &QTimer::timeout, this, dispatcher_.wrap(this, &HostWindow::syncDocuments));
    connect(tabs_, &QTabWidget::currentChanged, this, dispatcher_.wrap(this, &HostWindow::tabChosen));
    resize(1100, 750);
    syncDocuments();
}

HostWindow::~HostWindow() = default;

void HostWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    const auto add = [&](QMenu* menu, const QString& name, const QString& text, void (HostWindow::*handler)(),
                         const QKeySequence& keys = {}) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, dispatcher_.wrap(this, handler));
        return action;
    };
    add(file, QStringLiteral("MnuOpen"), QStringLiteral("&Open..."), &HostWindow::openDrawing, QKeySequence::Open);
    add(file, QStringLiteral("MnuSave"), QStringLiteral("&Save"), &HostWindow::saveDrawing, QKeySequence::Save);
    add(file, QStringLiteral("MnuSaveAs"), QStringLiteral("Save &As..."), &HostWindow::saveDrawingAs);
    add(file, QStringLiteral("MnuClose"), QStringLiteral("&Close"), &HostWindow::closeDrawing);
    file->addSeparator();
    add(file, QStringLiteral("MnuExit"), QStringLiteral("E&xit"), &HostWindow::exitHost);
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    add(view, QStringLiteral("MnuZoomExtents"), QStringLiteral("Zoom &Extents"), &HostWindow::zoomExtents);
    view->addSeparator();
    // The layout's item carries the layout's name once a drawing is shown.
    modelAction_ = add(view, QStringLiteral("MnuModel"), QStringLiteral("&Model"), &HostWindow::showModel);
    layoutAction_ = add(view, QStringLiteral("MnuLayout"), QStringLiteral("Layout1"), &HostWindow::showLayout);
    auto* spaces = new QActionGroup(this);
    for (QAction* action : {modelAction_, layoutAction_}) {
        action->setCheckable(true);
        spaces->addAction(action);
    }
}

std::shared_ptr<standin::Document> HostWindow::activeDocument() const { return host_.active(); }

hostview::DrawingView* HostWindow::viewOf(const standin::Document* document) const
{
    for (int i = 0; i < tabs_->count(); ++i) {
        auto* view = static_cast<hostview::DrawingView*>(tabs_->widget(i));
        if (view->document().get() == document)
            return view;
    }
    return nullptr;
}

int HostWindow::tabCount() const { return tabs_->count(); }

hostview::DrawingView* HostWindow::activeView()
{
    syncDocuments();
    const std::shared_ptr<standin::Document> active = activeDocument();
    return active ? viewOf(active.get()) : nullptr;
}

void HostWindow::scheduleSync()
{
    if (!syncTimer_->isActive())
        syncTimer_->start(SyncDelayMs);
}

hostview::DrawingView* HostWindow::addView(const std::shared_ptr<standin::Document>& document)
{
    auto* view = new hostview::DrawingView;
    view->setObjectName(QStringLiteral("DrawingView"));
    view->setDocument(document);
    view->installEventFilter(this);
    connect(view, &hostview::DrawingView::cursorMoved, this,
            [this](const cad::Point& point) { showCursor(point.x, point.y); });
    tabs_->addTab(view, document->nameRaw());
    if (shown_)
        view->zoomExtents();
    return view;
}

void HostWindow::syncDocuments()
{
    syncTimer_->stop();
    syncing_ = true;
    const std::vector<std::shared_ptr<standin::Document>>& documents = host_.documentList();
    for (int i = tabs_->count() - 1; i >= 0; --i) {
        auto* view = static_cast<hostview::DrawingView*>(tabs_->widget(i));
        const bool open = std::any_of(documents.begin(), documents.end(),
                                      [&](const auto& document) { return document == view->document(); });
        if (!open) {
            tabs_->removeTab(i);
            view->deleteLater();
        }
    }
    for (const auto& document : documents) {
        if (!viewOf(document.get()))
            addView(document);
    }
    for (int i = 0; i < tabs_->count(); ++i) {
        const auto* view = static_cast<hostview::DrawingView*>(tabs_->widget(i));
        const standin::Document& document = *view->document();
        const QString title = document.nameRaw() + (document.drawing()->isModified() ? QStringLiteral("*") : QString());
        if (tabs_->tabText(i) != title)
            tabs_->setTabText(i, title);
    }
    const std::shared_ptr<standin::Document> active = activeDocument();
    hostview::DrawingView* current = active ? viewOf(active.get()) : nullptr;
    if (current && tabs_->currentWidget() != current)
        tabs_->setCurrentWidget(current);
    setWindowTitle(active ? QStringLiteral("%1 - [%2]").arg(Title, active->nameRaw()) : Title);
    showDrawingState(active);
    if (current)
        current->refresh();
    syncing_ = false;
}

void HostWindow::tabChosen(int index)
{
    if (syncing_ || index < 0)
        return;
    auto* view = static_cast<hostview::DrawingView*>(tabs_->widget(index));
    if (view->document() && !view->document()->isClosed())
        host_.makeActive(view->document());
    syncDocuments();
}

void HostWindow::showCursor(double x, double y)
{
    coordinates_->setText(QStringLiteral("%1, %2").arg(x, 0, 'f', 4).arg(y, 0, 'f', 4));
}

void HostWindow::showDrawingState(const std::shared_ptr<standin::Document>& active)
{
    const bool shown = active && !active->isClosed();
    const standin::Drawing* drawing = shown ? active->drawing().get() : nullptr;
    layer_->setText(drawing ? QStringLiteral("Layer: %1").arg(drawing->currentLayer()) : QString());
    modelAction_->setEnabled(drawing);
    layoutAction_->setEnabled(drawing);
    if (!drawing)
        return;
    const QString layout = drawing->paperLayout()->rawName();
    // A name with "&" in it shows the "&", not a shortcut.
    layoutAction_->setText(QString(layout).replace(u'&', QStringLiteral("&&")));
    (drawing->tileMode() ? modelAction_ : layoutAction_)->setChecked(true);
}

void HostWindow::showModel() { showSpace(cad::space::Model); }

void HostWindow::showLayout() { showSpace(cad::space::Paper); }

void HostWindow::showSpace(int space)
{
    const std::shared_ptr<standin::Document> active = activeDocument();
    // Choosing the space already shown leaves a viewport worked in as it is.
    if (active && !active->isClosed() && active->drawing()->tileMode() != (space == cad::space::Model))
        active->setActiveSpace(space);
    syncDocuments();
}

void HostWindow::openDrawing()
{
    actions_.open();
    syncDocuments();
}

void HostWindow::saveDrawing()
{
    if (const auto document = activeDocument())
        actions_.save(document);
    syncDocuments();
}

void HostWindow::saveDrawingAs()
{
    if (const auto document = activeDocument())
        actions_.saveAs(document);
    syncDocuments();
}

void HostWindow::closeDrawing()
{
    if (const auto document = activeDocument())
        actions_.close(document);
    syncDocuments();
}

void HostWindow::zoomExtents()
{
    if (hostview::DrawingView* view = activeView())
        view->zoomExtents();
}

void HostWindow::exitHost()
{
    if (exitHandler_)
        exitHandler_();
}

void HostWindow::closeEvent(QCloseEvent* event)
{
    // The host decides whether it ends (the save questions), not the window.
    event->ignore();
    dispatcher_.run([this] { exitHost(); });
}

void HostWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    // Once the views have their size.
    QTimer::singleShot(0, this, [this] {
        for (int i = 0; i < tabs_->count(); ++i)
            static_cast<hostview::DrawingView*>(tabs_->widget(i))->zoomExtents();
    });
}

bool HostWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Typing in the drawing goes to the command line, as it does in the host.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool control = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (!control && !key->text().isEmpty() && key->text().at(0).isPrint()) {
            commandLine_->typeKey(key->text());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace hostapp
