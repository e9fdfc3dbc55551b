#pragma once
// Both windows have a fixed rectangle that includes the window frame. The frame's
// size is known only once the window is shown, so the client area is fitted then,
// and again whenever the window manager moves or redecorates the window.

#include <QSize>

class QWidget;

void fit_to_frame(QWidget& window, QSize frame_included_size);
