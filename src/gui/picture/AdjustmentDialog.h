#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>
#include <vector>

class HandsetPreview;
class QSlider;

// What the two adjustment dialogs share: a few sliders from -100 to 100 in a frame, each with
// its label and tip, OK and Cancel below. Laid out so that it grows with the font and the
// texts. Moving a slider changes the preview at once; the page puts
// the old values back when the dialog ends other than with OK.
class AdjustmentDialog : public QDialog {
    Q_OBJECT
public:
    // One slider: its control id, its label (with the letter Alt selects it marked by &) and its
    // tip (a string id). The sliders stand one below the other, each under its label.
    struct SliderPlace {
        int id;
        QString label;
        std::uint32_t tip;
    };

    static constexpr int kMinimum = -100;
    static constexpr int kMaximum = 100;

    QSlider* Slider(int id) const;
    // The slider values, in the order the sliders were given.
    std::vector<int> Values() const;

protected:
    AdjustmentDialog(const QString& caption, const std::vector<SliderPlace>& sliders, const std::vector<int>& start,
                     HandsetPreview* preview, QWidget* parent);

    // Hands the sliders' values to the preview.
    virtual void Apply(const std::vector<int>& values) = 0;
    // OK: the values the dialog ends with.
    virtual void Keep(const std::vector<int>& values) = 0;

    HandsetPreview* m_preview;

private:
    void OnValueChanged();
    void ShowValueTip(QSlider* slider, int value);

    std::vector<QSlider*> m_sliders;
};
