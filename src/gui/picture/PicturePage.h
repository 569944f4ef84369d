#pragma once

#include "gui/shell/TabPage.h"

#include "core/picture/ImageLoadRequest.h"
#include "core/picture/ImageLoadWorker.h"

#include <QRgb>
#include <QString>

#include <cstdint>
#include <map>

class HandsetPreview;
class PictureButton;
class PictureCanvas;

// The picture page: open a picture (with the button, by dropping it, or from the command line),
// zoom, turn, frame and adjust it, save the framed result as a 16-bit bitmap, and send it to a
// handset that shows pictures.
class PicturePage : public TabPage {
    Q_OBJECT
public:
    // Control ids of the page's buttons.
    enum ButtonId {
        kOpen = 1001,
        kSave = 1003,
        kZoomOut = 1006,
        kZoomIn = 1010,
        kRotateLeft = 1012,
        kRotateRight = 1013,
        kBrightnessContrast = 1014,
        kColorBalance = 1016,
        kSend = 1017,
        kWebLink = 1154,
    };
    static constexpr QRgb kBackground = 0xFFFFFFFF;
    static constexpr QRgb kFrameColour = 0xFFC80000;
    static constexpr float kFramePenWidth = 3.0f;

    explicit PicturePage(QWidget* parent = nullptr);
    ~PicturePage() override;

    void SetUpUi() override;

    void OnOpen();
    // Decodes the picture on a worker while the progress window shows; `name` is its file name.
    // True when it loaded; otherwise the user has been told.
    bool LoadPicture(const QString& path, const QString& name);
    // A picture named on the command line or dropped on the page.
    bool OpenFile(const QString& path);
    void OnSave();
    void OnSend();
    void OnBrightnessContrast();
    void OnColorBalance();
    void EnableEditButtons(bool on);
    void UpdateSendButton();

    // "Sample Images" beside the program (a build tree) or in its shared data folder (an
    // installed program); empty when there is none.
    static QString SampleImagesFolder();
    // "My Pictures" in the program's documents folder, made when missing; empty when it cannot
    // be made.
    static QString MyPicturesFolder();

    // State, for the window and for tests.
    bool HasImage() const;
    bool FirstOpen() const { return m_firstOpen; }
    bool HandsetReady() const { return m_handsetReady; }
    const QString& CurrentPath() const { return m_currentPath; }
    PictureButton* Button(int id) const;
    PictureCanvas* Canvas() const { return m_canvas; }
    HandsetPreview* Preview() const;

protected:
    void UpdateForHandset() override { UpdateSendButton(); }
    // Before the page's title, above the file buttons.
    QRect HandsetNotePlace() const override { return {10, 2, 520, 44}; }
    const char* LockOwnerName() const override { return "ImagePanelDialog"; }
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    std::map<int, PictureButton*> m_buttons;
    PictureCanvas* m_canvas = nullptr;
    ImageLoadRequest m_request;
    ImageLoadWorker m_loadWorker;
    QString m_currentPath;
    QString m_currentName;
    bool m_firstOpen = true;
    bool m_handsetReady = false;
};
