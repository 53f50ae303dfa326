// The file commands of the main frame: new, open, save, save as, the recent
// files, the "Save changes" prompt and the window placement.

#include "app/MainFrame.h"
#include "app/SettingsStore.h"
#include "app/WindowPlacement.h"
#include "document/CommandIds.h"
#include "document/RuvoDoc.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>

namespace {

const char *const FileFilter = QT_TRANSLATE_NOOP("MainFrame", "Конструкция (*.str)");
const char *const FileExtension = "str";
constexpr int RecentFileTextWidth = 400; // pixels of a path in the File menu

QSettings Store()
{
    return QSettings(SettingsStore::organizationName(), SettingsStore::applicationName());
}

} // namespace

bool MainFrame::maybeSave()
{
    if (!doc->isModified())
        return true;
    QMessageBox box(QMessageBox::Warning, tr("Руво"), tr("Сохранить изменения в %1?").arg(doc->title()),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return save();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

bool MainFrame::newFile()
{
    if (!maybeSave())
        return false;
    doc->newDocument();
    return true;
}

bool MainFrame::openFile(const QString &path)
{
    if (!maybeSave())
        return false;
    return loadFile(path);
}

bool MainFrame::openFileWithDialog()
{
    if (!maybeSave())
        return false;
    const QString directory =
        doc->filePath().isEmpty() ? QDir::homePath() : QFileInfo(doc->filePath()).path();
    const QString path = QFileDialog::getOpenFileName(this, tr("Открыть"), directory, tr(FileFilter));
    if (path.isEmpty())
        return false;
    return loadFile(path);
}

bool MainFrame::loadFile(const QString &path)
{
    if (!doc->openFile(path)) {
        // A file that cannot be opened leaves the list of recent files.
        recent.remove(path);
        storeRecentFiles();
        return false;
    }
    recent.add(doc->filePath());
    storeRecentFiles();
    return true;
}

bool MainFrame::save()
{
    if (doc->filePath().isEmpty())
        return saveAsWithDialog();
    return saveAs(doc->filePath());
}

bool MainFrame::saveAs(const QString &path)
{
    if (!doc->saveFile(path))
        return false;
    recent.add(doc->filePath());
    storeRecentFiles();
    return true;
}

bool MainFrame::saveAsWithDialog()
{
    const QString suggested = doc->filePath().isEmpty()
                                  ? QDir::home().filePath(doc->title() + QStringLiteral(".str"))
                                  : doc->filePath();
    QString path = QFileDialog::getSaveFileName(this, tr("Сохранить как"), suggested, tr(FileFilter));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QLatin1String(FileExtension);
    return saveAs(path);
}

void MainFrame::openRecentFile(int index)
{
    if (index < 0 || index >= recent.files().size())
        return;
    openFile(recent.files().at(index));
}

void MainFrame::storeRecentFiles()
{
    QSettings store = Store();
    recent.save(store);
    updateRecentFileActions();
}

void MainFrame::updateRecentFileActions()
{
    const QStringList &files = recent.files();
    const QFontMetrics metrics(font());
    for (int i = 0; i < RecentFiles::MaximumCount; ++i) {
        QAction *entry = action(Command::FileMru1 + i);
        if (i < files.size()) {
            const QString shown =
                metrics.elidedText(QDir::toNativeSeparators(files[i]), Qt::ElideMiddle, RecentFileTextWidth);
            // "&" would be taken for a mnemonic.
            entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(
                QString(shown).replace(QLatin1Char('&'), QLatin1String("&&"))));
            entry->setStatusTip(tr("Открыть %1").arg(QDir::toNativeSeparators(files[i])));
            entry->setVisible(true);
            entry->setEnabled(true);
        } else {
            entry->setVisible(false);
        }
    }
    noRecentFiles->setVisible(files.isEmpty());
}

void MainFrame::restorePlacement()
{
    QSettings store = Store();
    const WindowPlacement placement = WindowPlacement::load(store);
    QRect rect = placement.normal;
    // A rectangle left on a screen that is gone comes back to the top left
    // of the primary screen.
    bool visible = false;
    for (const QScreen *screen : QGuiApplication::screens())
        visible = visible || screen->availableGeometry().intersects(rect);
    if (!visible && QGuiApplication::primaryScreen() != nullptr)
        rect.moveTopLeft(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    setGeometry(rect);
    maximizedAtStart = placement.maximized;
}

void MainFrame::showAtStart()
{
    if (maximizedAtStart)
        showMaximized();
    else
        showNormal();
}

void MainFrame::savePlacement()
{
    WindowPlacement placement;
    placement.maximized = isMaximized();
    placement.normal = placement.maximized ? normalGeometry() : geometry();
    QSettings store = Store();
    placement.save(store);
}
