#include "dialogs/HelpWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLocale>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>
#include <iterator>

QPointer<HelpWindow> HelpWindow::instance;

namespace {

const char contentsPage[] = "index.html";

struct ContextPage {
    int context;
    const char *page;
};

// Context numbers are the resource numbers of the dialogs (431 ... 446) and
// the id of the tutorial command (Command::Tutorial).
constexpr ContextPage contextPages[] = {
    {431, "rod-properties.html"},   {432, "options.html"},         {433, "technical-support.html"},
    {434, "calculation-log.html"},  {435, "node-properties.html"}, {436, "errors.html"},
    {437, "statistics.html"},       {438, "about.html"},           {439, "several-nodes.html"},
    {440, "several-rods.html"},     {441, "results-report.html"},  {442, "force.html"},
    {443, "distributed-load.html"}, {444, "moment.html"},          {445, "temperature.html"},
    {446, "displacement.html"},     {40507, "tutorial.html"},
};

// ":/help/x.html" for "qrc:/help/x.html#anchor".
QString resourcePath(const QUrl &page)
{
    return QLatin1Char(':') + page.path();
}

bool pageExists(const QUrl &page)
{
    return page.scheme() == QLatin1String("qrc") && QFile::exists(resourcePath(page));
}

} // namespace

namespace {

// 1 English, 0 Russian, -1 not set by start-up (the default QLocale decides).
int &englishPagesChoice()
{
    static int choice = -1;
    return choice;
}

} // namespace

bool HelpWindow::EnglishPages()
{
    if (englishPagesChoice() >= 0)
        return englishPagesChoice() == 1;
    return QLocale().language() == QLocale::English;
}

void HelpWindow::SetEnglishPages(std::optional<bool> english)
{
    englishPagesChoice() = english ? (*english ? 1 : 0) : -1;
}

QUrl HelpWindow::PageForContext(int context)
{
    const char *name = contentsPage;
    for (const ContextPage &entry : contextPages)
        if (entry.context == context)
            name = entry.page;
    const QString page = QString::fromLatin1(name);
    if (EnglishPages()) {
        // A page without its English twin is still better shown in Russian
        // than replaced by the contents.
        const QUrl english(QStringLiteral("qrc:/help/en/") + page);
        if (pageExists(english))
            return english;
    }
    return QUrl(QStringLiteral("qrc:/help/") + page);
}

HelpWindow *HelpWindow::Instance()
{
    return instance.data();
}

HelpWindow *HelpWindow::Open(int context)
{
    if (!instance)
        instance = new HelpWindow;
    HelpWindow *window = instance.data();
    window->attachToModal();
    window->showPage(PageForContext(context));
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void HelpWindow::retranslate()
{
    setWindowTitle(tr("Справка Руво"));
    backButton->setText(tr("Назад"));
    forwardButton->setText(tr("Вперед"));
    contentsButton->setText(tr("Содержание"));
}

// The help window outlives a change of the installed translators (it is
// made once and reused), so it takes their texts again.
void HelpWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowIcon(QIcon(QStringLiteral(":/icons/help.svg")));
    // Closing the main window ends the program even while help is open.
    setAttribute(Qt::WA_QuitOnClose, false);

    text = new QTextBrowser(this);
    // Links are followed here so that external ones go to the browser and a
    // missing page shows the contents instead of an empty window.
    text->setOpenLinks(false);

    backButton = new QToolButton(this);
    backButton->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    backButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    forwardButton = new QToolButton(this);
    forwardButton->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    forwardButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    contentsButton = new QToolButton(this);
    contentsButton->setIcon(QIcon(QStringLiteral(":/icons/help.svg")));
    contentsButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    retranslate();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(backButton);
    buttons->addWidget(forwardButton);
    buttons->addWidget(contentsButton);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(text);

    connect(backButton, &QToolButton::clicked, text, &QTextBrowser::backward);
    connect(forwardButton, &QToolButton::clicked, text, &QTextBrowser::forward);
    connect(contentsButton, &QToolButton::clicked, this, [this] { showPage(PageForContext(0)); });
    connect(text, &QTextBrowser::backwardAvailable, this, &HelpWindow::updateButtons);
    connect(text, &QTextBrowser::forwardAvailable, this, &HelpWindow::updateButtons);
    connect(text, &QTextBrowser::anchorClicked, this, [this](const QUrl &link) {
        const QUrl target = text->source().resolved(link);
        if (target.scheme() == QLatin1String("qrc"))
            showPage(target);
        else
            QDesktopServices::openUrl(target);
    });

    // The usual browser keys; Escape closes help as it closes a dialog.
    auto *back = new QShortcut(QKeySequence::Back, this);
    connect(back, &QShortcut::activated, text, &QTextBrowser::backward);
    auto *forward = new QShortcut(QKeySequence::Forward, this);
    connect(forward, &QShortcut::activated, text, &QTextBrowser::forward);
    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    resize(760, 600);
    updateButtons();
}

QUrl HelpWindow::currentPage() const
{
    return text->source();
}

void HelpWindow::showPage(const QUrl &page)
{
    QUrl target = pageExists(page) ? page : PageForContext(0);
    if (!pageExists(target)) {
        text->setHtml(tr("<p>Страницы справки не найдены.</p>"));
        return;
    }
    const QUrl current = text->source();
    if (current.adjusted(QUrl::RemoveFragment) == target.adjusted(QUrl::RemoveFragment) &&
        current.fragment() == target.fragment()) {
        // Already there: keep the history as it is, but show the anchor again.
        if (target.hasFragment())
            text->scrollToAnchor(target.fragment());
        return;
    }
    text->setSource(target);
}

void HelpWindow::updateButtons()
{
    backButton->setEnabled(text->isBackwardAvailable());
    forwardButton->setEnabled(text->isForwardAvailable());
}

void HelpWindow::attachToModal()
{
    // An application-modal dialog blocks every window except itself and its
    // children, so help asked for from a dialog must be the dialog's child.
    QWidget *modal = QApplication::activeModalWidget();
    if (modal == this)
        modal = nullptr;
    if (modal == owner.data() && parentWidget() == modal)
        return;
    const QRect placement = geometry();
    const bool wasVisible = isVisible();
    if (owner)
        disconnect(owner, nullptr, this, nullptr);
    setParent(modal, Qt::Window);
    owner = modal;
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        connect(dialog, &QDialog::finished, this, &HelpWindow::detachFromDialog);
    setGeometry(placement);
    if (wasVisible)
        show();
}

void HelpWindow::detachFromDialog()
{
    // The dialog is closing and will soon be deleted: keep the help window
    // open on its own.
    const QRect placement = geometry();
    const bool wasVisible = isVisible();
    if (owner)
        disconnect(owner, nullptr, this, nullptr);
    owner = nullptr;
    setParent(nullptr, Qt::Window);
    setGeometry(placement);
    if (wasVisible)
        show();
}
