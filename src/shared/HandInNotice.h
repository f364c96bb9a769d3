#pragma once
// The student's notice of a hand-in that failed: a small message window that does not wait for
// an answer and does not take the keyboard, so a series running under it goes on. A second
// notice replaces the first.

#include <QPointer>
#include <QString>

class QMessageBox;

namespace brevane {

class HandInNotice {
public:
    HandInNotice() = default;
    HandInNotice(const HandInNotice&) = delete;
    HandInNotice& operator=(const HandInNotice&) = delete;
    ~HandInNotice();

    void show(const QString& text);

private:
    QPointer<QMessageBox> box_;
};

} // namespace brevane
