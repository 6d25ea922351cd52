#include "platform/Conversion.h"

#include <cmath>
#include <limits>

int wholeNumber(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);  // truncation toward zero
}

QString Str(long long value) { return QString::number(value); }

double Val(const QString &text) {
    // Read the longest leading part that forms a decimal number: sign, digits,
    // an optional fraction and exponent. Anything after it is ignored.
    const QString t = text.trimmed();
    int i = 0;
    const int n = t.size();
    if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
    const int digitsStart = i;
    while (i < n && t[i].isDigit() && t[i].unicode() < 128) ++i;
    if (i < n && t[i] == '.') {
        ++i;
        while (i < n && t[i].isDigit() && t[i].unicode() < 128) ++i;
    }
    if (i == digitsStart || (i == digitsStart + 1 && t[digitsStart] == '.')) return 0;
    int end = i;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        int j = i + 1;
        if (j < n && (t[j] == '+' || t[j] == '-')) ++j;
        const int expStart = j;
        while (j < n && t[j].isDigit() && t[j].unicode() < 128) ++j;
        if (j > expStart) end = j;
    }
    bool ok = false;
    const double v = t.left(end).toDouble(&ok);
    return ok ? v : 0;
}
