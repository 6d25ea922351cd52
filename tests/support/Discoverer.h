#pragma once

#include <QString>

// What GStreamer's discoverer reads from a media file.
struct Discovered {
    bool ok = false;
    QString container, video, audio;
    int width = 0, height = 0;
    double seconds = -1;
};

Discovered discover(const QString &path);
