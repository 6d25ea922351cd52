#include "support/Discoverer.h"

#include <gst/gst.h>

#include <QProcess>
#include <QRegularExpression>

Discovered discover(const QString &path) {
    QProcess p;
    p.start(QStringLiteral("gst-discoverer-1.0"), {path});
    p.waitForFinished(30000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    Discovered r;
    // The tool exits 0 even when it fails; only its report tells.
    r.ok = !out.contains(QLatin1String("error was encountered")) &&
           out.contains(QLatin1String("Properties:"));
    auto field = [&out](const char *pattern) {
        const auto m =
            QRegularExpression(QLatin1String(pattern), QRegularExpression::MultilineOption)
                .match(out);
        return m.hasMatch() ? m.captured(1).trimmed() : QString();
    };
    r.container = field(R"(^\s*container #\d+: (.+)$)");
    r.video = field(R"(^\s*video #\d+: (.+)$)");
    r.audio = field(R"(^\s*audio #\d+: (.+)$)");
    r.width = field(R"(^\s*Width: (\d+)$)").toInt();
    r.height = field(R"(^\s*Height: (\d+)$)").toInt();
    const auto d = QRegularExpression(R"(Duration: (\d+):(\d+):(\d+\.\d+))").match(out);
    if (d.hasMatch())
        r.seconds =
            d.captured(1).toInt() * 3600 + d.captured(2).toInt() * 60 + d.captured(3).toDouble();
    return r;
}

std::vector<double> pictureTimes(const QString &path) {
    std::vector<double> times;
    gchar *escaped = g_strescape(path.toUtf8().constData(), nullptr);
    const QByteArray description = QByteArray("filesrc location=\"") + escaped +
                                   "\" ! matroskademux name=d d.video_0 ! fakesink name=s";
    g_free(escaped);
    GstElement *pipeline = gst_parse_launch(description.constData(), nullptr);
    if (!pipeline) return times;
    GstElement *sink = gst_bin_get_by_name(GST_BIN(pipeline), "s");
    GstPad *pad = gst_element_get_static_pad(sink, "sink");
    gst_pad_add_probe(
        pad, GST_PAD_PROBE_TYPE_BUFFER,
        [](GstPad *, GstPadProbeInfo *info, gpointer data) {
            const GstClockTime ts = GST_BUFFER_PTS(GST_PAD_PROBE_INFO_BUFFER(info));
            if (GST_CLOCK_TIME_IS_VALID(ts))
                static_cast<std::vector<double> *>(data)->push_back(ts / 1e9);
            return GST_PAD_PROBE_OK;
        },
        &times, nullptr);
    gst_object_unref(pad);
    gst_object_unref(sink);
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstBus *bus = gst_element_get_bus(pipeline);
    GstMessage *msg = gst_bus_timed_pop_filtered(
        bus, 60 * GST_SECOND, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    if (msg) gst_message_unref(msg);
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    return times;
}
