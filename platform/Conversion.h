#pragma once

#include <QString>

// The one real-to-integer conversion of the program. Every place that turns a
// computed real (centring, cell sizes, baselines) into a whole number goes
// through it, so all drawing agrees. It truncates toward zero.
int wholeNumber(double value);

// Numbers in texts and file names: decimal, no leading zeros.
QString Str(long long value);

// Texts to numbers: the leading number of the text (after blanks), 0 for a
// text that does not start with a number.
double Val(const QString &text);
