#pragma once

#include "gui/picture/AdjustmentDialog.h"

// Red, green and blue of the handset picture, each -100 ... 100.
class ColorBalanceDialog : public AdjustmentDialog {
    Q_OBJECT
public:
    enum SliderId { kRedSlider = 1033, kGreenSlider = 1034, kBlueSlider = 1035 };

    ColorBalanceDialog(int red, int green, int blue, HandsetPreview* preview, QWidget* parent);

    // The start values, and after OK the values the dialog ended with.
    int m_red;
    int m_green;
    int m_blue;

protected:
    void Apply(const std::vector<int>& values) override;
    void Keep(const std::vector<int>& values) override;
};
