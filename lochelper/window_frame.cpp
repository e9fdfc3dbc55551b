#include "window_frame.h"

#include <QWidget>

void fit_to_frame(QWidget& window, QSize frame_included_size) {
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    const QSize client = frame_included_size - frame;
    if (window.size() != client)
        window.setFixedSize(client);
}
