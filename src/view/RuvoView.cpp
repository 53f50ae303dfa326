#include "view/RuvoView.h"

#include "document/CommandIds.h"
#include "document/RuvoDoc.h"
#include "model/MathException.h"
#include "model/Settings.h"
#include "view/GridDrawing.h"
#include "view/LabelBoard.h"
#include "view/LabelFit.h"
#include "view/ResultDrawing.h"
#include "view/StructureDrawing.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPicture>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// The zoom commands keep the scaled structure between these sizes (pixels).
constexpr long long ZoomInLimit = 10000;
constexpr long long ZoomOutLimit = 100;
// Shear and axial diagrams: the largest end value is this many pixels long.
constexpr int EndValueOrdinate = 50;

int ClampToInt(long long value)
{
    return int(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

} // namespace

RuvoView::RuvoView(RuvoDoc *document, QWidget *parent) : QAbstractScrollArea(parent), doc(document)
{
    setObjectName(QStringLiteral("RuvoView"));
    // Always shown: the bars are set inside paint, and a bar appearing there
    // would resize the area and paint again.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    // paint fills the whole area itself.
    canvas()->setAttribute(Qt::WA_OpaquePaintEvent);
    canvas()->setMouseTracking(true);
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            &RuvoView::horizontalScrollAction);
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, &RuvoView::verticalScrollAction);
    // Releasing the thumb places the view like moving it.
    connect(horizontalScrollBar(), &QAbstractSlider::sliderReleased, this,
            [this] { horizontalScrollAction(QAbstractSlider::SliderMove); });
    connect(verticalScrollBar(), &QAbstractSlider::sliderReleased, this,
            [this] { verticalScrollAction(QAbstractSlider::SliderMove); });
    if (doc != nullptr) {
        connect(doc, &RuvoDoc::viewsUpdated, this, [this](int) { invalidate(); });
        // A rod or a drag anchored on a position must not outlive the
        // structure it was started on.
        connect(doc, &RuvoDoc::positionsChanged, this, &RuvoView::cancelPendingActions);
    }
    setModeCursor(ModeEdit);
}

RuvoView::~RuvoView() = default;

void RuvoView::invalidate()
{
    canvas()->update();
    // Every change of the view's state (mode, zoom, display switches) ends
    // here: the menus and tool bars show it.
    emit commandStatesChanged();
}

void RuvoView::resetInteraction()
{
    currentMode = ModeEdit;
    draggingNode = false;
    rodStarted = false;
    anchorNode = 0;
    ctrlDown = false;
    captured = false;
    setModeCursor(ModeEdit);
}

// --- Commands ---------------------------------------------------------------

bool RuvoView::onCommand(int id)
{
    switch (id) {
    case Command::ZoomIn:
        zoomInCommand();
        return true;
    case Command::ZoomOut:
        zoomOutCommand();
        return true;
    case Command::FitAll:
        fitAllCommand();
        return true;
    case Command::ShowLoads:
        loadsShown = !loadsShown;
        invalidate();
        return true;
    case Command::ShowValues:
        valuesShown = !valuesShown;
        invalidate();
        return true;
    case Command::ShowMoments:
    case Command::ShowShear:
    case Command::ShowAxial:
    case Command::ShowReactions:
    case Command::ShowDisplacements:
        resultCommand(id);
        return true;
    case Command::ModeFreeNode:
    case Command::ModeSupportNode:
    case Command::ModeRod:
    case Command::ModeForce:
    case Command::ModeDistributedLoad:
    case Command::ModeMoment:
    case Command::ModeTemperature:
    case Command::ModeDisplacement:
    case Command::ModeEdit:
    case Command::ModeDelete:
        modeCommand(id);
        return true;
    default:
        return false;
    }
}

