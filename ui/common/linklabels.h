#pragma once

#include <functional>
#include <initializer_list>

class QLabel;
class QWidget;

// Makes a label act as a link: a left button released over it runs the
// action (a press dragged off the label before the release is no click).
// A double-click runs it once, for its first click. From the keyboard the
// label is reached by Tab, shows a focus frame while it has the focus, and
// Enter, Return or Space runs the action once (a held key does not repeat
// it). Screen readers meet it as a link they can press (see
// accessiblelinks.h).
void OnLabelClick(QLabel *label, std::function<void()> action);

// Puts the links into the Tab chain one after the other, right after
// `last`, the last control of the window's own order, so that they come
// after every control the form orders.
void ChainLinksAfter(QWidget *last, std::initializer_list<QLabel *> links);
