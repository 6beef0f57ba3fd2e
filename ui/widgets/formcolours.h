#pragma once

#include <QColor>
#include <QPalette>

#include <initializer_list>
#include <utility>

class QWidget;

// The forms' colours (red, green, blue).
namespace FormColour {
inline constexpr QColor White(255, 255, 255);
inline constexpr QColor Navy(0, 0, 128);
inline constexpr QColor Blue(0, 0, 192);
inline constexpr QColor Yellow(255, 255, 0);
inline constexpr QColor Purple(128, 0, 128);
inline constexpr QColor DarkPurple(64, 0, 64);
inline constexpr QColor Magenta(255, 0, 255);
inline constexpr QColor DarkGreen(0, 64, 0);
inline constexpr QColor LightBlue(124, 165, 231);
} // namespace FormColour

// The one way the forms set their colours: each role its colour, in every
// state, in one palette change (every change is passed on to all of the
// widget's children).
void SetColours(QWidget *widget,
                std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colours);
