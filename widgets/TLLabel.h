#pragma once
// Labels of the application's screens: plain text (a text holding "<b>"
// shows "<b>"), the application font, an optional colour, wrapping by default.

#include "look/kit/KitFont.h"

#include <QColor>
#include <QLabel>

#include <optional>

// `size` is a tlFont size (scaled by the text size and the zoom of the build).
QLabel *tlLabel(const QString &text, double size, FontWeight weight = FontWeight::Regular,
                std::optional<QColor> color = std::nullopt, bool wrap = true,
                QWidget *parent = nullptr);

// A page's or card's title: heavy, wrapping, a heading to a screen reader.
QLabel *tlHeading(const QString &text, double size);

// Gives a widget's text (WindowText, Text and ButtonText roles) a colour of its own.
void tlSetTextColor(QWidget *widget, const QColor &color);
