#include "dialogs/HelpWindow.h"

#include "dialogs/ShowHelp.h"
#include "view/CommandTable.h"
#include "view/CursorHotspots.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <string_view>

// Readable URLs in failure messages.
void PrintTo(const QUrl &url, std::ostream *out)
{
    *out << url.toString().toStdString();
}

namespace {

QString readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString pagePath(const QUrl &page)
{
    return QLatin1Char(':') + page.path();
}

// The pages of one language: ":/help" (Russian) or ":/help/en" (English).
QStringList helpPagesIn(const QString &folder)
{
    QStringList pages;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files))
        pages << folder + QLatin1Char('/') + name;
    return pages;
}

QStringList helpPages()
{
    return helpPagesIn(QStringLiteral(":/help")) + helpPagesIn(QStringLiteral(":/help/en"));
}

// Every anchor a page defines with id="..." or name="...".
QSet<QString> anchorsOf(const QString &html)
{
    static const QRegularExpression anchor(QStringLiteral(R"re((?:\bid|\bname)\s*=\s*"([^"]+)")re"));
    QSet<QString> anchors;
    for (auto it = anchor.globalMatch(html); it.hasNext();)
        anchors.insert(it.next().captured(1));
    return anchors;
}

QStringList linksOf(const QString &html)
{
    static const QRegularExpression link(QStringLiteral(R"re(\b(?:href|src)\s*=\s*"([^"]*)")re"));
    QStringList links;
    for (auto it = link.globalMatch(html); it.hasNext();)
        links << it.next().captured(1);
    return links;
}

// Every link of a page resolved against the page, without duplicates.
QSet<QString> targetsOf(const QString &path)
{
    const QUrl base(QStringLiteral("qrc") + path);
    QSet<QString> targets;
    for (const QString &link : linksOf(readResource(path)))
        targets.insert(base.resolved(QUrl(link)).toString());
    return targets;
}

// What one set has and the other lacks, for failure messages.
std::string difference(const QSet<QString> &actual, const QSet<QString> &expected)
{
    QStringList lines;
    for (const QString &item : actual - expected)
        lines << QStringLiteral("extra ") + item;
    for (const QString &item : expected - actual)
        lines << QStringLiteral("missing ") + item;
    return lines.join(QLatin1Char('\n')).toStdString();
}

bool hasCyrillic(const QString &text)
{
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    return text.contains(cyrillic);
}

// Russian words in a page outside <code> (where file names such as the
// settings file's stay as they are on disk).
bool hasRussianProse(QString html)
{
    static const QRegularExpression code(QStringLiteral("<code>.*?</code>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    return hasCyrillic(html.remove(code));
}

class HelpWindowTest : public ::testing::Test {
protected:
    void TearDown() override { delete HelpWindow::Instance(); }
};

// The interface language for one test: start-up sets the default locale.
class EnglishHelpWindowTest : public HelpWindowTest {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void TearDown() override
    {
        HelpWindowTest::TearDown();
        QLocale::setDefault(previous);
    }

private:
    QLocale previous;
};

} // namespace

TEST_F(HelpWindowTest, EveryContextOpensItsOwnExistingPage)
{
    const int contexts[] = {0,   431, 432, 433, 434, 435, 436, 437, 438,
                            439, 440, 441, 442, 443, 444, 445, 446, 40507};
    QSet<QString> seen;
    for (int context : contexts) {
        SCOPED_TRACE(context);
        ShowHelp(context);
        HelpWindow *window = HelpWindow::Instance();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        const QUrl page = window->currentPage();
        EXPECT_EQ(page, HelpWindow::PageForContext(context));
        EXPECT_TRUE(QFile::exists(pagePath(page))) << page.toString().toStdString();
        EXPECT_FALSE(window->browser()->document()->toPlainText().trimmed().isEmpty());
        EXPECT_FALSE(window->browser()->documentTitle().isEmpty());
        // Each dialog has a page of its own.
        EXPECT_FALSE(seen.contains(page.toString())) << page.toString().toStdString();
        seen.insert(page.toString());
    }
}

TEST_F(EnglishHelpWindowTest, EnglishInterfaceShowsTheEnglishPageOfEveryContext)
{
    ASSERT_TRUE(HelpWindow::EnglishPages());
    const int contexts[] = {0,   431, 432, 433, 434, 435, 436, 437, 438,
                            439, 440, 441, 442, 443, 444, 445, 446, 40507};
    for (int context : contexts) {
        SCOPED_TRACE(context);
        ShowHelp(context);
        HelpWindow *window = HelpWindow::Instance();
        ASSERT_NE(window, nullptr);
        const QUrl page = window->currentPage();
        EXPECT_TRUE(page.path().startsWith(QLatin1String("/help/en/"))) << page.toString().toStdString();
        EXPECT_EQ(page, HelpWindow::PageForContext(context));
        EXPECT_FALSE(window->browser()->document()->toPlainText().trimmed().isEmpty());
        EXPECT_FALSE(hasCyrillic(window->browser()->documentTitle()));
        EXPECT_FALSE(hasRussianProse(readResource(pagePath(page))));
    }
    // The contents and the fallback for a missing page stay in English too.
    HelpWindow *window = HelpWindow::Instance();
    window->showPage(QUrl(QStringLiteral("qrc:/help/en/no-such-page.html")));
    EXPECT_EQ(window->currentPage(), QUrl(QStringLiteral("qrc:/help/en/index.html")));
}

TEST_F(HelpWindowTest, OtherInterfaceLanguagesShowTheRussianPages)
{
    const QLocale previous;
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::Russian), QLocale(QLocale::German)}) {
        SCOPED_TRACE(locale.name().toStdString());
        QLocale::setDefault(locale);
        EXPECT_FALSE(HelpWindow::EnglishPages());
        EXPECT_EQ(HelpWindow::PageForContext(442), QUrl(QStringLiteral("qrc:/help/force.html")));
        EXPECT_EQ(HelpWindow::PageForContext(0), QUrl(QStringLiteral("qrc:/help/index.html")));
    }
    QLocale::setDefault(previous);
}

TEST_F(HelpWindowTest, UnknownContextsOpenTheContents)
{
    for (int context : {-1, 1, 430, 447, 40506, 40508, 99999}) {
        SCOPED_TRACE(context);
        ShowHelp(context);
        ASSERT_NE(HelpWindow::Instance(), nullptr);
        EXPECT_EQ(HelpWindow::Instance()->currentPage(), HelpWindow::PageForContext(0));
    }
}

TEST_F(HelpWindowTest, OneWindowIsReusedWithItsHistory)
{
    ShowHelp(0);
    HelpWindow *first = HelpWindow::Instance();
    ShowHelp(442);
    ShowHelp(443);
    ASSERT_EQ(HelpWindow::Instance(), first);
    QTextBrowser *browser = first->browser();
    ASSERT_TRUE(browser->isBackwardAvailable());
    browser->backward();
    EXPECT_EQ(first->currentPage(), HelpWindow::PageForContext(442));
    browser->backward();
    EXPECT_EQ(first->currentPage(), HelpWindow::PageForContext(0));
    browser->forward();
    EXPECT_EQ(first->currentPage(), HelpWindow::PageForContext(442));
}

TEST_F(HelpWindowTest, KeysGoBackAndEscapeClosesTheWindowForReuse)
{
    HelpWindow *window = HelpWindow::Open(0);
    window->showPage(HelpWindow::PageForContext(445));
    // Shortcuts act only in the active window.
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keySequence(window, QKeySequence::Back);
    EXPECT_EQ(window->currentPage(), HelpWindow::PageForContext(0));
    QTest::keySequence(window, QKeySequence::Forward);
    EXPECT_EQ(window->currentPage(), HelpWindow::PageForContext(445));
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    // Closing only hides it: the next request shows the same window again.
    ShowHelp(446);
    EXPECT_EQ(HelpWindow::Instance(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->currentPage(), HelpWindow::PageForContext(446));
}

TEST_F(HelpWindowTest, MissingPageShowsTheContents)
{
    HelpWindow *window = HelpWindow::Open(431);
    window->showPage(QUrl(QStringLiteral("qrc:/help/no-such-page.html")));
    EXPECT_EQ(window->currentPage(), HelpWindow::PageForContext(0));
    window->showPage(QUrl(QStringLiteral("file:///etc/passwd")));
    EXPECT_EQ(window->currentPage(), HelpWindow::PageForContext(0));
}

TEST_F(HelpWindowTest, HelpFromAModalDialogStaysUsableAndOutlivesIt)
{
    auto *dialog = new QDialog;
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    ShowHelp(431);
    HelpWindow *window = HelpWindow::Instance();
    ASSERT_NE(window, nullptr);
    // A modal dialog blocks every window but its own children.
    EXPECT_EQ(window->parentWidget(), dialog);
    EXPECT_TRUE(window->isWindow());
    dialog->done(QDialog::Accepted);
    delete dialog;
    ASSERT_EQ(HelpWindow::Instance(), window);
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->currentPage(), HelpWindow::PageForContext(431));
}

TEST(HelpPages, EveryLinkReachesAnExistingPageAndAnchor)
{
    const QStringList pages = helpPages();
    ASSERT_FALSE(pages.isEmpty());
    for (const QString &path : pages) {
        const QString html = readResource(path);
        const QUrl base(QStringLiteral("qrc") + path);
        for (const QString &link : linksOf(html)) {
            SCOPED_TRACE((path + QStringLiteral(" -> ") + link).toStdString());
            const QUrl target = base.resolved(QUrl(link));
            if (target.scheme() == QLatin1String("https") || target.scheme() == QLatin1String("http") ||
                target.scheme() == QLatin1String("mailto"))
                continue;
            ASSERT_EQ(target.scheme(), QStringLiteral("qrc"));
            const QString targetPath = pagePath(target);
            ASSERT_TRUE(QFile::exists(targetPath));
            if (target.hasFragment()) {
                EXPECT_TRUE(anchorsOf(readResource(targetPath)).contains(target.fragment()));
            }
        }
    }
}

TEST(HelpPages, EveryRussianPageHasAnEnglishTwinWithTheSameLinksAnchorsAndPictures)
{
    const QStringList russian = helpPagesIn(QStringLiteral(":/help"));
    const QStringList english = helpPagesIn(QStringLiteral(":/help/en"));
    ASSERT_FALSE(russian.isEmpty());
    // No English page without a Russian original either.
    EXPECT_EQ(english.size(), russian.size());
    for (const QString &path : russian) {
        const QString twin = QStringLiteral(":/help/en/") + path.section(QLatin1Char('/'), -1);
        SCOPED_TRACE(twin.toStdString());
        ASSERT_TRUE(english.contains(twin));
        const QString html = readResource(twin);
        EXPECT_FALSE(hasRussianProse(html));
        EXPECT_TRUE(html.contains(QLatin1String("<title>")));
        const QSet<QString> anchors = anchorsOf(readResource(path));
        EXPECT_TRUE(anchorsOf(html) == anchors) << difference(anchorsOf(html), anchors);
        // The same pages, anchors, pictures and style sheet, the English ones
        // for pages: an English page never leads back into Russian help.
        QSet<QString> expected;
        for (QString target : targetsOf(path)) {
            if (target.startsWith(QLatin1String("qrc:/help/")) && target.contains(QLatin1String(".html")))
                target.replace(0, int(qstrlen("qrc:/help/")), QStringLiteral("qrc:/help/en/"));
            expected.insert(target);
        }
        EXPECT_TRUE(targetsOf(twin) == expected) << difference(targetsOf(twin), expected);
    }
}

TEST(HelpPages, EveryPageIsReachableFromTheContents)
{
    QSet<QString> reached;
    QStringList queue{QStringLiteral(":/help/index.html"), QStringLiteral(":/help/en/index.html")};
    while (!queue.isEmpty()) {
        const QString path = queue.takeFirst();
        if (reached.contains(path))
            continue;
        reached.insert(path);
        const QUrl base(QStringLiteral("qrc") + path);
        for (const QString &link : linksOf(readResource(path))) {
            const QUrl target = base.resolved(QUrl(link));
            if (target.scheme() == QLatin1String("qrc") && target.path().endsWith(QLatin1String(".html")))
                queue << pagePath(target);
        }
    }
    for (const QString &page : helpPages())
        EXPECT_TRUE(reached.contains(page)) << page.toStdString();
}

namespace {

// Renders an SVG resource on a transparent image of the given size.
QImage render(const QString &path, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

int opaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128)
                ++count;
    return count;
}

QStringList svgResources()
{
    QStringList files;
    for (const char *folder : {":/icons", ":/cursors", ":/images", ":/help"}) {
        QDirIterator it(QString::fromLatin1(folder), {QStringLiteral("*.svg")}, QDir::Files);
        while (it.hasNext())
            files << it.next();
    }
    return files;
}

} // namespace

TEST(Pictures, EverySvgLoadsAndDrawsSomethingAtToolBarSize)
{
    const QStringList files = svgResources();
    // The tool-bar icons, the application icon, the cursors and the About picture.
    ASSERT_GE(files.size(), 34 + 1 + 9 + 1);
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        QSvgRenderer renderer(file);
        ASSERT_TRUE(renderer.isValid());
        EXPECT_FALSE(renderer.viewBoxF().isEmpty());
        // A picture that vanishes or fills its whole square at 18 x 17 is not an icon.
        const QImage small = render(file, 18, 17);
        const int covered = opaquePixels(small);
        EXPECT_GT(covered, 10);
        if (file.startsWith(QLatin1String(":/icons/")) && !file.endsWith(QLatin1String("/ruvo.svg"))) {
            EXPECT_LT(covered, 18 * 17);
        }
    }
}

TEST(Pictures, EveryCommandIconExists)
{
    int withIcon = 0;
    for (const CommandInfo &command : CommandTable()) {
        if (command.icon == nullptr || command.icon[0] == '\0')
            continue;
        ++withIcon;
        const QString path = QStringLiteral(":/icons/%1.svg").arg(QLatin1String(command.icon));
        EXPECT_TRUE(QSvgRenderer(path).isValid()) << command.id << ' ' << path.toStdString();
    }
    EXPECT_GE(withIcon, 34);
}

TEST(Pictures, CursorHotSpotsLieOnTheDrawnPointOfEachCursor)
{
    QSet<int> ids;
    QSet<QString> names;
    for (const CursorHotspot &cursor : cursorHotspots) {
        SCOPED_TRACE(cursor.name);
        const QString path = QStringLiteral(":/cursors/%1.svg").arg(QLatin1String(cursor.name));
        QSvgRenderer renderer(path);
        ASSERT_TRUE(renderer.isValid());
        EXPECT_EQ(renderer.defaultSize(), QSize(CursorSize, CursorSize));
        ASSERT_GE(cursor.x, 0);
        ASSERT_LT(cursor.x, CursorSize);
        ASSERT_GE(cursor.y, 0);
        ASSERT_LT(cursor.y, CursorSize);
        // The click acts where the cursor shows a dark point with its white
        // outline round it, visible on white paper and on red grid dots.
        const QImage image = render(path, CursorSize, CursorSize);
        const QRgb hot = image.pixel(cursor.x, cursor.y);
        EXPECT_GT(qAlpha(hot), 200);
        EXPECT_LT(qGray(hot), 80);
        bool outlined = false;
        for (int dy = -4; dy <= 4; ++dy)
            for (int dx = -4; dx <= 4; ++dx) {
                const QRgb near = image.pixel(std::clamp(cursor.x + dx, 0, CursorSize - 1),
                                              std::clamp(cursor.y + dy, 0, CursorSize - 1));
                outlined = outlined || (qAlpha(near) > 200 && qGray(near) > 200);
            }
        EXPECT_TRUE(outlined);
        EXPECT_FALSE(ids.contains(cursor.id));
        EXPECT_FALSE(names.contains(QLatin1String(cursor.name)));
        ids.insert(cursor.id);
        names.insert(QLatin1String(cursor.name));
        ASSERT_NE(FindCursorHotspot(cursor.id), nullptr);
        EXPECT_EQ(FindCursorHotspot(cursor.id), FindCursorHotspot(std::string_view(cursor.name)));
    }
    for (int id : {1001, 1002, 1003, 1004, 1005, 1006, 1007, 1190, 1191})
        EXPECT_TRUE(ids.contains(id)) << id;
    EXPECT_EQ(FindCursorHotspot(1000), nullptr);
    EXPECT_EQ(FindCursorHotspot(std::string_view("arrow")), nullptr);
}
