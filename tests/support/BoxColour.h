#pragma once

#include <QColor>
#include <QLineEdit>
#include <QPalette>

// The background colour a text box shows: red for a refused value, grey for a disabled field.
inline QColor Background(const QLineEdit* box)
{
    return box->palette().color(QPalette::Active, QPalette::Base);
}
