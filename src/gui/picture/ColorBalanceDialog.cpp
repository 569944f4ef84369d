#include "gui/picture/ColorBalanceDialog.h"

#include "gui/picture/HandsetPreview.h"

namespace {

constexpr std::uint32_t kRedTip = 102;
constexpr std::uint32_t kGreenTip = 115;
constexpr std::uint32_t kBlueTip = 117;

const AdjustmentDialog::Layout kLayout{"Edit Color Settings", {188, 111}, {9, 7, 106, 95}, {128, 61, 50, 14},
                                       {128, 36, 50, 14}};

}  // namespace

ColorBalanceDialog::ColorBalanceDialog(int red, int green, int blue, HandsetPreview* preview, QWidget* parent)
    : AdjustmentDialog(kLayout,
                       {{kRedSlider, "Red", kRedTip, {15, 24, 94, 12}, {27, 16, 71, 8}},
                        {kGreenSlider, "Green", kGreenTip, {15, 53, 94, 12}, {27, 45, 71, 8}},
                        {kBlueSlider, "Blue", kBlueTip, {15, 82, 94, 12}, {27, 74, 71, 8}}},
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
