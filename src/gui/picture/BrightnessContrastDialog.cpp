#include "gui/picture/BrightnessContrastDialog.h"

#include "gui/picture/HandsetPreview.h"

namespace {

constexpr std::uint32_t kBrightnessTip = 162;
constexpr std::uint32_t kContrastTip = 163;

}  // namespace

BrightnessContrastDialog::BrightnessContrastDialog(int brightness, int contrast, HandsetPreview* preview,
                                                   QWidget* parent)
    : AdjustmentDialog(tr("Brightness/Contrast"),
                       {{kBrightnessSlider, tr("&Brightness"), kBrightnessTip},
                        {kContrastSlider, tr("&Contrast"), kContrastTip}},
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
