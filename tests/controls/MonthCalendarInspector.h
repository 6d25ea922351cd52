#pragma once

#include <QImage>
#include <QPoint>

#include <vector>

#include "controls/MonthCalendar.h"

// Reaches the calendar's inner state, as the window that places it cannot.
struct MonthCalendarInspector {
    static int firstDay(const MonthCalendar &c) { return c.firstDay; }
    static int lastDay(const MonthCalendar &c) { return c.lastDay; }
    static int &highlight(MonthCalendar &c) { return c.theHighlight; }
    static const QString &monthList(const MonthCalendar &c) { return c.monthList; }
    static const QString &weekList(const MonthCalendar &c) { return c.weekList; }
    static int gutter(const MonthCalendar &c) { return c.gutter(); }
    static int cellSize(const MonthCalendar &c) { return c.cellSize(); }
    static int withinCell(const MonthCalendar &c, int x, int y) { return c.withinCell(x, y); }
    static int monthLength(const MonthCalendar &c, int m, int y) {
        return c.returnMonthLength(m, y);
    }
    static void init(MonthCalendar &c) { c.init(); }
    static DatePtr &selected(MonthCalendar &c) { return c.selectedDate(); }
    // What the window does for every control it creates.
    static void open(MonthCalendar &c) { static_cast<RectControl &>(c).Open(); }

    static QPoint corner(const MonthCalendar &c, int cell) {
        const int row = (cell - 1) / 7, column = (cell - 1) % 7;
        const int gap = c.gutter(), size = c.cellSize();
        return {gap * (column + 1) + size * column, gap * (row + 1) + size * row};
    }
    static QPoint centre(const MonthCalendar &c, int cell) {
        return corner(c, cell) + QPoint(c.cellSize() / 2, c.cellSize() / 2);
    }
    // The colour just inside a cell's top left corner, clear of its text.
    static QRgb fill(const MonthCalendar &c, const QImage &image, int cell) {
        return image.pixel(corner(c, cell) + QPoint(1, 1));
    }
    static std::vector<int> highlightedCells(MonthCalendar &c) {
        const QImage image = c.surfaceImage();
        std::vector<int> cells;
        for (int cell = 1; cell <= 56; ++cell)
            if (fill(c, image, cell) == qRgb(0xAC, 0xA9, 0x8F)) cells.push_back(cell);
        return cells;
    }
};
