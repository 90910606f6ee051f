// Windows open centred on the screen and, where they have one, at a fixed size.
#pragma once

class QWidget;

namespace qiming::widgets {

void centerOnScreen(QWidget *window);
// Fixed client size in device-independent pixels: Qt scales it on high-DPI screens.
void setFixedClientSize(QWidget *window, int width, int height);

} // namespace qiming::widgets
