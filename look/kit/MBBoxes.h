#pragma once
// The column and the row most views are built from: box layouts with no
// margins of their own (the card or page around them pads). `spacing` in
// pixels; without it the style's spacing stands.

class QHBoxLayout;
class QVBoxLayout;
class QWidget;

QVBoxLayout *mbColumn(QWidget *owner = nullptr);
QVBoxLayout *mbColumn(QWidget *owner, int spacing);
QHBoxLayout *mbRow(QWidget *owner = nullptr);
QHBoxLayout *mbRow(QWidget *owner, int spacing);
