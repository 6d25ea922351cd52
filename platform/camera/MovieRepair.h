#pragma once

#include <QString>

// A WebM file whose writing stopped midway (the disk filled up) has no
// duration in its header and may end in a half-written block. This gives it
// the duration of the blocks it holds whole and cuts off the rest, in place:
// the file only shrinks. False when the file is not such a movie.
bool finishCutMovie(const QString &path);
