#pragma once
// Shows the busy mouse cursor for the whole program until restored or destroyed.

#include <QGuiApplication>

class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { restore(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
    // Before a message box: the user should not wait on a busy cursor to answer it.
    void restore() {
        if (active_)
            QGuiApplication::restoreOverrideCursor();
        active_ = false;
    }

private:
    bool active_ = true;
};
