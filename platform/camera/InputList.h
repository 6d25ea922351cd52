#pragma once

#include <gst/gst.h>

#include <QString>

#include <vector>

#include "platform/camera/GstRef.h"

// One input of a list: a device of the machine, or a built-in test source (no device).
struct Input {
    QString name;
    GstDevice *device = nullptr;  // one reference, owned by the list
};

// A device as the system reports it, before the list is put in order.
struct FoundDevice {
    QString name;
    bool isDefault = false;
    QString key;  // the device's properties as text: a stable tie-breaker
    GstDevice *device = nullptr;
};

// Where the built-in input goes in its list.
enum class BuiltInPlace { First, Last };

// The list as it is offered: the devices with the system's default first,
// then by name, the built-in input first or last; a repeated name gets
// " (2)", " (3)"... so that every name finds its input. An empty name becomes
// "Eingang". Takes over the devices' references.
std::vector<Input> arrangeInputs(std::vector<FoundDevice> found, const QString &builtIn,
                                 BuiltInPlace place);

// The devices of one class ("Video/Source", "Audio/Source") arranged as above.
std::vector<Input> listInputs(const char *deviceClass, const QString &builtIn, BuiltInPlace place);

// Gives the devices' references back and empties the list.
void freeInputs(std::vector<Input> &inputs);

// The input of that name; null for an empty or unknown name.
const Input *findInput(const std::vector<Input> &inputs, const QString &name);
