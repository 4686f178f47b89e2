#pragma once

class QWidget;

// Lets widget take the mouse wheel only while it has keyboard focus. Otherwise the wheel goes on
// to its parents, so a surrounding scroll area scrolls instead of a value changing under the
// pointer, and the wheel never gives the widget focus.
void IgnoreWheelUnlessFocused(QWidget* widget);
