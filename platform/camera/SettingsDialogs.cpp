// The camera control's picture ("Bild") and sound ("Ton") settings dialogs.
#include <gst/video/colorbalance.h>

#include <cmath>

#include <QCheckBox>
#include <QFormLayout>
#include <QSlider>

#include "platform/camera/CamCaptureImpl.h"

namespace {

// The colour-balance channels the picture dialog offers, with the word their
// labels contain.
struct BalanceChannel {
    const char *title;
    const char *match;
};
const BalanceChannel kBalanceChannels[] = {
    {"Helligkeit", "bright"}, {"Kontrast", "contrast"}, {"Sättigung", "satur"}, {"Farbton", "hue"}};

GstColorBalanceChannel *findChannel(GstElement *element, const char *match) {
    if (!element || !GST_IS_COLOR_BALANCE(element)) return nullptr;
    const GList *channels = gst_color_balance_list_channels(GST_COLOR_BALANCE(element));
    for (const GList *l = channels; l; l = l->next) {
        auto *ch = GST_COLOR_BALANCE_CHANNEL(l->data);
        if (ch->label &&
            QString::fromUtf8(ch->label).contains(QLatin1String(match), Qt::CaseInsensitive))
            return ch;
    }
    return nullptr;
}

void bringToFront(QDialog *dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

QSlider *newSlider(int min, int max, int value) {
    auto *slider = new QSlider(Qt::Horizontal);
    slider->setRange(min, max);
    slider->setValue(value);
    slider->setMinimumWidth(220);
    return slider;
}

QDialog *newDialog(QWidget *parent, const char *title) {
    auto *dialog = new QDialog(parent);
    dialog->setWindowTitle(QString::fromUtf8(title));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    return dialog;
}

}  // namespace

void CamCapture::VideoConfig() {
    if (d->videoDialog) {
        bringToFront(d->videoDialog);
        return;
    }
    QDialog *dialog = newDialog(this, "Bild");
    auto *form = new QFormLayout(dialog);
    GstElement *source = d->live ? d->live->videoSource() : nullptr;
    GstElement *balance = d->live ? d->live->balance() : nullptr;
    for (const BalanceChannel &c : kBalanceChannels) {
        // The camera's own setting where it has one, else the program's balance stage.
        GstElement *element = source;
        GstColorBalanceChannel *ch = findChannel(element, c.match);
        if (!ch) {
            element = balance;
            ch = findChannel(element, c.match);
        }
        QSlider *slider =
            ch ? newSlider(ch->min_value, ch->max_value,
                           gst_color_balance_get_value(GST_COLOR_BALANCE(element), ch))
               : newSlider(0, 1, 0);
        slider->setEnabled(ch != nullptr);
        slider->setObjectName(QString::fromUtf8(c.title));
        if (ch) {
            // The elements live as long as the pipeline; CloseCam deletes this dialog first.
            connect(slider, &QSlider::valueChanged, dialog, [element, ch](int v) {
                gst_color_balance_set_value(GST_COLOR_BALANCE(element), ch, v);
            });
        }
        form->addRow(QString::fromUtf8(c.title), slider);
    }
    d->videoDialog = dialog;
    bringToFront(dialog);
}

void CamCapture::AudioConfig() {
    if (d->audioDialog) {
        bringToFront(d->audioDialog);
        return;
    }
    QDialog *dialog = newDialog(this, "Ton");
    auto *form = new QFormLayout(dialog);
    QSlider *level = newSlider(0, 100, int(std::lround(d->soundLevel * 100)));
    level->setObjectName(QStringLiteral("Lautstärke"));
    auto *mute = new QCheckBox(QStringLiteral("Stumm"));
    mute->setChecked(d->muted);
    form->addRow(QStringLiteral("Lautstärke"), level);
    form->addRow(QString(), mute);
    // Applied to the running movie's sound at once, and kept for the next ones.
    Impl *impl = d.get();
    connect(level, &QSlider::valueChanged, dialog, [impl](int v) {
        impl->soundLevel = v / 100.0;
        impl->recorder.setSound(impl->soundLevel, impl->muted);
    });
    connect(mute, &QCheckBox::toggled, dialog, [impl](bool on) {
        impl->muted = on;
        impl->recorder.setSound(impl->soundLevel, impl->muted);
    });
    d->audioDialog = dialog;
    bringToFront(dialog);
}
