#include "document/RuvoDoc.h"

#include "document/CommandIds.h"
#include "engine/Calculate.h"
#include "engine/StiffnessCalculation.h"
#include "model/CLocale.h"
#include "model/Settings.h"
#include "model/StructureFile.h"
#include "numeric/CalcLog.h"
#include "numeric/Messages.h"

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <new>
#include <string>

namespace {

// Message ids of the string table.
constexpr int CalculationTimeMessage = 50104; // "Время расчета: %10.5g секунд"
constexpr int FileOpenErrorMessage = 50218; // "Ошибка открытия файла!\tФайл %s не может быть открыт"
constexpr int ReadyMessage = 57345;         // "Готов"

// Shows the wait cursor for as long as the object lives, also when a
// calculation leaves by an exception.
class WaitCursor {
public:
    WaitCursor()
    {
        if (qGuiApp != nullptr) {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            active = true;
        }
    }
    ~WaitCursor()
    {
        if (active)
            QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    bool active = false;
};

} // namespace

RuvoDoc::RuvoDoc(QObject *parent) : QObject(parent) {}

RuvoDoc::~RuvoDoc() = default;

void RuvoDoc::newDocument()
{
    // The results flag and the current positions stay as they are. The undo
    // and redo snapshots belong to the old structure: kept, undo would bring
    // it back under the new title and a save would write it there.
    model.clear();
    forgetHistory();
    emit positionsChanged();
    fitOnDraw = true;
    switchResultsOff();
    path.clear();
    setModified(false);
    emit titleChanged(title());
    updateAllViews(0);
}

bool RuvoDoc::openFile(const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        ReportMessage(FileOpenErrorMessage, QFile::encodeName(filePath).constData());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ReportMessage(FileOpenErrorMessage, QFile::encodeName(filePath).constData());
        return false;
    }
    file.close();

    ReportMessages(
        ReadStructure(model, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))).messages);
    // Whatever the reader kept (all of the file, or the lines before a bad
    // one) is a new structure: its old results and displays must not be
    // shown for it, so the hand-over happens after a reported error too.
    needsCalculation = true;
    forgetHistory();
    emit positionsChanged();
    fitOnDraw = true;
    switchResultsOff();
    path = QFileInfo(filePath).absoluteFilePath();
    setModified(false);
    emit titleChanged(title());
    updateAllViews(0);
    return true;
}

bool RuvoDoc::saveFile(const QString &filePath)
{
    const std::string text = WriteStructure(model);
    // The old file is replaced only when the new one is complete.
    // Unbuffered, so that a write cut short by a full disk shows in the
    // count written: a buffered QSaveFile ignores a short flush and would
    // commit the truncated file over the old one.
    QSaveFile file(filePath);
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (written)
        written =
            file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
    if (written)
        written = file.commit();
    else
        file.cancelWriting();
    if (!written) {
        const QByteArray name = QFile::encodeName(QDir::toNativeSeparators(filePath));
        const QByteArray reason = file.error() != QFileDevice::NoError
                                      ? file.errorString().toUtf8()
                                      : tr("записана только часть данных (диск переполнен?)").toUtf8();
        ReportError(qUtf8Printable(tr("Ошибка записи файла!\tФайл %s не сохранен: %s")), name.constData(),
                    reason.constData());
        return false;
    }
    path = QFileInfo(filePath).absoluteFilePath();
    setModified(false);
    emit titleChanged(title());
    updateAllViews(0);
    return true;
}

QString RuvoDoc::title() const
{
    if (path.isEmpty())
        return tr("Новая Конструкция");
    return QFileInfo(path).fileName();
}

void RuvoDoc::setModified(bool value)
{
    if (modified == value)
        return;
    modified = value;
    emit modifiedChanged(modified);
}

bool RuvoDoc::anyResultShown() const
{
    return showMoments || showShear || showAxial || showReactions || showDisplacements;
}

int RuvoDoc::display(ResultDisplay which) const
{
    switch (which) {
    case ResultDisplay::Moments:
        return showMoments;
    case ResultDisplay::Shear:
        return showShear;
    case ResultDisplay::Axial:
        return showAxial;
    case ResultDisplay::Reactions:
        return showReactions;
    case ResultDisplay::Displacements:
        return showDisplacements;
    }
    return 0;
}

