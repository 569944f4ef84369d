#pragma once

#include "cli/PhonebookCommands.h"

#include <QPoint>
#include <QString>

#include <optional>
#include <vector>

// What to do to a picture after loading it, in this order: the rotation and zoom steps as
// given, the frame position, then the adjustments.
struct PictureSteps {
    enum class Step { RotateLeft, RotateRight, ZoomIn, ZoomOut };
    std::vector<Step> steps;
    std::optional<QPoint> frame;
    int brightness = 0, contrast = 0, red = 0, green = 0, blue = 0;
};

// `dialbook picture IN OUT`: the handset picture as a 128 x 128 PNG file when OUT ends in
// .png, else as the handset's 16-bit BMP file.
int RunPictureCommand(const CommandConsole& console, const QString& in, const QString& out, const PictureSteps& steps);
// `dialbook send-picture IN`: the handset picture downloaded to the handset.
int RunSendPictureCommand(const CommandConsole& console, const QString& in, const PictureSteps& steps);
