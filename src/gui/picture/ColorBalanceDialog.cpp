#include "gui/picture/ColorBalanceDialog.h"

#include "gui/picture/HandsetPreview.h"

namespace {

constexpr std::uint32_t kRedTip = 102;
constexpr std::uint32_t kGreenTip = 115;
constexpr std::uint32_t kBlueTip = 117;

}  // namespace

ColorBalanceDialog::ColorBalanceDialog(int red, int green, int blue, HandsetPreview* preview, QWidget* parent)
    : AdjustmentDialog(tr("Edit Color Settings"),
                       {{kRedSlider, tr("&Red"), kRedTip},
                        {kGreenSlider, tr("&Green"), kGreenTip},
                        {kBlueSlider, tr("B&lue"), kBlueTip}},
                       {red, green, blue}, preview, parent),
      m_red(red),
      m_green(green),
      m_blue(blue)
{
}

void ColorBalanceDialog::Apply(const std::vector<int>& values)
{
    if (m_preview)
        m_preview->SetColorBalance(values[0], values[1], values[2]);
}

void ColorBalanceDialog::Keep(const std::vector<int>& values)
{
    m_red = values[0];
    m_green = values[1];
    m_blue = values[2];
}