bool RuvoView::updateCommand(int id, CommandState &state)
{
    state.enabled = true;
    state.checked = false;
    switch (id) {
    case Command::ZoomIn:
    case Command::ZoomOut:
    case Command::FitAll:
        return true;
    case Command::ShowGrid:
        state.checked = Settings::current().showGrid != 0;
        return true;
    case Command::ShowNumbers:
        state.checked = Settings::current().showNumbers != 0;
        return true;
    case Command::ShowLoads:
        state.checked = loadsShown;
        return true;
    case Command::ShowValues:
        state.checked = valuesShown;
        return true;
    case Command::ShowMoments:
        state.checked = doc != nullptr && doc->display(RuvoDoc::ResultDisplay::Moments) != 0;
        return true;
    case Command::ShowShear:
        state.checked = doc != nullptr && doc->display(RuvoDoc::ResultDisplay::Shear) != 0;
        return true;
    case Command::ShowAxial:
        state.checked = doc != nullptr && doc->display(RuvoDoc::ResultDisplay::Axial) != 0;
        return true;
    case Command::ShowReactions:
        state.checked = doc != nullptr && doc->display(RuvoDoc::ResultDisplay::Reactions) != 0;
        return true;
    case Command::ShowDisplacements:
        state.checked = doc != nullptr && doc->display(RuvoDoc::ResultDisplay::Displacements) != 0;
        return true;
    case Command::ModeFreeNode:
        state.checked = currentMode == ModeFreeNode;
        return true;
    case Command::ModeSupportNode:
        state.checked = currentMode == ModeSupportNode;
        return true;
    case Command::ModeRod:
        state.checked = currentMode == ModeRod;
        return true;
    case Command::ModeForce:
        state.checked = currentMode == ModeForce;
        return true;
    case Command::ModeDistributedLoad:
        state.checked = currentMode == ModeDistributedLoad;
        return true;
    case Command::ModeMoment:
        state.checked = currentMode == ModeMoment;
        return true;
    case Command::ModeTemperature:
        state.checked = currentMode == ModeTemperature;
        return true;
    case Command::ModeDisplacement:
        state.checked = currentMode == ModeDisplacement;
        return true;
    case Command::ModeEdit:
        state.checked = currentMode == ModeEdit;
        return true;
    case Command::ModeDelete:
        state.checked = currentMode == ModeDelete;
        return true;
    default:
        return false;
    }
}

void RuvoView::resultCommand(int id)
{
    if (doc == nullptr)
        return;
    using Display = RuvoDoc::ResultDisplay;
    Display target;
    switch (id) {
    case Command::ShowMoments:
        target = Display::Moments;
        break;
    case Command::ShowShear:
        target = Display::Shear;
        break;
    case Command::ShowAxial:
        target = Display::Axial;
        break;
    case Command::ShowDisplacements:
        target = Display::Displacements;
        break;
    case Command::ShowReactions:
        target = Display::Reactions;
        break;
    default:
        return;
    }
    const int shown = doc->display(target) ? 0 : 1;
    doc->setDisplay(target, shown);
    // Moments, shear, axial forces and displacements exclude each other;
    // the reactions combine with any of them.
    if (target != Display::Reactions) {
        for (Display other : {Display::Moments, Display::Shear, Display::Axial, Display::Displacements})
            if (other != target)
                doc->setDisplay(other, 0);
    }
    // Only switching on calculates, and only when the results are not valid.
    if (shown && !doc->calculate())
        doc->setDisplay(target, 0);
    invalidate();
}

int RuvoView::scaledStructureSize() const
{
    ScaledRect e = port.scaledRect(doc->structure().extents());
    long long height = (long long)e.top - e.bottom;
    long long width = (long long)e.right - e.left;
    return ClampToInt(std::max(height, width));
}

void RuvoView::zoomInCommand()
{
    if (doc == nullptr || !port.isMapped())
        return;
    if (scaledStructureSize() < ZoomInLimit && std::isfinite(port.scale * 2.0)) {
        port.zoomIn();
        invalidate();
    }
}

void RuvoView::zoomOutCommand()
{
    if (doc == nullptr || !port.isMapped())
        return;
    if (scaledStructureSize() > ZoomOutLimit && port.scale * 0.5 > 0.0) {
        port.zoomOut();
        invalidate();
    }
}

void RuvoView::fitAllCommand()
{
    fitAll();
    invalidate();
}

