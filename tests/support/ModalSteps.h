#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tarvo::test {

// Runs the given steps on the next modal dialog as soon as it is up, so that a test
// can answer a dialog that a button opens with exec().
inline void onNextModal(std::function<void(QWidget *)> steps)
{
    QTimer::singleShot(10, [steps] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            onNextModal(steps);
            return;
        }
        steps(modal);
    });
}

} // namespace tarvo::test
