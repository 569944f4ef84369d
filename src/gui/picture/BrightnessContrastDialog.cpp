#include "gui/picture/BrightnessContrastDialog.h"

#include "gui/picture/HandsetPreview.h"

namespace {

constexpr std::uint32_t kBrightnessTip = 162;
constexpr std::uint32_t kContrastTip = 163;

const AdjustmentDialog::Layout kLayout{"Brightness/Contrast", {189, 82}, {7, 6, 106, 66}, {128, 45, 50, 14},
                                       {128, 22, 50, 14}};

}  // namespace

BrightnessContrastDialog::BrightnessContrastDialog(int brightness, int contrast, HandsetPreview* preview,
                                                   QWidget* parent)
    : AdjustmentDialog(kLayout,
                       {{kBrightnessSlider, "Brightness", kBrightnessTip, {11, 24, 94, 12}, {21, 16, 71, 8}},
                        {kContrastSlider, "Contrast", kContrastTip, {11, 53, 94, 12}, {21, 45, 71, 8}}},
                       {brightness, contrast}, preview, parent),
      m_brightness(brightness),
      m_contrast(contrast)
{
}

void BrightnessContrastDialog::Apply(const std::vector<int>& values)
{
    if (m_preview)
        m_preview->SetBrightnessContrast(values[0], values[1]);
}

void BrightnessContrastDialog::Keep(const std::vector<int>& values)
{
    m_brightness = values[0];
    m_contrast = values[1];
}
