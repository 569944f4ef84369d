#include "gui/picture/AdjustmentDialog.h"

#include "core/common/StringTable.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QToolTip>

namespace {

// Dialog units of the 8-point dialog font: a quarter of its average character width across, an
// eighth of its height down.
constexpr double kUnitX = 1.5;
constexpr double kUnitY = 1.625;
// As a trackbar's page: a fifth of the range.
constexpr int kPageStep = 40;

QRect Pixels(const QRect& units)
{
    return QRect(qRound(units.x() * kUnitX), qRound(units.y() * kUnitY), qRound(units.width() * kUnitX),
                 qRound(units.height() * kUnitY));
}

}  // namespace

AdjustmentDialog::AdjustmentDialog(const Layout& layout, const std::vector<SliderPlace>& sliders,
                                   const std::vector<int>& start, HandsetPreview* preview, QWidget* parent)
    : QDialog(parent), m_preview(preview)
{
    setWindowTitle(QString::fromLatin1(layout.caption));
    setFixedSize(Pixels(QRect(QPoint(0, 0), layout.size)).size());
    auto* frame = new QGroupBox(this);
    frame->setGeometry(Pixels(layout.frame));
    for (std::size_t i = 0; i < sliders.size(); ++i) {
        const SliderPlace& slide = sliders[i];
        auto* slider = new QSlider(Qt::Horizontal, this);
        slider->setObjectName(QStringLiteral("slider%1").arg(slide.id));
        slider->setRange(kMinimum, kMaximum);
        slider->setTickInterval(kMaximum);
        slider->setTickPosition(QSlider::TicksAbove);
        slider->setPageStep(kPageStep);
        slider->setValue(i < start.size() ? start[i] : 0);
        slider->setToolTip(LoadString(slide.tip));
        slider->setAccessibleName(QString::fromLatin1(slide.label));
        slider->setGeometry(Pixels(slide.place).adjusted(0, -6, 0, 6));
        auto* label = new QLabel(QString::fromLatin1(slide.label), this);
        label->setGeometry(Pixels(slide.labelPlace));
        label->setBuddy(slider);
        connect(slider, &QSlider::valueChanged, this, &AdjustmentDialog::OnValueChanged);
        connect(slider, &QSlider::sliderMoved, this, [this, slider](int v) { ShowValueTip(slider, v); });
        m_sliders.push_back(slider);
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(Pixels(layout.ok));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(Pixels(layout.cancel));
    connect(ok, &QPushButton::clicked, this, [this] {
        Keep(Values());
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
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
