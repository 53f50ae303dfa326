#pragma once

// Helpers of the GUI tests: the recording error reporter and answers to
// modal dialogs that a tested operation opens.

#include "support/RecordingReporter.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// Answers the next modal dialog that opens while the object lives: polls
// for it from the event loop of the dialog and hands it to `answer`, which
// should close it; a dialog the answer leaves open is rejected, so a failed
// expectation inside the answer cannot hang the test. Polling stops after
// the first dialog, after about two seconds, or when the object goes.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget *)> answer) : respond(std::move(answer))
    {
        QObject::connect(&timer, &QTimer::timeout, [this] { poll(); });
        timer.start(10);
    }
    ModalAnswer(const ModalAnswer &) = delete;
    ModalAnswer &operator=(const ModalAnswer &) = delete;

    bool seen() const { return answered; }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            if (++polls > 200)
                timer.stop();
            return;
        }
        timer.stop();
        answered = true;
        QPointer<QWidget> guard(modal);
        respond(modal);
        if (guard && guard->isVisible())
            guard->close();
    }

    std::function<void(QWidget *)> respond;
    QTimer timer;
    int polls = 0;
    bool answered = false;
};
