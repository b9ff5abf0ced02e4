#pragma once
// Drossel's own shape of an error message: the error number in decimal,
// "  Description:  ", the description, and a tag naming where it happened
// (the tag brings its own leading blanks, which differ from place to place).

#include <QString>

namespace runtime { class Error; }

namespace drossel {

QString errorText(const runtime::Error& error, const QString& tag = {});

}  // namespace drossel
