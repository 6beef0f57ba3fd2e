#pragma once

#include <functional>

class QLabel;

// Makes a label act as a link: a left button released over it runs the
// action (a press dragged off the label before the release is no click).
// A double-click runs it once, for its first click.
// Screen readers press it the same way (see accessiblelinks.h).
void OnLabelClick(QLabel *label, std::function<void()> action);
