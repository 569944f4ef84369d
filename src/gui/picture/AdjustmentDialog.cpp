#include "gui/picture/AdjustmentDialog.h"

#include "core/common/StringTable.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

// As a trackbar's page: a fifth of the range.
constexpr int kPageStep = 40;
// A slider is as wide as this many average characters, or its label if that is wider.
constexpr int kSliderChars = 24;

}  // namespace

AdjustmentDialog::AdjustmentDialog(const QString& caption, const std::vector<SliderPlace>& sliders,
                                   const std::vector<int>& start, HandsetPreview* preview, QWidget* parent)
    : QDialog(parent), m_preview(preview)
{
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* frame = new QGroupBox(this);
    auto* frameLayout = new QVBoxLayout(frame);
    for (std::size_t i = 0; i < sliders.size(); ++i) {
        const SliderPlace& slide = sliders[i];
        auto* label = new QLabel(slide.label, frame);
        auto* slider = new QSlider(Qt::Horizontal, frame);
        slider->setObjectName(QStringLiteral("slider%1").arg(slide.id));
        slider->setRange(kMinimum, kMaximum);
        slider->setTickInterval(kMaximum);
        // Below the groove, away from the label above it.
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setPageStep(kPageStep);
        slider->setValue(i < start.size() ? start[i] : 0);
        slider->setToolTip(LoadString(slide.tip));
        slider->setAccessibleName(QString(slide.label).remove(QLatin1Char('&')));
        slider->setMinimumWidth(kSliderChars * slider->fontMetrics().averageCharWidth());
        label->setBuddy(slider);
        frameLayout->addWidget(label);
        frameLayout->addWidget(slider);
        if (i + 1 < sliders.size())
            frameLayout->addSpacing(label->fontMetrics().height() / 2);
        connect(slider, &QSlider::valueChanged, this, &AdjustmentDialog::OnValueChanged);
        connect(slider, &QSlider::sliderMoved, this, [this, slider](int v) { ShowValueTip(slider, v); });
        m_sliders.push_back(slider);
    }
    layout->addWidget(frame);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        Keep(Values());
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (!m_sliders.empty())
        m_sliders.front()->setFocus();
}

QSlider* AdjustmentDialog::Slider(int id) const
{
    return findChild<QSlider*>(QStringLiteral("slider%1").arg(id));
}

std::vector<int> AdjustmentDialog::Values() const
{
    std::vector<int> values;
    for (const QSlider* s : m_sliders)
        values.push_back(s->value());
    return values;
}

void AdjustmentDialog::OnValueChanged()
{
    Apply(Values());
}

// The value above the thumb while it is dragged, as a trackbar shows it.
void AdjustmentDialog::ShowValueTip(QSlider* slider, int value)
{
    const double share = static_cast<double>(value - kMinimum) / (kMaximum - kMinimum);
    const QPoint at(qRound(share * slider->width()), 0);
    QToolTip::showText(slider->mapToGlobal(at), QString::number(value), slider);
}