void RuvoView::fitAll()
{
    if (doc == nullptr)
        return;
    QSize size = canvas()->size();
    if (size.width() > 0 && size.height() > 0)
        port.deviceRect = DeviceRect{0, 0, size.width(), size.height()};
    WorldRect r = doc->structure().extents();
    double margin = 0.2 * std::max(r.right - r.left, r.top - r.bottom);
    WorldRect wide{r.left - margin, r.top + margin, r.right + margin, r.bottom - margin};
    // The value labels keep their size in pixels while the structure
    // scales: the fit makes room for them too.
    const bool fitted = FitWithLabels(
        port, wide, [this] { return labelExtents(); }, false);
    if (!fitted && !port.isMapped()) {
        // All nodes at one point and nothing mapped yet: show that point as
        // a single node is shown, 1.4 m around it.
        port.fitTo(WorldRect{r.left - 1.4, r.bottom + 1.4, r.left + 1.4, r.bottom - 1.4});
    }
}

// --- Painting ---------------------------------------------------------------

void RuvoView::paintEvent(QPaintEvent *)
{
    QPainter painter(canvas());
    paintView(painter);
}

void RuvoView::paintView(QPainter &painter)
{
    QSize size = canvas()->size();
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    if (doc == nullptr || size.width() <= 0 || size.height() <= 0)
        return;
    port.prepare(DeviceRect{0, 0, size.width(), size.height()}, 1);

    if (doc->fitRequested()) {
        resetInteraction();
        loadsShown = true;
        valuesShown = true;
        port.unit = 1;
        fitAll();
        doc->fitDone();
    } else if (!port.isMapped()) {
        fitAll();
    }

    try {
        LabelBoard labels(painter);
        drawPicture(painter);
        labels.draw(QRectF(0, 0, size.width(), size.height()));
        drawRubberLines(painter);
        updateScrollBars();
    } catch (const MathException &) {
        // A structure the lists refuse to index (a rod naming a missing node)
        // cannot be drawn further; the picture stays partial rather than the
        // paint failing over and over.
    }
}

void RuvoView::drawPicture(QPainter &painter)
{
    const StructureModel &structure = doc->structure();
    const Settings &settings = Settings::current();
    drawOriginMarker(painter, port);
    if (settings.showGrid)
        drawGrid(painter, port, EffectiveGridStep());
    if (loadsShown)
        drawLoads(painter, port, structure, valuesShown);
    drawStructure(painter, port, structure, settings.showNumbers != 0, true);
    if (doc->display(RuvoDoc::ResultDisplay::Moments))
        drawMoments(painter, port, structure, valuesShown, momentScale.reference(structure));
    else if (doc->display(RuvoDoc::ResultDisplay::Shear))
        drawShear(painter, port, structure, EndValueOrdinate, true, valuesShown);
    else if (doc->display(RuvoDoc::ResultDisplay::Axial))
        drawAxial(painter, port, structure, EndValueOrdinate, true, valuesShown);
    if (doc->display(RuvoDoc::ResultDisplay::Reactions))
        drawReactions(painter, port, structure, valuesShown);
    if (doc->display(RuvoDoc::ResultDisplay::Displacements))
        drawDisplacements(painter, port, structure, valuesShown);
}

QRectF RuvoView::labelExtents()
{
    QPicture picture;
    QPainter painter(&picture);
    LabelBoard labels(painter);
    try {
        drawPicture(painter);
    } catch (const MathException &) {
        return QRectF();
    }
    const double far = 1e9;
    labels.place(QRectF(-far, -far, 2 * far, 2 * far));
    return labels.bounds();
}

void RuvoView::updateScrollBars()
{
    if (!port.isMapped())
        return;
    ScaledRect e = port.scaledRect(doc->structure().extents());
    ScaledRect v = port.scaledRect(port.visibleWorld());
    // Integer arithmetic, division toward zero; the vertical bar runs
    // downward while world y runs upward, hence the mirrored position.
    long long horizontal = ((long long)v.right - v.left) / 2 + v.left;
    long long vertical = (long long)e.top + e.bottom - (((long long)v.top - v.bottom) / 2 + v.bottom);
    QScrollBar *hbar = horizontalScrollBar();
    QScrollBar *vbar = verticalScrollBar();
    QSignalBlocker blockHorizontal(hbar);
    QSignalBlocker blockVertical(vbar);
    hbar->setRange(e.left, e.right);
    hbar->setPageStep(std::max(1, ClampToInt((long long)v.right - v.left)));
    hbar->setValue(ClampToInt(horizontal));
    vbar->setRange(e.bottom, e.top);
    vbar->setPageStep(std::max(1, ClampToInt((long long)v.top - v.bottom)));
    vbar->setValue(ClampToInt(vertical));
}

