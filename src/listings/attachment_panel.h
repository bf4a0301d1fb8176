#pragma once
// The attachment block of an entry window: three picture slots and a video slot, each with its
// "입력", "확대" and "삭제" buttons. A slot holds the path of its source file; files are copied into
// the data folder only when the listing is saved.

#include <QTabWidget>

class QLabel;
class QPushButton;
class QMediaPlayer;
class QVideoWidget;
class QAudioOutput;

class AttachmentPanel : public QTabWidget {
    Q_OBJECT
public:
    explicit AttachmentPanel(QWidget *parent = nullptr);

    static constexpr int kSlots = 4;

    // The source path of slot 1-4 (4 is the video); empty when the slot is empty.
    QString file(int slot) const { return m_files[slot - 1]; }
    // Loads a file into a slot; shows a message and leaves the slot as it was when it cannot be read.
    bool setFile(int slot, const QString &path, bool quietWhenMissing = false);
    void clearSlot(int slot);
    void clearAll();

    // The open-file filters: pictures, video, and pictures after a video was picked.
    void setFilters(const QString &picture, const QString &video, const QString &pictureAfterVideo);
    QString currentPictureFilter() const { return m_pictureFilter; }

    void pickPicture(int slot);
    void pickVideo();
    void zoomPicture(int slot);

    QPixmap picture(int slot) const;
    QMediaPlayer *player() const { return m_player; }

private:
    QWidget *buildPictureTab(int slot);
    QWidget *buildVideoTab();
    void updateButtons();

    QString m_files[kSlots];
    QLabel *m_boxes[3] = {};
    QPixmap m_pixmaps[3];
    QPushButton *m_zoom[kSlots] = {};
    QPushButton *m_delete[kSlots] = {};
    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_audio = nullptr;
    QVideoWidget *m_video = nullptr;
    QWidget *m_playerButtons = nullptr;
    QString m_pictureFilter, m_videoFilter, m_pictureFilterAfterVideo;
};
