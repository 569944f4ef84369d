#pragma once

#include "gui/picture/AdjustmentDialog.h"

// Brightness and contrast of the handset picture, each -100 ... 100.
class BrightnessContrastDialog : public AdjustmentDialog {
    Q_OBJECT
public:
    enum SliderId { kBrightnessSlider = 1026, kContrastSlider = 1027 };

    BrightnessContrastDialog(int brightness, int contrast, HandsetPreview* preview, QWidget* parent);

    // The start values, and after OK the values the dialog ended with.
    int m_brightness;
    int m_contrast;

protected:
    void Apply(const std::vector<int>& values) override;
    void Keep(const std::vector<int>& values) override;
};
