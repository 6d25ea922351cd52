#pragma once

#include <QString>

#include <vector>

// What GStreamer's discoverer reads from a media file.
struct Discovered {
    bool ok = false;
    QString container, video, audio;
    int width = 0, height = 0;
    double seconds = -1;
};

Discovered discover(const QString &path);

// The time stamps, in seconds, of a movie's pictures as its demuxer reads
// them, in file order; empty when the file cannot be read.
std::vector<double> pictureTimes(const QString &path);