void RuvoDoc::setDisplay(ResultDisplay which, int shown)
{
    const int value = shown ? 1 : 0;
    switch (which) {
    case ResultDisplay::Moments:
        showMoments = value;
        break;
    case ResultDisplay::Shear:
        showShear = value;
        break;
    case ResultDisplay::Axial:
        showAxial = value;
        break;
    case ResultDisplay::Reactions:
        showReactions = value;
        break;
    case ResultDisplay::Displacements:
        showDisplacements = value;
        break;
    }
}

void RuvoDoc::switchResultsOff()
{
    showMoments = 0;
    showShear = 0;
    showAxial = 0;
    showReactions = 0;
    showDisplacements = 0;
}

void RuvoDoc::structureChanged()
{
    needsCalculation = true;
    emit positionsChanged();
    // Shown diagrams follow the edit at once; a failure switches them off.
    if (anyResultShown())
        calculate();
    setModified(true);
    updateAllViews(0);
}

bool RuvoDoc::calculate()
{
    WaitCursor waitCursor;
    if (!needsCalculation)
        return true;

    double time = 0.0;
    bool ok = false;
    try {
        ok = Calculate(model, time);
    } catch (const std::bad_alloc &) {
        // The driver reports its own failures; running out of memory for
        // the arrays of a huge structure is the one that can escape it.
        ReportError("%s",
                    qUtf8Printable(tr("Недостаточно памяти!\tКонструкция слишком велика для расчета.")));
    }
    // Preparation reorders the nodes and rods, whether or not the
    // calculation then succeeds.
    emit positionsChanged();
    if (!ok) {
        // The driver has reported the error; the next request calculates again.
        switchResultsOff();
        return false;
    }
    needsCalculation = false;

    char text[256];
    {
        CLocaleScope cLocale;
        std::snprintf(text, sizeof text, LoadString(CalculationTimeMessage), time);
    }
    QString status = QString::fromUtf8(text);
    // Name the method when it is not the usual one, and the rods whose EF
    // was never set.
    if (Settings::current().axialCompliance != 0) {
        status += tr(" (с учетом продольных деформаций)");
        const std::string note = BareAxialRigidityNote(structure(), Settings::current().debugMode);
        if (!note.empty())
            status += QStringLiteral(". ") + QString::fromUtf8(note.c_str());
    }
    emit statusMessage(status);
    return true;
}

void RuvoDoc::saveUndoState()
{
    if (!undoState)
        undoState = std::make_unique<StructureModel>();
    *undoState = model;
    if (!redoState)
        redoState = std::make_unique<StructureModel>();
    redoState->clear();
}

void RuvoDoc::forgetHistory()
{
    if (undoState)
        undoState->clear();
    if (redoState)
        redoState->clear();
    // The time of the last calculation was that of the old structure.
    emit statusMessage(QString::fromUtf8(LoadString(ReadyMessage)));
}

bool RuvoDoc::canUndo() const
{
    return undoState && undoState->elementCount() > 0;
}

bool RuvoDoc::canRedo() const
{
    return redoState && redoState->elementCount() > 0;
}

void RuvoDoc::undo()
{
    if (!undoState)
        undoState = std::make_unique<StructureModel>();
    if (undoState->elementCount() == 0)
        return;
    if (!redoState)
        redoState = std::make_unique<StructureModel>();
    *redoState = model;
    model.nodes = undoState->nodes;
    model.rods = undoState->rods;
    undoState->clear();
    structureChanged();
}

void RuvoDoc::redo()
{
    if (!redoState)
        redoState = std::make_unique<StructureModel>();
    if (redoState->elementCount() == 0)
        return;
    if (!undoState)
        undoState = std::make_unique<StructureModel>();
    *undoState = model;
    model.nodes = redoState->nodes;
    model.rods = redoState->rods;
    redoState->clear();
    structureChanged();
}

void RuvoDoc::deselectAll()
{
    model.deselectAll();
}

void RuvoDoc::selectNode(int node, bool flag)
{
    if (flag)
        model.nodes[node].select();
    else
        model.nodes[node].deselect();
}

void RuvoDoc::selectRod(int rod, bool flag)
{
    if (flag)
        model.rods[rod].select();
    else
        model.rods[rod].deselect();
}

void RuvoDoc::updateAllViews(int hint)
{
    emit viewsUpdated(hint);
}

void RuvoDoc::setStructure(const StructureModel &structure)
{
    model = structure;
    needsCalculation = true;
    emit positionsChanged();
}