void RuvoView::scrollContentsBy(int, int) {}

// --- Scrolling, wheel, keys, size ------------------------------------------

void RuvoView::horizontalScrollAction(int action)
{
    if (doc == nullptr || !port.isMapped())
        return;
    WorldRect visible = port.visibleWorld();
    double w = visible.right - visible.left;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        port.panX(-0.1 * w);
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        port.panX(0.1 * w);
        break;
    case QAbstractSlider::SliderPageStepSub:
        port.panX(-0.3 * w);
        break;
    case QAbstractSlider::SliderPageStepAdd:
        port.panX(0.3 * w);
        break;
    case QAbstractSlider::SliderMove:
        // The view is centred on the scaled thumb position.
        port.originX = horizontalScrollBar()->sliderPosition() / port.scale - 0.5 * w;
        break;
    default:
        return;
    }
    invalidate();
}

void RuvoView::verticalScrollAction(int action)
{
    if (doc == nullptr || !port.isMapped())
        return;
    WorldRect visible = port.visibleWorld();
    double h = visible.top - visible.bottom;
    QScrollBar *bar = verticalScrollBar();
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        port.panY(0.1 * h);
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        port.panY(-0.1 * h);
        break;
    case QAbstractSlider::SliderPageStepSub:
        port.panY(0.3 * h);
        break;
    case QAbstractSlider::SliderPageStepAdd:
        port.panY(-0.3 * h);
        break;
    case QAbstractSlider::SliderMove: {
        long long mirrored = (long long)bar->minimum() + bar->maximum() - bar->sliderPosition();
        port.originY = mirrored / port.scale - 0.5 * h;
        break;
    }
    default:
        return;
    }
    invalidate();
}

void RuvoView::wheelEvent(QWheelEvent *event)
{
    QPoint delta = event->angleDelta();
    int notch = delta.y() != 0 ? delta.y() : event->pixelDelta().y();
    if (notch == 0 && (delta.x() != 0 || event->pixelDelta().x() != 0)) {
        event->ignore(); // a sideways wheel is not this view's
        return;
    }
    event->accept();
    if (doc == nullptr || !port.isMapped() || notch == 0)
        return;
    // One tenth of the visible height per message, whatever its size.
    WorldRect visible = port.visibleWorld();
    double h = visible.top - visible.bottom;
    port.panY(notch > 0 ? 0.1 * h : -0.1 * h);
    invalidate();
}

void RuvoView::keyPressEvent(QKeyEvent *event)
{
    bool keypad = event->modifiers() & Qt::KeypadModifier;
    int key = event->key();
    bool handled = true;
    if (key == Qt::Key_Escape) {
        escape();
    } else if (key == Qt::Key_Control) {
        ctrlDown = true;
        handled = false;
    } else if (key == Qt::Key_Plus && keypad) {
        zoomInCommand();
    } else if (key == Qt::Key_Minus && keypad) {
        zoomOutCommand();
    } else if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down) {
        if (doc != nullptr && port.isMapped()) {
            WorldRect visible = port.visibleWorld();
            double w = visible.right - visible.left;
            double h = visible.top - visible.bottom;
            if (key == Qt::Key_Left)
                port.panX(-0.1 * w);
            else if (key == Qt::Key_Right)
                port.panX(0.1 * w);
            else if (key == Qt::Key_Up)
                port.panY(0.1 * h);
            else
                port.panY(-0.1 * h);
            invalidate();
        }
    } else {
        handled = false;
    }
    if (handled)
        event->accept();
    else
        QWidget::keyPressEvent(event); // not the scroll area's: its keys would move the bars
}

void RuvoView::resizeEvent(QResizeEvent *)
{
    // The world stays anchored at the bottom-left corner; more or less of it
    // becomes visible.
    QSize size = canvas()->size();
    if (size.width() != 0 && size.height() != 0) {
        port.deviceRect.right = port.deviceRect.left + size.width();
        port.deviceRect.bottom = port.deviceRect.top + size.height();
        invalidate();
    }
}
