#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <optional>

class QTextBrowser;
class QToolButton;

// The help window: HTML pages from the resources under :/help/ (Russian) and
// :/help/en/ (English) in a text browser with back, forward and contents
// buttons. There is at most one help window; every request reuses it. It is not modal, and while a modal
// dialog is open it belongs to that dialog so that the dialog does not block it.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // True when help is shown in English. Start-up tells the help window the
    // language the interface is shown in (SetEnglishPages), which may differ
    // from the desktop's when the user chose one in the options; until then
    // the default QLocale decides, and any language but English (the C
    // locale included) gets the Russian pages.
    static bool EnglishPages();
    // No value: forget the start-up's choice (the default QLocale decides).
    static void SetEnglishPages(std::optional<bool> english);
    // The page (a qrc: URL) for a context number in the interface language:
    // :/help/en/ for English, :/help/ otherwise; 0 and unknown numbers give
    // the contents.
    static QUrl PageForContext(int context);
    // Shows the help window at the page of the context, creating it when
    // needed, and brings it to the front.
    static HelpWindow *Open(int context);
    // The help window if one exists.
    static HelpWindow *Instance();

    QUrl currentPage() const;
    QTextBrowser *browser() const { return text; }

    // Shows a page of the help; a page that does not exist shows the contents.
    void showPage(const QUrl &page);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    explicit HelpWindow(QWidget *parent = nullptr);

    // Makes the window a child window of the active modal dialog (or a
    // top-level window again when there is none).
    void attachToModal();
    void detachFromDialog();
    void updateButtons();

    QTextBrowser *text;
    QToolButton *backButton;
    QToolButton *forwardButton;
    QToolButton *contentsButton;
    QPointer<QWidget> owner;

    static QPointer<HelpWindow> instance;
};
